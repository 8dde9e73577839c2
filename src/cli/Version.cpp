#include "cli/Version.h"

#include "core/util/Version.h"

namespace zt46::cli {

bool AsksForVersion(const std::vector<std::string>& argv) {
    return argv.size() == 1 && argv[0] == "--version";
}

std::string VersionText() {
    return std::string("zt46 ") + kProgramVersion + "\n";
}

} // namespace zt46::cli
