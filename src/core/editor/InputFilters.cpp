#include "core/editor/InputFilters.h"

#include <string_view>

namespace zt46 {
namespace {

bool IsDigit(char32_t c) {
    return c >= '0' && c <= '9';
}
bool IsLetter(char32_t c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}
bool In(std::string_view set, char32_t c) {
    return c < 0x80 && set.find(static_cast<char>(c)) != set.npos;
}

} // namespace

bool FilterAccepts(EditFilter kind, char32_t c) {
    if (c == kBackspace) return true;
    switch (kind) {
    case EditFilter::Tag:
        return IsDigit(c) || IsLetter(c) || In(" ()+=*/:-_", c);
    case EditFilter::Frequency:
        return IsDigit(c) || In(". ", c);
    case EditFilter::HexByte:
        return IsDigit(c) || In("abcdefABCDEF", c);
    }
    return false;
}

bool FilterAccepts(ConfirmFilter kind, char32_t c) {
    if (c == kBackspace) return true;
    switch (kind) {
    case ConfirmFilter::Decimal:
        return IsDigit(c) || In(". ", c);
    case ConfirmFilter::Signed:
        return IsDigit(c) || In(" -+", c);
    case ConfirmFilter::SignedDecimal:
        return IsDigit(c) || In(". -+", c);
    case ConfirmFilter::DigitsSpace:
        return IsDigit(c) || c == ' ';
    }
    return false;
}

} // namespace zt46
