#pragma once
// zt46 --version: the tool's name and the program's version, as the package and the About box show it.

#include <string>
#include <vector>

namespace zt46::cli {

// Whether the command line (without the program name) asks for the version only.
bool AsksForVersion(const std::vector<std::string>& argv);
// "zt46 1.0.0" and a newline.
std::string VersionText();

} // namespace zt46::cli
