#pragma once

#include <memory>
#include <vector>

#include "cli/Command.h"

namespace zt46::cli {

// upload and download: the clone transfers with a radio on a serial device.
void AddLinkCommands(std::vector<std::unique_ptr<Command>>& commands);

} // namespace zt46::cli
