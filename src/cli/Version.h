#pragma once
// zt46 --version: the tool's name and the program's version, as the package and the About box show it.

#include <string>

namespace zt46::cli {

// "zt46 1.0.0" and a newline.
std::string VersionText();

} // namespace zt46::cli
