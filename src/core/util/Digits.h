#pragma once
// The radio's small digit codes: hexadecimal-like nibble digits (firmware version, serial number)
// and the tag character set.

#include <cstdint>

namespace zt46 {

// 0..9 "0".."9", 10..13 "A".."D", 14 "*", 15 "#", anything else "-".
char NibbleToDigit(int nibble);
// "0".."9" 0..9, "A".."Z" 10..35, the thirteen marks 36..48, anything else 64.
int TagCharToCode(char c);
// The character of a tag code 0..48; '\0' (end of text) for 49 and above.
char TagCodeToChar(int code);

// The three radio symbols of tag codes 43..45, as the single bytes the radio's code page gives them.
constexpr char kTagSymbol1 = static_cast<char>(0xEB);
constexpr char kTagSymbol2 = static_cast<char>(0xE6);
constexpr char kTagSymbol3 = static_cast<char>(0xE5);
constexpr int kTagCodeUnknown = 64;

// Whether c is one of the three radio symbols (they show and print as blanks).
bool IsTagSymbol(char c);

} // namespace zt46
