#include "core/util/TextFormat.h"

#include <algorithm>
#include <cctype>
#include <cstdarg>
#include <cstdio>

namespace zt46 {

std::string Format(const char* format, ...) {
    // One pass into a stack buffer for the short texts of the grid and the report.
    char buffer[256];
    va_list args;
    va_start(args, format);
    va_list copy;
    va_copy(copy, args);
    const int length = std::vsnprintf(buffer, sizeof buffer, format, args);
    va_end(args);
    std::string out;
    if (length > 0 && static_cast<std::size_t>(length) < sizeof buffer) {
        out.assign(buffer, static_cast<std::size_t>(length));
    } else if (length > 0) {
        out.resize(static_cast<std::size_t>(length) + 1);
        std::vsnprintf(out.data(), out.size(), format, copy);
        out.resize(static_cast<std::size_t>(length));
    }
    va_end(copy);
    return out;
}

std::int64_t LeadingInteger(std::string_view text) {
    constexpr std::int64_t kLimit = std::int64_t{1} << 40;
    std::size_t i = 0;
    while (i < text.size() && std::isspace(static_cast<unsigned char>(text[i])))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
    std::int64_t value = 0;
    for (; i < text.size() && std::isdigit(static_cast<unsigned char>(text[i])); ++i)
        value = std::min(value * 10 + (text[i] - '0'), kLimit);
    return negative ? -value : value;
}

std::size_t CharCount(std::string_view text) {
    std::size_t n = 0;
    for (unsigned char c : text)
        n += (c & 0xC0) != 0x80;
    return n;
}

std::string PadRight(std::string_view text, std::size_t width) {
    std::string out(text);
    const std::size_t count = CharCount(text);
    if (count < width) out.append(width - count, ' ');
    return out;
}

std::string FileNamePart(std::string_view path) {
    const std::size_t slash = path.find_last_of("/\\");
    std::string_view name = slash == std::string_view::npos ? path : path.substr(slash + 1);
    if (slash == std::string_view::npos && name.size() >= 2 && name[1] == ':') name.remove_prefix(2);
    return std::string(name);
}

} // namespace zt46
