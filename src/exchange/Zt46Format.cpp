#include "exchange/Zt46Format.h"

#include "core/image/ValueTexts.h"
#include "exchange/CsvWriter.h"
#include "exchange/GridView.h"
#include "exchange/ListCells.h"
#include "exchange/ListValues.h"

namespace zt46 {
namespace {

// The grid writes "----" in the step cell that does not apply and "-------" for the transmit frequency
// of a simplex channel: such a cell sets nothing.
bool NotApplicable(std::string_view text) {
    return !text.empty() && text.find_first_not_of('-') == std::string_view::npos;
}

// The index of a text in one of the grid's lists ("8.33k", "25k" / "5k" .. "50k"); a step's "k" may be
// left out.
template <std::size_t N>
std::optional<int> TextIndex(std::string_view text, const std::array<std::string_view, N>& texts) {
    for (std::size_t i = 0; i < N; ++i) {
        const std::string_view t = texts[i];
        if (SameName(text, t) || (t.back() == 'k' && SameName(text, t.substr(0, t.size() - 1)))) {
            return static_cast<int>(i);
        }
    }
    return std::nullopt;
}

std::optional<int> ModeFromText(std::string_view text) {
    for (int mode : {kModeAm, kModeFm, kModeWx}) {
        if (SameName(text, ModeText(mode))) return mode;
    }
    return std::nullopt;
}

void ReadSlot(ListCells& cells, const CsvRow& r, ListRow& row) {
    const std::string_view groupText = cells.Get(r, kZt46Group);
    const std::string_view numberText = cells.Get(r, kZt46Channel);
    if (groupText.empty() && numberText.empty()) return;
    const auto group = GroupFromListName(groupText);
    if (!group) return cells.Bad(r, kZt46Group, "not MR, Book or WX: \"" + std::string(groupText) + "\"");
    const auto number = ParseInteger(numberText);
    if (!number)
        return cells.Bad(r, kZt46Channel, "not a channel number: \"" + std::string(numberText) + "\"");
    if (*number < 1 || *number > ChannelTable::GroupSize(*group)) {
        row.refusal = RowRefusal::NoSuchChannel;
        row.refusalDetail = std::string(GroupListName(*group)) + " " + std::to_string(*number);
        return;
    }
    row.index = ChannelTable::GroupStart(*group) + static_cast<int>(*number) - 1;
}

// A frequency as the grid shows it: with the 8.33k step (or none given), a channel name stands for its
// channel.
std::optional<std::int64_t> ShownFrequency(ListCells& cells, const CsvRow& r, int name, ListRow& row) {
    auto hz = cells.MHz(r, name);
    if (hz && row.amStep.value_or(0) == 0) {
        if (const auto named = ChannelNameHz(*hz)) {
            hz = named;
            row.amStep = 0;
        }
    }
    return hz;
}

} // namespace

ListResult<std::vector<ListRow>> ReadZt46Rows(const CsvTable& table) {
    ListCells cells(table, kZt46Header, kZt46ColumnCount);
    return cells.ReadRows([&](const CsvRow& r, ListRow& row) {
        row.listedName = std::string(cells.Raw(r, kZt46Tag));
        row.listedFrequency = std::string(cells.Get(r, kZt46Receive));
        ReadSlot(cells, r, row);
        row.masked = cells.Flag(r, kZt46Masked);

        const std::string_view mode = cells.Get(r, kZt46Mode);
        if (!mode.empty()) {
            row.listedMode = ModeFromText(mode);
            if (!row.listedMode) cells.Bad(r, kZt46Mode, "not AM, FM or WX: \"" + std::string(mode) + "\"");
        }
        if (cells.Has(kZt46Tag)) row.tag = MakeTag(cells.Raw(r, kZt46Tag));

        const std::string_view am = cells.Get(r, kZt46AmStep);
        if (!am.empty() && !NotApplicable(am)) {
            row.amStep = TextIndex(am, texts::kAmStep);
            if (!row.amStep) cells.Bad(r, kZt46AmStep, "not 8.33k or 25k: \"" + std::string(am) + "\"");
        }
        const std::string_view fm = cells.Get(r, kZt46FmStep);
        if (!fm.empty() && !NotApplicable(fm)) {
            row.fmStep = TextIndex(fm, texts::kFmStep);
            if (!row.fmStep)
                cells.Bad(r, kZt46FmStep, "not an FM step (5k .. 50k): \"" + std::string(fm) + "\"");
        }

        row.rxHz = ShownFrequency(cells, r, kZt46Receive, row);
        if (!NotApplicable(cells.Get(r, kZt46Transmit)))
            row.txHz = ShownFrequency(cells, r, kZt46Transmit, row);
        const std::string_view split = cells.Get(r, kZt46Split);
        if (!split.empty()) {
            const auto index = TextIndex(split, texts::kSplit);
            if (!index) cells.Bad(r, kZt46Split, "not Simplex or Split: \"" + std::string(split) + "\"");
            row.split = index == 1;
        } else if (row.txHz) {
            row.split = true; // a transmit frequency makes no sense without the split
        }
        row.clockShift = cells.Flag(r, kZt46ClockShift);
        row.tagDisplay = cells.Flag(r, kZt46TagDisplay);
        row.scan = cells.Flag(r, kZt46Scan);
    });
}

std::string WriteZt46List(const ChannelTable& source, const BandContext& band) {
    ChannelTable table = source; // the copy's shown group moves; the document's grid keeps its own
    std::string out = CsvLine(std::vector<std::string>(std::begin(kZt46Header), std::end(kZt46Header)));
    for (int index = 0; index < kChannelCount; ++index) {
        const GridRowTexts cells = GridTexts(table, band, index);
        std::string tag = cells[kColTag];
        tag.erase(tag.find_last_not_of(' ') + 1);
        out += CsvLine({GroupListName(ChannelTable::GroupOf(index)), cells[kColChn],
                        table.Entry(index).Masked ? "yes" : "no", cells[kColMode], tag, cells[kColReceive],
                        cells[kColTransmit], cells[kColAmStep], cells[kColFmStep], cells[kColClockShift],
                        cells[kColTagAlp], cells[kColScan], cells[kColSplit]});
    }
    return out;
}

} // namespace zt46
