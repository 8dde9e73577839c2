#include "util/Frequency.h"

#include <cctype>
#include <charconv>
#include <limits>
#include <string>

namespace zt46 {
namespace {

// Reads like atoi: leading white space, an optional sign, then decimal digits; stops at the first
// other character. Saturates at the limits of a 32-bit integer instead of overflowing.
std::int32_t LeadingInteger(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && std::isspace(static_cast<unsigned char>(text[i])))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
    std::int64_t value = 0;
    for (; i < text.size() && std::isdigit(static_cast<unsigned char>(text[i])); ++i) {
        value = value * 10 + (text[i] - '0');
        if (value > std::numeric_limits<std::int32_t>::max()) {
            return negative ? std::numeric_limits<std::int32_t>::min()
                            : std::numeric_limits<std::int32_t>::max();
        }
    }
    return static_cast<std::int32_t>(negative ? -value : value);
}

} // namespace

std::int32_t MHzTextToHz(std::string_view text) {
    const std::size_t point = text.substr(0, 4).find('.');
    if (text.size() >= 4 && point == std::string_view::npos) return kInvalidHz;
    std::string digits(text);
    const std::size_t p = digits.find('.');
    if (p == std::string::npos) {
        digits += "000000";
    } else {
        digits.erase(p, 1);
        if (digits.size() < p + 6) digits.append(p + 6 - digits.size(), '0');
    }
    return LeadingInteger(digits);
}

std::int32_t MHzToHz(double mhz) {
    // "%f" of the value, without the locale's say in the decimal point.
    char text[400];
    const auto result = std::to_chars(text, text + sizeof text, mhz, std::chars_format::fixed, 6);
    return static_cast<std::int32_t>(static_cast<double>(
        MHzTextToHz(std::string_view(text, static_cast<std::size_t>(result.ptr - text)))));
}

double HzToMHz(std::int32_t hz) {
    return hz / 100.0 / 10000.0;
}

} // namespace zt46
