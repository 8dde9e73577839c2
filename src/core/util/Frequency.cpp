#include "core/util/Frequency.h"

#include "core/util/TextFormat.h"

#include <algorithm>
#include <bit>
#include <cctype>
#include <charconv>
#include <cmath>
#include <limits>
#include <string>

namespace zt46 {
namespace {

// Saturates at the limits of a 32-bit integer instead of overflowing.
std::int32_t LeadingInt32(std::string_view text) {
    const std::int64_t value = LeadingInteger(text);
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(value, std::numeric_limits<std::int32_t>::min(),
                                                              std::numeric_limits<std::int32_t>::max()));
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
    return LeadingInt32(digits);
}

std::int32_t MHzToHzByText(double mhz) {
    // "%f" of the value, without the locale's say in the decimal point.
    char text[400];
    const auto result = std::to_chars(text, text + sizeof text, mhz, std::chars_format::fixed, 6);
    return static_cast<std::int32_t>(static_cast<double>(
        MHzTextToHz(std::string_view(text, static_cast<std::size_t>(result.ptr - text)))));
}

std::int32_t MHzToHz(double mhz) {
    // The same result as going through the text "%f", computed exactly: the text holds the value times a
    // million rounded to the nearest integer (ties to even), and is accepted when its part before the
    // point, sign included, has at most three characters. Every channel load and store runs this.
    if (!std::isfinite(mhz) || std::fabs(mhz) >= 1000.0) return MHzToHzByText(mhz);
    const auto bits = std::bit_cast<std::uint64_t>(mhz);
    const bool negative = (bits >> 63) != 0;
    const int biased = static_cast<int>((bits >> 52) & 0x7FF);
    if (biased == 0) return 0; // zero or subnormal: "0.000000" or "-0.000000"
    const std::uint64_t mantissa = (bits & ((std::uint64_t{1} << 52) - 1)) | (std::uint64_t{1} << 52);
    const int shift = 1075 - biased; // mhz = mantissa / 2^shift; positive because |mhz| < 1000
    const unsigned __int128 product = static_cast<unsigned __int128>(mantissa) * 1000000u;
    unsigned __int128 n = 0;
    if (shift < 120) {
        n = product >> shift;
        const unsigned __int128 rest = product - (n << shift);
        const unsigned __int128 half = static_cast<unsigned __int128>(1) << (shift - 1);
        if (rest > half || (rest == half && (n & 1))) ++n;
    }
    const auto hz = static_cast<std::int64_t>(n);
    const std::int64_t whole = hz / 1000000;
    const int digits = whole >= 100 ? 3 : whole >= 10 ? 2 : 1;
    if (digits + (negative ? 1 : 0) > 3) return kInvalidHz;
    return static_cast<std::int32_t>(negative ? -hz : hz);
}

double HzToMHz(std::int32_t hz) {
    return hz / 100.0 / 10000.0;
}

} // namespace zt46
