// The one list of the tool's commands.
#include "cli/Command.h"
#include "cli/DiffCommand.h"
#include "cli/FileCommands.h"
#include "cli/LinkCommands.h"
#include "cli/ListCommands.h"

namespace zt46::cli {

std::vector<std::unique_ptr<Command>> MakeCommands() {
    std::vector<std::unique_ptr<Command>> commands;
    AddFileCommands(commands);
    AddListCommands(commands);
    AddLinkCommands(commands);
    AddDiffCommand(commands);
    return commands;
}

} // namespace zt46::cli
