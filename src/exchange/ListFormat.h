#pragma once
// The kinds of channel list the program reads and writes, their header names, and how a header tells
// which kind a list is.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zt46 {

enum class ListFormat {
    Zt46,     // this program's own list: every column of the grid, the group, the channel, the mask
    Generic,  // the generic channel list of the common multi-radio programming tool
    Airports, // a public airport-frequency data set (read only)
};

// "zt46", "generic", "airports".
const char* ListFormatName(ListFormat format);
// The format of a name (any letter case); nullopt for any other text ("auto" included).
std::optional<ListFormat> ListFormatFromName(std::string_view name);

// This program's list: the columns of the grid under their header names, with the group (MR, Book or
// WX), the channel number within the group and whether the channel is masked.
inline constexpr int kZt46Group = 0;
inline constexpr int kZt46Channel = 1;
inline constexpr int kZt46Masked = 2;
inline constexpr int kZt46Mode = 3;
inline constexpr int kZt46Tag = 4;
inline constexpr int kZt46Receive = 5;
inline constexpr int kZt46Transmit = 6;
inline constexpr int kZt46AmStep = 7;
inline constexpr int kZt46FmStep = 8;
inline constexpr int kZt46ClockShift = 9;
inline constexpr int kZt46TagDisplay = 10;
inline constexpr int kZt46Scan = 11;
inline constexpr int kZt46Split = 12;
inline constexpr int kZt46ColumnCount = 13;
inline constexpr const char* kZt46Header[kZt46ColumnCount] = {
    "Group",   "Channel", "Masked",      "Mode",        "Tag",  "Receive", "Transmit",
    "AM Step", "FM Step", "Clock Shift", "Tag Display", "Scan", "Split"};

// The generic list's full header, in the order that tool writes it.
inline constexpr int kGenericColumnCount = 21;
inline constexpr const char* kGenericHeader[kGenericColumnCount] = {
    "Location",  "Name",     "Frequency",    "Duplex",     "Offset",    "Tone",     "rToneFreq",
    "cToneFreq", "DtcsCode", "DtcsPolarity", "RxDtcsCode", "CrossMode", "Mode",     "TStep",
    "Skip",      "Power",    "Comment",      "URCALL",     "RPT1CALL",  "RPT2CALL", "DVCODE"};

// The columns of the public airport-frequency list.
inline constexpr int kAirportColumnCount = 6;
inline constexpr const char* kAirportHeader[kAirportColumnCount] = {"id",   "airport_ref", "airport_ident",
                                                                    "type", "description", "frequency_mhz"};

// How this program's list writes the groups in its "Group" column: "MR", "Book", "WX".
const char* GroupListName(int group);
// The group of such a name (any letter case); nullopt for any other text.
std::optional<int> GroupFromListName(std::string_view name);

// The column without which a list of the format holds no channel.
const char* FrequencyColumnOf(ListFormat format);

// The format a header names: an airport list by its airport and frequency columns, this program's list by
// its "Receive" column, the generic list by "Frequency"; nullopt when the header has none of them.
std::optional<ListFormat> DetectListFormat(const std::vector<std::string>& header);

} // namespace zt46
