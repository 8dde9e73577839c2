#pragma once
// Privileged (service) mode: asked for on the command line and granted only with the service password.

#include <string>
#include <string_view>
#include <vector>

namespace zt46 {

enum class Privilege { Normal, Privileged };

// What a command line (without the program name) asks for: Privileged exactly when the whole of it is
// "/m", "/M", "-m" or "-M".
Privilege RequestedPrivilege(const std::vector<std::string>& arguments);

// Whether a typed password is the service password. Letters count in either case: the Password dialog
// turns them to lower case as they are typed.
bool IsServicePassword(std::string_view typed);

} // namespace zt46
