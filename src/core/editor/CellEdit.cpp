#include "core/editor/CellEdit.h"

#include <algorithm>
#include <cctype>

#include "core/editor/EditTexts.h"
#include "core/image/ValueTexts.h"
#include "core/util/Frequency.h"
#include "core/util/TextFormat.h"
#include "core/util/UserPrompts.h"

namespace zt46 {
namespace {

constexpr int kFlagOfColumn[kGridColumnCount] = {-1, 0, 1, 2, 2, 3, 3, 4, 5, 6, 7};
constexpr const char* kHeaderBottom[kGridColumnCount] = {"Chn", "Mode", "TAG", "Receive", "Transmit", "AM",
                                                         "FM",  "Sft",  "Alp", "SC",      "split"};
constexpr const char* kHeaderTop[kGridColumnCount] = {"",     "",    "",    "Frequency", "Frequency", "step",
                                                      "step", "Clk", "Tag", "",          ""};

const char* Flag(int on) {
    return on ? "v" : "-";
}

} // namespace

const char* GridHeaderTop(int column) {
    return column >= 0 && column < kGridColumnCount ? kHeaderTop[column] : "";
}

const char* GridHeaderBottom(int column) {
    return column >= 0 && column < kGridColumnCount ? kHeaderBottom[column] : "";
}

std::string GridColumnName(int column) {
    const std::string top = GridHeaderTop(column);
    const std::string bottom = GridHeaderBottom(column);
    // "step" qualifies the band below it; "Frequency" says nothing "Receive" does not.
    if (top.empty() || top == "Frequency") return bottom;
    if (top == "step") return bottom + " " + top;
    return top + " " + bottom;
}

int ColumnFlagOf(int column) {
    return column >= 0 && column < kGridColumnCount ? kFlagOfColumn[column] : -1;
}

bool ColumnShown(const ColumnFlags& flags, int column) {
    const int flag = ColumnFlagOf(column);
    return flag < 0 ? column == kColChn : flags[static_cast<std::size_t>(flag)] == 1;
}

ColumnMask CellsToRewrite(int column) {
    switch (column) {
    case kColChn:
        return kAllColumns;
    case kColTag:
        return ColumnBit(kColTag);
    case kColReceive:
        return ColumnBit(kColMode) | ColumnBit(kColReceive) | ColumnBit(kColAmStep) | ColumnBit(kColFmStep) |
               ColumnBit(kColTransmit) | ColumnBit(kColSplit);
    case kColTransmit:
        return ColumnBit(kColTransmit);
    case kColAmStep:
    case kColFmStep:
        return ColumnBit(kColAmStep) | ColumnBit(kColFmStep) | ColumnBit(kColReceive) |
               ColumnBit(kColTransmit);
    case kColClockShift:
    case kColTagAlp:
    case kColScan:
        return ColumnBit(column);
    case kColSplit:
        return ColumnBit(kColSplit) | ColumnBit(kColTransmit);
    default:
        return 0;
    }
}

bool SplitAllowed(const ChannelEntry& entry) {
    return entry.Mode != kModeWx && SplitAllowedAt(entry.RxHz);
}

void ApplyAmStep(ChannelEntry& entry, const BandContext& band, int amStep) {
    entry.AmStep = std::clamp(amStep, 0, 1);
    ApplyAmStepGrids(entry);
    SnapEntryReceive(entry, band); // the step never changes the mode
    if (entry.Split == 1) SnapEntryTransmit(entry, band);
}

void ApplyFmStep(ChannelEntry& entry, const BandContext& band, int fmStep) {
    entry.FmStep = std::clamp(fmStep, 0, 6);
    ApplyFmStepGrid(entry);
    SnapEntryReceive(entry, band);
}

void ApplySplit(ChannelEntry& entry, const BandContext& band, int split) {
    const bool switchedOn = entry.Split != 1 && split == 1;
    entry.Split = split;
    if (switchedOn) SnapEntryTransmit(entry, band);
}

std::string CellEdit::CellText(int index, int column) const {
    const ChannelEntry& e = m_table.Entry(index);
    const bool weather = WeatherShown();
    switch (column) {
    case kColChn:
        return Format("%d", ChannelTable::NumberInGroup(index));
    case kColMode:
        return ModeText(e.Mode);
    case kColTag:
        return Format("%-8.8s", e.TagForDisplay().c_str());
    case kColReceive:
        return Format("%7.3f", e.RxDisplay);
    case kColTransmit:
        return e.Split == 1 ? Format("%7.3f", e.TxDisplay) : std::string("-------");
    case kColAmStep:
        if (e.Mode == kModeAm || (e.Mode == 3 && !weather)) return texts::Pick(texts::kAmStep, e.AmStep);
        return "----";
    case kColFmStep:
        if (e.Mode == kModeAm) return "----";
        return texts::Pick(texts::kFmStep, e.FmStep);
    case kColClockShift:
        return Flag(e.ClockShift == 0); // stored inverted: 0 is on
    case kColTagAlp:
        return Flag(e.TagDisplay);
    case kColScan:
        return Flag(e.Scan);
    case kColSplit:
        return texts::Pick(texts::kSplit, e.Split != 0 ? 1 : 0);
    default:
        return {};
    }
}

CellChange CellEdit::Refuse(bool beep) {
    if (beep) m_prompts.Beep();
    return {};
}

std::optional<std::string> CellEdit::TextForEdit(int index, int column, std::string* reason) {
    const ChannelEntry& e = Entry(index);
    if (column != kColChn && e.Masked) {
        if (reason) *reason = NotInUseReason(index);
        return std::nullopt;
    }
    if (WeatherShown()) {
        m_prompts.Beep();
        return std::nullopt;
    }
    if (column != kColTag && column != kColReceive && column != kColTransmit) return std::nullopt;
    if (column == kColTransmit && e.Split != 1) return std::nullopt;
    return CellText(index, column);
}

CellChange CellEdit::ToggleCell(int index, int column, StepPicker& picker) {
    ChannelEntry& e = Entry(index);
    if (column != kColChn && e.Masked) return CellChange{false, 0, NotInUseReason(index), {}};
    if (WeatherShown()) {
        if (column != kColScan) return Refuse(true);
        e.Scan = e.Scan ? 0 : 1;
        return Changed(column);
    }
    switch (column) {
    case kColChn: {
        // The first MR and the first Book channel can never be masked: the radio needs one of each.
        const bool keep = !e.Masked && (index == 0 || index == kFirstBookIndex);
        if (keep) return CellChange{true, 0, StaysInUseReason(index), {}};
        e.Masked = e.Masked ? 0 : 1;
        return Changed(column);
    }
    case kColMode:
        // The mode follows the frequency; the beep says so.
        m_prompts.Beep();
        return {};
    case kColAmStep:
    case kColFmStep: {
        const bool am = column == kColAmStep;
        if (e.Mode != (am ? kModeAm : kModeFm)) return Refuse(true);
        const int current = am ? e.AmStep : e.FmStep;
        const int chosen = picker.PickStep(column, current).value_or(current);
        // Whatever the picker's result, the unit flags and the frequencies are brought in line again.
        if (am) {
            ApplyAmStep(e, m_band, chosen);
        } else {
            ApplyFmStep(e, m_band, chosen);
        }
        return Changed(column);
    }
    case kColClockShift:
        e.ClockShift = e.ClockShift ? 0 : 1;
        return Changed(column);
    case kColTagAlp:
        e.TagDisplay = e.TagDisplay ? 0 : 1;
        return Changed(column);
    case kColScan:
        e.Scan = e.Scan ? 0 : 1;
        return Changed(column);
    case kColSplit:
        if (!SplitAllowed(e)) return Refuse(true);
        ApplySplit(e, m_band, e.Split == 1 ? 0 : 1);
        return Changed(column);
    default:
        return {};
    }
}

CellChange CellEdit::SetCellText(int index, int column, std::string_view text) {
    ChannelEntry& e = Entry(index);
    switch (column) {
    case kColTag: {
        // The radio's character set has capitals only: a small letter would be stored as an unknown code.
        std::string upper(text);
        for (char& c : upper)
            c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
        e.SetTagText(upper);
        return Changed(column);
    }
    case kColReceive: {
        const std::int32_t typedHz = MHzTextToHz(text);
        const std::int32_t meantHz = MeantReceiveHz(e, m_band, typedHz);
        double mhz = HzToMHz(meantHz);
        const BandFit fit = ReceiveFit(m_band, mhz);
        const int mode = SnapReceiveFrequency(e, m_band, mhz, e.RxDisplay);
        e.RxHz = MHzToHz(mhz);
        if (mode == e.Mode) {
            if ((e.Mode == kModeAm && e.RxHz > kSplitHighHz) || e.RxHz < kSplitLowHz) e.Split = 0;
        } else {
            e.Mode = mode;
            ResetForMode(e, m_band);
        }
        CellChange done = Changed(column);
        done.reason = FrequencyReason(text, fit, typedHz, meantHz, e.RxHz, e.RxDisplay, StepName(e));
        return done;
    }
    case kColTransmit: {
        if (e.Mode != kModeAm || e.Split != 1) return Refuse(true);
        e.TxGrid833 = e.RxGrid833;
        const std::int32_t typedHz = MHzTextToHz(text);
        const std::int32_t meantHz = MeantTransmitHz(e, typedHz);
        double mhz = HzToMHz(meantHz);
        const BandFit fit = TransmitFit(m_band, mhz);
        SnapTransmitFrequency(e, m_band, mhz, e.TxDisplay);
        e.TxHz = MHzToHz(mhz);
        CellChange done = Changed(column);
        done.reason = FrequencyReason(text, fit, typedHz, meantHz, e.TxHz, e.TxDisplay, StepName(e));
        return done;
    }
    default:
        return {};
    }
}

CellChange CellEdit::CommitEdit(int index, int column, std::string_view text, std::string_view textAtStart) {
    if (text == textAtStart && (column == kColTag || column == kColReceive || column == kColTransmit)) {
        return CellChange{true, CellsToRewrite(column), {}, {}};
    }
    return SetCellText(index, column, text);
}

} // namespace zt46
