#pragma once
// The bytes of a list file as UTF-8 text: UTF-8 with or without its byte-order mark, or UTF-16 (either
// byte order) with one. Bytes that are not UTF-8 are taken as Latin-1 characters, so a list saved in an
// 8-bit code page still reads; control characters (other than tab and line ends) mean the file is not
// text.

#include <string>
#include <string_view>

#include "exchange/ListError.h"

namespace zt46 {

ListResult<std::string> DecodeListText(std::string_view bytes);

// The code point at `pos` of UTF-8 text and its length in bytes; an invalid sequence gives its first byte
// as a Latin-1 character of length 1.
char32_t NextCodePoint(std::string_view text, std::size_t pos, std::size_t& length);

} // namespace zt46
