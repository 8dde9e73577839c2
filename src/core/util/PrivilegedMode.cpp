#include "core/util/PrivilegedMode.h"

#include <algorithm>

namespace zt46 {
namespace {

constexpr std::string_view kServicePassword = "kumo-hikari";

char Lower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

} // namespace

Privilege RequestedPrivilege(const std::vector<std::string>& arguments) {
    if (arguments.size() != 1) return Privilege::Normal;
    const std::string& a = arguments.front();
    const bool isSwitch = a.size() == 2 && (a[0] == '/' || a[0] == '-') && Lower(a[1]) == 'm';
    return isSwitch ? Privilege::Privileged : Privilege::Normal;
}

bool IsServicePassword(std::string_view typed) {
    return std::equal(typed.begin(), typed.end(), kServicePassword.begin(), kServicePassword.end(),
                      [](char a, char b) { return Lower(a) == b; });
}

} // namespace zt46
