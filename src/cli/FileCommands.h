#pragma once

#include <memory>
#include <vector>

#include "cli/Command.h"

namespace zt46::cli {

void AddFileCommands(std::vector<std::unique_ptr<Command>>& commands);

} // namespace zt46::cli
