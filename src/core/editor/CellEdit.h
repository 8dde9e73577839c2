#pragma once
// The rules of the channel grid's cells: what each cell shows, what Space or a double click does to it,
// which cells can be edited as text and what a committed text does. Each operation changes the
// ChannelEntry at once and reports what to redraw and why a value was refused or changed; whether the
// document changed is for the change record around it (ChangeScope) to find out.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "core/editor/ChannelTable.h"
#include "core/editor/FrequencyRules.h"

namespace zt46 {

class UserPrompts;

// Grid columns.
constexpr int kColChn = 0;
constexpr int kColMode = 1;
constexpr int kColTag = 2;
constexpr int kColReceive = 3;
constexpr int kColTransmit = 4;
constexpr int kColAmStep = 5;
constexpr int kColFmStep = 6;
constexpr int kColClockShift = 7;
constexpr int kColTagAlp = 8;
constexpr int kColScan = 9;
constexpr int kColSplit = 10;
constexpr int kGridColumnCount = 11;

// The grid's two header rows over a column ("Frequency" over "Receive"; an empty upper row), and the name
// a column goes by in other texts ("Receive", "AM step", "Clk Sft").
const char* GridHeaderTop(int column);
const char* GridHeaderBottom(int column);
std::string GridColumnName(int column);

// One bit per grid column.
using ColumnMask = std::uint16_t;
constexpr ColumnMask ColumnBit(int column) {
    return static_cast<ColumnMask>(1u << column);
}
constexpr ColumnMask kAllColumns = (1u << kGridColumnCount) - 1;

// The eight optional-column flags of View > Item (ITEM0..ITEM7): Mode, TAG, Frequency, STEP, Clock Shift,
// TAG(Alfanumeric), SCAN, Split.
constexpr int kColumnFlagCount = 8;
using ColumnFlags = std::array<int, kColumnFlagCount>;
// The flag that shows a grid column; -1 for "Chn", which is always shown.
int ColumnFlagOf(int column);
// A column is shown only when its flag is exactly 1.
bool ColumnShown(const ColumnFlags& flags, int column);

// The cells of a row to redraw after a change of one column (column 0 recolours the whole row).
ColumnMask CellsToRewrite(int column);

// What an operation did.
struct CellChange {
    bool accepted = false;  // false: refused (with or without a beep); nothing changed
    ColumnMask rewrite = 0; // cells of the entry's row to redraw
    std::string reason;     // why a value was refused or came out different (for the status bar)
    std::string label;      // the change's own label, when the cell's label does not say it
};

// The AM and FM step lists, asked when Space or a double click lands on a step cell.
class StepPicker {
public:
    virtual ~StepPicker() = default;
    // `column` is kColAmStep or kColFmStep; nullopt when the user cancels.
    virtual std::optional<int> PickStep(int column, int current) = 0;
};

class CellEdit {
public:
    CellEdit(ChannelTable& table, const BandContext& band, UserPrompts& prompts)
        : m_table(table), m_band(band), m_prompts(prompts) {}

    // The text a grid cell shows for an entry of the current group.
    std::string CellText(int index, int column) const;

    // The text the in-place editor starts from, or nullopt when the cell cannot be edited as text:
    // a masked row (with its reason), the Weather group (with a beep), a column other than TAG, Receive
    // and Transmit, the Transmit cell of a simplex channel.
    std::optional<std::string> TextForEdit(int index, int column, std::string* reason = nullptr);

    // Space or a double click on a cell that is not edited as text.
    CellChange ToggleCell(int index, int column, StepPicker& picker);

    // A typed or pasted text for TAG, Receive or Transmit. No value is refused: frequencies are clamped
    // to their band and snapped to their raster (the reason says so). On a channel with the 8.33k step a
    // channel name ("118.005") is that channel.
    CellChange SetCellText(int index, int column, std::string_view text);

    // The end of an in-place edit. A text equal to the one the edit began with leaves the channel as it
    // was.
    CellChange CommitEdit(int index, int column, std::string_view text, std::string_view textAtStart);

private:
    ChannelEntry& Entry(int index) { return m_table.Entry(index); }
    bool WeatherShown() const { return m_table.CurrentGroup() == kGroupWeather; }
    CellChange Refuse(bool beep);
    CellChange Changed(int column) const { return CellChange{true, CellsToRewrite(column), {}, {}}; }

    ChannelTable& m_table;
    BandContext m_band;
    UserPrompts& m_prompts;
};

// A step cell's new index, with the unit flags and the re-snapped frequencies that go with it.
void ApplyAmStep(ChannelEntry& entry, const BandContext& band, int amStep);
void ApplyFmStep(ChannelEntry& entry, const BandContext& band, int fmStep);
// Switches the split on or off; switching on snaps the transmit frequency into the transmit band.
void ApplySplit(ChannelEntry& entry, const BandContext& band, int split);
// Whether the channel may be split at all (not WX, receive frequency in 108.000 .. 117.975 MHz).
bool SplitAllowed(const ChannelEntry& entry);

} // namespace zt46
