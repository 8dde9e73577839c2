#pragma once
// The values of a list's cells: frequencies in megahertz, 8.33 kHz channel names, tags, flags and numbers.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace zt46 {

// Whole hertz from a number of megahertz ("118.5", "121.775"): digits with at most one decimal mark,
// which is '.' or, in a list whose separator is not the comma, also ','. Decimals beyond the sixth round
// to the nearest hertz. nullopt when the text is not such a number (an empty text included).
std::optional<std::int64_t> ParseMHz(std::string_view text, bool commaIsDecimal);
// Whole hertz as megahertz with six decimals ("118.008333").
std::string HzText(std::int64_t hz);

// The frequency an 8.33 kHz channel name stands for: a name is its 25 kHz block plus 5, 10 or 15 kHz and
// names the block's first, second or third 8.33 kHz channel (118.005 is 118.000000 MHz, 118.010 is
// 118.008333, 118.015 is 118.016666). nullopt for any other value, a 25 kHz channel (118.025) included,
// and outside the airband. The editor's ChannelOfName833, kept to the airband.
std::optional<std::int64_t> ChannelNameHz(std::int64_t hz);
// The 8.33 kHz channel a value stands for when it lies within 500 Hz of one that is no 25 kHz channel as
// well (118.008330 and 118.0083 are 118.008333); nullopt otherwise.
std::optional<std::int64_t> Nearest833Hz(std::int64_t hz);

// A tag as the grid makes one from UTF-8 text: letters raised to capitals, cut to 8 characters, and a
// character outside the radio's set (the tag filter of the grid's editor) a blank.
std::string MakeTag(std::string_view utf8);

// A yes/no cell: "v", "yes", "y", "1", "true", "on" or "-", "no", "n", "0", "false", "off" (any case).
std::optional<bool> ParseFlag(std::string_view text);
// A whole decimal number with an optional sign.
std::optional<long> ParseInteger(std::string_view text);

} // namespace zt46
