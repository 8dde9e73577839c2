#include "cli/Version.h"

#include "core/util/Version.h"

namespace zt46::cli {

std::string VersionText() {
    return std::string("zt46 ") + kProgramVersion + "\n";
}

} // namespace zt46::cli
