#include "exchange/ImportPreview.h"

#include "core/util/TextFormat.h"
#include "exchange/TextDecoding.h"

namespace zt46 {
namespace {

// The text cut to at most `width` characters and padded to exactly that many.
std::string Cell(std::string_view text, std::size_t width) {
    std::string cut;
    std::size_t pos = 0, count = 0;
    while (pos < text.size() && count < width) {
        std::size_t length = 0;
        NextCodePoint(text, pos, length);
        cut.append(text.substr(pos, length));
        pos += length;
        ++count;
    }
    return PadRight(cut, width);
}

struct PreviewColumn {
    const char* title;
    std::size_t width;
    int gridColumn; // -1: not a grid cell
};

constexpr PreviewColumn kGridColumns[] = {
    {"Mode", 4, kColMode},         {"TAG", 8, kColTag},    {"Receive", 7, kColReceive},
    {"Transmit", 8, kColTransmit}, {"AM", 5, kColAmStep},  {"FM", 5, kColFmStep},
    {"Sft", 3, kColClockShift},    {"Alp", 3, kColTagAlp}, {"SC", 3, kColScan},
    {"split", 7, kColSplit},
};
constexpr std::size_t kLineWidth = 5;
constexpr std::size_t kNameWidth = 12;
constexpr std::size_t kFrequencyWidth = 11;
constexpr std::size_t kChannelWidth = 8;

std::string TrimEnd(std::string text) {
    text.erase(text.find_last_not_of(' ') + 1);
    return text;
}

} // namespace

std::string RefusalReason(const PlannedRow& row) {
    if (row.Accepted()) return {};
    std::string reason = RefusalText(row.refusal);
    if (!row.refusalDetail.empty()) reason += " (" + row.refusalDetail + ")";
    return reason;
}

std::string OutcomeText(const PlannedRow& row) {
    std::string text;
    switch (row.outcome) {
    case RowOutcome::Taken:
        text = "taken";
        break;
    case RowOutcome::Replaces:
        text = "replaces";
        break;
    case RowOutcome::Unchanged:
        text = "unchanged";
        break;
    case RowOutcome::Refused:
        return "refused: " + RefusalReason(row);
    }
    if (row.masked) text += ", masked";
    for (const std::string& note : row.notes)
        text += "; " + note;
    return text;
}

std::string PlanSummary(const ImportPlan& plan) {
    return Format("%zu rows: %d taken, %d refused", plan.rows.size(), plan.AcceptedCount(),
                  plan.RefusedCount());
}

std::string FormatPreview(const ImportPlan& plan) {
    std::string header = Format("%*s  ", static_cast<int>(kLineWidth), "Line") + Cell("Name", kNameWidth) +
                         " " + Cell("Frequency", kFrequencyWidth) + " " + Cell("Channel", kChannelWidth);
    for (const PreviewColumn& c : kGridColumns)
        header += " " + Cell(c.title, c.width);
    std::string out = TrimEnd(header + " Result") + "\n";
    for (const PlannedRow& row : plan.rows) {
        std::string line = Format("%*d  ", static_cast<int>(kLineWidth), row.line) +
                           Cell(row.listedName, kNameWidth) + " " +
                           Cell(row.listedFrequency, kFrequencyWidth) + " " +
                           Cell(row.Accepted() ? SlotName(row.index) : "-", kChannelWidth);
        for (const PreviewColumn& c : kGridColumns) {
            const std::string& cell = row.cells[static_cast<std::size_t>(c.gridColumn)];
            line += " " + Cell(row.Accepted() ? cell : std::string(), c.width);
        }
        out += line + " " + OutcomeText(row) + "\n";
    }
    return out + PlanSummary(plan) + "\n";
}

std::string FormatRefusals(const ImportPlan& plan) {
    std::string out;
    for (const PlannedRow& row : plan.rows) {
        if (!row.Accepted()) out += Format("line %d: %s\n", row.line, RefusalReason(row).c_str());
    }
    return out;
}

} // namespace zt46
