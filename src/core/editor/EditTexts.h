#pragma once
// What the user reads about a change: the names of channels and cells in the labels of the undo
// history, and why a typed character was refused or a committed value came out different. The rules
// return these texts with their results; the widgets only show them.

#include <cstdint>
#include <string>
#include <string_view>

#include "core/editor/ChannelEntry.h"
#include "core/editor/FrequencyRules.h"
#include "core/editor/InputFilters.h"

namespace zt46 {

// The labels of the dialogs' changes.
inline constexpr const char* kSystemSettingsLabel = "System settings";
inline constexpr const char* kCommonSettingsLabel = "Common settings";
inline constexpr const char* kVfoSettingsLabel = "VFO settings";
inline constexpr const char* kImageBytesLabel = "Image bytes";
inline constexpr const char* kAlignmentValuesLabel = "Alignment values";

// "MR 12", "Book MR 3", "Weather 1".
std::string ChannelName(int index);
// "Receive of MR 12", "Use of MR 5" (the "Chn" column: in use or not).
std::string CellLabel(int index, int column);
// "Paste MR 3 onto MR 7".
std::string ChannelPasteLabel(int source, int destination);

// The character filter of a text column (TAG; Receive and Transmit).
EditFilter ColumnFilter(int column);
// What a text column takes: "Receive takes digits and a point".
std::string CharacterRule(int column);
// "TAG takes at most 8 characters".
std::string LengthRule(int column, int length);
// "MR 5 is not in use: Space or a double click on its number puts it in use".
std::string NotInUseReason(int index);
// "MR 1 stays in use: the radio needs one MR and one Book channel in use".
std::string StaysInUseReason(int index);

// The step a frequency of the entry is snapped to: "8.33k", "25k", "12.5k".
std::string StepName(const ChannelEntry& entry);
// Why a committed frequency is not what was typed, or empty when it is: "500 is above the band:
// 136.975", "143.99 is between the bands: 143.975", "118.013 lies between 25k channels: 118.025".
// `meantHz` is what the text stands for (an 8.33 kHz channel name stands for its channel), `storedHz`
// and `shown` what the channel took.
std::string FrequencyReason(std::string_view typed, BandFit fit, std::int32_t typedHz, std::int32_t meantHz,
                            std::int32_t storedHz, double shown, std::string_view step);
// Why a typed number was clamped to its range (limits with one decimal), or empty: "-20 is below the
// range: -12.7".
std::string RangeReason(std::string_view typed, double value, double low, double high);

} // namespace zt46
