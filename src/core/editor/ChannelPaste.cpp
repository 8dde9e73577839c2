#include "core/editor/ChannelPaste.h"

#include <algorithm>
#include <cctype>

#include "core/editor/EditTexts.h"
#include "core/editor/InputFilters.h"
#include "core/image/ValueTexts.h"
#include "core/util/Messages.h"
#include "core/util/TextFormat.h"
#include "core/util/UserPrompts.h"

namespace zt46 {
namespace {

// The index of the text in the list (exact, case-sensitive), or -1.
template <std::size_t N> int IndexIn(const std::array<std::string_view, N>& list, std::string_view text) {
    const auto it = std::find(list.begin(), list.end(), text);
    return it == list.end() ? -1 : static_cast<int>(it - list.begin());
}

bool AllAccepted(std::string_view text, EditFilter filter) {
    return std::all_of(text.begin(), text.end(),
                       [filter](char c) { return FilterAccepts(filter, static_cast<unsigned char>(c)); });
}

constexpr std::array<std::string_view, 2> kClockShiftTexts{"v", "-"};
constexpr std::array<std::string_view, 2> kFlagTexts{"-", "v"};

} // namespace

std::string ChannelClipText(int index) {
    return Format("%d", index + 1);
}

std::string CellsClipText(const std::vector<std::vector<std::string>>& rows) {
    std::string out;
    for (std::size_t r = 0; r < rows.size(); ++r) {
        if (r > 0) out += '\r';
        for (std::size_t c = 0; c < rows[r].size(); ++c) {
            if (c > 0) out += '\t';
            out += rows[r][c];
        }
    }
    return out;
}

std::string ChannelLabel(int index) {
    return Format("%s:Ch %d", ChannelTable::GroupName(ChannelTable::GroupOf(index)),
                  ChannelTable::NumberInGroup(index));
}

CellChange ChannelPaste::Fail(std::string reason) {
    m_prompts.Beep();
    return CellChange{false, 0, std::move(reason), {}};
}

CellChange ChannelPaste::PasteIntoCell(int index, int column, std::string_view text) {
    ChannelEntry& e = m_table.Entry(index);
    CellChange done{true, CellsToRewrite(column), {}, {}};
    if (column != kColChn && e.Masked) return Fail(NotInUseReason(index));

    if (m_table.CurrentGroup() == kGroupWeather) {
        const int scan = IndexIn(kFlagTexts, text);
        if (column != kColScan || scan < 0) return Fail();
        e.Scan = scan;
        return done;
    }

    CellEdit cells(m_table, m_band, m_prompts);
    switch (column) {
    case kColChn:
        return PasteChannel(index, text);
    case kColTag:
        if (!AllAccepted(text, EditFilter::Tag)) return Fail(CharacterRule(column));
        if (CharCount(text) > 8) return Fail(LengthRule(column, 8));
        cells.SetCellText(index, column, text);
        return done;
    case kColReceive:
    case kColTransmit:
        if (!AllAccepted(text, EditFilter::Frequency)) return Fail(CharacterRule(column));
        if (text.size() > 7) return Fail(LengthRule(column, 7));
        // A transmit frequency for a channel that is not split beeps there, yet the paste went through.
        done.reason = cells.SetCellText(index, column, text).reason;
        return done;
    case kColAmStep: {
        const int step = IndexIn(texts::kAmStep, text);
        if (e.Mode != kModeAm || step < 0) return Fail();
        ApplyAmStep(e, m_band, step);
        return done;
    }
    case kColFmStep: {
        const int step = IndexIn(texts::kFmStep, text);
        if (e.Mode != kModeFm || step < 0) return Fail();
        ApplyFmStep(e, m_band, step);
        return done;
    }
    case kColClockShift:
    case kColTagAlp:
    case kColScan: {
        const int value = IndexIn(column == kColClockShift ? kClockShiftTexts : kFlagTexts, text);
        if (value < 0) return Fail();
        (column == kColClockShift ? e.ClockShift : column == kColTagAlp ? e.TagDisplay : e.Scan) = value;
        return done;
    }
    case kColSplit: {
        const int split = IndexIn(texts::kSplit, text);
        if (split < 0 || !SplitAllowed(e)) return Fail();
        ApplySplit(e, m_band, split);
        return done;
    }
    default:
        return Fail();
    }
}

CellChange ChannelPaste::PasteChannel(int index, std::string_view text) {
    const std::int64_t n = LeadingInteger(text);
    if (n == 0 || text.find('.') != text.npos) return Fail();
    const long source = n - 1;
    if (source < 0 || source >= kChannelCount || source == index) return Fail();
    const int from = static_cast<int>(source);
    CellChange done{true, kAllColumns, {}, ChannelPasteLabel(from, index)};
    if (MessageById(m_prompts, IDS_COPY_CHANNEL, Buttons::YesNo, Icon::Question, ChannelLabel(from),
                    ChannelLabel(index)) == Answer::Yes) {
        done.reason = CopyChannelColumns(from, index);
    }
    // Answered Yes or No, the paste counts as done.
    return done;
}

std::string ChannelPaste::CopyChannelColumns(int source, int destination) {
    const ChannelEntry& from = m_table.Entry(source);
    ChannelEntry& to = m_table.Entry(destination);
    if (m_table.CurrentGroup() == kGroupWeather || to.Mode == kModeWx) return {};
    const auto visible = [this](int flag) { return m_flags[static_cast<std::size_t>(flag)] == 1; };
    std::string reason;
    if (from.Masked && !to.Masked && (destination == 0 || destination == kFirstBookIndex)) {
        reason = StaysInUseReason(destination);
    } else {
        to.Masked = from.Masked;
    }
    if (visible(1)) {
        to.Tag = from.Tag;
        to.TagCodes = from.TagCodes;
    }
    if (visible(2)) {
        // The mode travels with the frequency, whether or not its column is shown.
        to.Mode = from.Mode;
        to.AmStep = from.AmStep;
        to.FmStep = from.FmStep;
        to.RxGrid833 = from.RxGrid833;
        to.RxGrid625Fm = from.RxGrid625Fm;
        to.TxGrid833 = from.TxGrid833;
        to.RxHz = from.RxHz;
        to.TxHz = from.TxHz;
        to.RxDisplay = from.RxDisplay;
        to.TxDisplay = from.TxDisplay;
    }
    if (visible(3)) {
        to.AmStep = from.AmStep;
        to.FmStep = from.FmStep;
    }
    if (visible(4)) to.ClockShift = from.ClockShift;
    if (visible(5)) to.TagDisplay = from.TagDisplay;
    if (visible(6)) to.Scan = from.Scan;
    // A split is taken over only where the destination's receive frequency allows one, so a copy never
    // leaves a split channel outside the split band.
    if (visible(7)) ApplySplit(to, m_band, from.Split == 1 && SplitAllowed(to) ? 1 : 0);
    return reason;
}

} // namespace zt46
