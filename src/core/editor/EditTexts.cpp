#include "core/editor/EditTexts.h"

#include "core/editor/CellEdit.h"
#include "core/editor/ChannelTable.h"
#include "core/image/ValueTexts.h"
#include "core/util/Frequency.h"
#include "core/util/TextFormat.h"

namespace zt46 {
namespace {

constexpr const char* kColumnNames[kGridColumnCount] = {"Use",         "Mode",    "TAG",     "Receive",
                                                        "Transmit",    "AM step", "FM step", "Clock shift",
                                                        "TAG display", "Scan",    "Split"};

std::string_view Trimmed(std::string_view text) {
    const std::size_t first = text.find_first_not_of(' ');
    if (first == text.npos) return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

// A grid column as a change names it: "Receive", "TAG", "AM step", "Scan", ...
const char* ColumnName(int column) {
    return column >= 0 && column < kGridColumnCount ? kColumnNames[column] : "";
}

// The typed text as a reason quotes it.
std::string Quoted(std::string_view typed) {
    const std::string_view text = Trimmed(typed);
    return text.empty() ? std::string("0") : std::string(text);
}

} // namespace

std::string ChannelName(int index) {
    const int group = ChannelTable::GroupOf(index);
    // The groups as the report titles them.
    const char* name = group == kGroupMr ? "MR" : group == kGroupBook ? "Book MR" : "Weather";
    return Format("%s %d", name, ChannelTable::NumberInGroup(index));
}

std::string CellLabel(int index, int column) {
    return std::string(ColumnName(column)) + " of " + ChannelName(index);
}

std::string ChannelPasteLabel(int source, int destination) {
    return "Paste " + ChannelName(source) + " onto " + ChannelName(destination);
}

EditFilter ColumnFilter(int column) {
    return column == kColTag ? EditFilter::Tag : EditFilter::Frequency;
}

std::string CharacterRule(int column) {
    if (column == kColTag) return "TAG takes letters, digits, blanks and ( ) + = * / : - _";
    return std::string(ColumnName(column)) + " takes digits and a point";
}

std::string LengthRule(int column, int length) {
    return Format("%s takes at most %d characters", ColumnName(column), length);
}

std::string NotInUseReason(int index) {
    return ChannelName(index) + " is not in use: Space or a double click on its number puts it in use";
}

std::string StaysInUseReason(int index) {
    return ChannelName(index) + " stays in use: the radio needs one MR and one Book channel in use";
}

std::string StepName(const ChannelEntry& entry) {
    switch (ShownMode(entry.Mode)) {
    case kModeAm:
        return texts::Pick(texts::kAmStep, entry.AmStep);
    case kModeFm:
        return texts::Pick(texts::kFmStep, entry.FmStep);
    default:
        return "25k";
    }
}

std::string FrequencyReason(std::string_view typed, BandFit fit, std::int32_t typedHz, std::int32_t meantHz,
                            std::int32_t storedHz, double shown, std::string_view step) {
    const std::string result = Format("%.3f", shown);
    switch (fit) {
    case BandFit::Below:
        return Quoted(typed) + " is below the band: " + result;
    case BandFit::Above:
        return Quoted(typed) + " is above the band: " + result;
    case BandFit::Between:
        return Quoted(typed) + " is between the bands: " + result;
    case BandFit::Inside:
        break;
    }
    // A value the raster moved, unless the channel shows what was typed (12.5 kHz channels show whole
    // kilohertz: 145.012 is 145.0125).
    if (storedHz == meantHz || result == Format("%.3f", HzToMHz(typedHz))) return {};
    return Quoted(typed) + " lies between " + std::string(step) + " channels: " + result;
}

std::string RangeReason(std::string_view typed, double value, double low, double high) {
    if (value < low) return Quoted(typed) + " is below the range: " + Format("%.1f", low);
    if (value > high) return Quoted(typed) + " is above the range: " + Format("%.1f", high);
    return {};
}

} // namespace zt46
