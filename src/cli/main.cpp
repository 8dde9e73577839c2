#include <iostream>
#include <string>
#include <unistd.h>
#include <vector>

#include "cli/Command.h"
#include "cli/Version.h"

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    if (zt46::cli::AsksForVersion(args)) {
        std::cout << zt46::cli::VersionText();
        return zt46::cli::kExitOk;
    }
    zt46::cli::CliIo io{std::cout, std::cerr, isatty(STDERR_FILENO) != 0};
    return zt46::cli::Dispatch(args, io);
}
