#pragma once
// Exact conversion between megahertz and whole hertz. The conversions go through decimal text so that
// a typed 118.5 becomes exactly 118500000 Hz, never 118499999.

#include <cstdint>
#include <string_view>

namespace zt46 {

constexpr std::int32_t kInvalidHz = 1000000000;

// Whole hertz from a text of megahertz ("118.5", "12"); kInvalidHz when the text has four or more
// characters and no point among its first four.
std::int32_t MHzTextToHz(std::string_view text);
// Whole hertz from megahertz, through the text "%f" of the value.
std::int32_t MHzToHz(double mhz);
// MHzToHz the slow way, through the text itself (kept to check the exact version against).
std::int32_t MHzToHzByText(double mhz);
// Megahertz: the hertz divided by 100.0 and then by 10000.0.
double HzToMHz(std::int32_t hz);

} // namespace zt46
