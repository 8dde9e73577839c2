#include "core/util/Digits.h"

#include <string_view>

namespace zt46 {
namespace {

// Codes 36..48.
constexpr char kTagMarks[13] = {' ',         '(',         ')',         '+', '=', '*', '/',
                                kTagSymbol1, kTagSymbol2, kTagSymbol3, ':', '-', '_'};

} // namespace

char NibbleToDigit(int nibble) {
    if (nibble >= 0 && nibble <= 9) return static_cast<char>('0' + nibble);
    if (nibble >= 10 && nibble <= 13) return static_cast<char>('A' + nibble - 10);
    if (nibble == 14) return '*';
    if (nibble == 15) return '#';
    return '-';
}

int TagCharToCode(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'Z') return c - 'A' + 10;
    for (int i = 0; i < 13; ++i) {
        if (kTagMarks[i] == c) return 36 + i;
    }
    return kTagCodeUnknown;
}

char TagCodeToChar(int code) {
    if (code >= 0 && code <= 9) return static_cast<char>('0' + code);
    if (code >= 10 && code <= 35) return static_cast<char>('A' + code - 10);
    if (code >= 36 && code <= 48) return kTagMarks[code - 36];
    return '\0';
}

bool IsTagSymbol(char c) {
    return c == kTagSymbol1 || c == kTagSymbol2 || c == kTagSymbol3;
}

} // namespace zt46
