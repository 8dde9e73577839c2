#include "core/editor/InputFilters.h"

#include <string_view>

namespace zt46 {
namespace {

bool IsDigit(char32_t c) {
    return c >= '0' && c <= '9';
}
bool IsUpper(char32_t c) {
    return c >= 'A' && c <= 'Z';
}
bool IsLower(char32_t c) {
    return c >= 'a' && c <= 'z';
}
bool IsPrintable(char32_t c) {
    return c >= 0x20 && c < 0x7F;
}
bool In(std::string_view set, char32_t c) {
    return c < 0x80 && set.find(static_cast<char>(c)) != set.npos;
}
char32_t Lower(char32_t c) {
    return IsUpper(c) ? c - 'A' + 'a' : c;
}

} // namespace

bool FilterAccepts(int kind, char32_t c) {
    if (c == kBackspace) return true;
    if (c >= 0x80) return false;
    switch (kind) {
    case 0:
        return IsDigit(c) || IsUpper(c) || IsLower(c) || In(" ()+=*/:-_", c);
    case 1:
    case 8:
        return IsDigit(c) || In(". ", c);
    case 2:
        return IsDigit(c) || In("ABCDEabcde", c);
    case 3:
        return IsDigit(c) || In("abcdef", Lower(c));
    case 4:
        return IsPrintable(c) && !In("!,#%&.;~", c);
    case 5:
        return IsDigit(c) || c == ':';
    case 6:
    case 7:
        return IsDigit(c);
    default:
        return true;
    }
}

bool ConfirmFilterAccepts(int kind, char32_t c, int caret) {
    if (c == kBackspace) return true;
    if (c >= 0x80) return false;
    switch (kind) {
    case 1:
        return IsDigit(c) || In(". ", c);
    case 2:
        return IsDigit(c) || In(" -+", c);
    case 3:
        return IsDigit(c) || In("abcd", Lower(c)) || In("#*", c);
    case 4:
        return IsPrintable(c) && !In("!\"#$%&',.;<>?@^{|}~", c);
    case 5:
        return IsDigit(c) || In(". -+", c);
    case 6:
        return IsDigit(c) || c == ' ';
    case 7:
        return IsDigit(c) || In("abcdef", Lower(c));
    case 8:
        return IsDigit(c);
    case 9:
        return caret == 1 ? Lower(c) >= 'c' && Lower(c) <= 'n' : IsDigit(c);
    case 16:
        return IsDigit(c) || c == ':';
    case 17:
        return false;
    default:
        return true;
    }
}

} // namespace zt46
