#pragma once
// printf-style formatting into std::string, and padding that counts characters rather than bytes.

#include <cstdint>
#include <string>
#include <string_view>

namespace zt46 {

#if defined(__GNUC__)
__attribute__((format(printf, 1, 2)))
#endif
std::string
Format(const char* format, ...);

// The leading decimal integer of a text, read like atoi: blanks skipped, an optional sign, then digits up
// to the first other character; 0 without digits. Saturates instead of overflowing.
std::int64_t LeadingInteger(std::string_view text);

// Number of characters (UTF-8 code points) in the text.
std::size_t CharCount(std::string_view text);
// The text followed by blanks up to width characters (never cut).
std::string PadRight(std::string_view text, std::size_t width);
// The name and extension of a path, without drive or folders (either kind of separator).
std::string FileNamePart(std::string_view path);

} // namespace zt46
