#pragma once

#include <memory>
#include <vector>

#include "cli/Command.h"

namespace zt46::cli {

// diff: two clone files, or a clone file and the radio, compared by what they mean.
void AddDiffCommand(std::vector<std::unique_ptr<Command>>& commands);

} // namespace zt46::cli
