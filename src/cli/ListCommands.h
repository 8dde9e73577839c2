#pragma once

#include <memory>
#include <vector>

#include "cli/Command.h"

namespace zt46::cli {

// export and import: a clone file's channels as a channel list (CSV), and a list's rows into a new
// clone file.
void AddListCommands(std::vector<std::unique_ptr<Command>>& commands);

} // namespace zt46::cli
