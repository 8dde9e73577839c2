#pragma once
// Value texts shared by the grid, the report and the dialogs.

#include <array>
#include <string>
#include <string_view>

namespace zt46::texts {

inline constexpr std::array<std::string_view, 3> kMode{"AM", "FM", "WX"};
inline constexpr std::array<std::string_view, 2> kAmStep{"8.33k", "25k"};
inline constexpr std::array<std::string_view, 7> kFmStep{"5k", "10k", "12.5k", "15k", "20k", "25k", "50k"};
inline constexpr std::array<std::string_view, 2> kSplit{"Simplex", "Split"};
inline constexpr std::array<std::string_view, 7> kLockType{"PTT Lock",
                                                           "Key Lock",
                                                           "Dial Lock",
                                                           "PTT + Key Lock",
                                                           "PTT + Dial Lock",
                                                           "Key + Dial Lock",
                                                           "PTT + Key + Dial Lock"};

// The text of a value; a value beyond its table shows as its decimal number.
template <std::size_t N> std::string Pick(const std::array<std::string_view, N>& table, int value) {
    if (value >= 0 && static_cast<std::size_t>(value) < N)
        return std::string(table[static_cast<std::size_t>(value)]);
    return std::to_string(value);
}

} // namespace zt46::texts
