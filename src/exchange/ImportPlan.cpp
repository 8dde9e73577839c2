#include "exchange/ImportPlan.h"

#include <algorithm>

#include "core/document/Document.h"
#include "core/util/Frequency.h"
#include "core/util/TextFormat.h"
#include "exchange/ListValues.h"

namespace zt46 {
namespace {

bool SameBands(const BandContext& a, const BandContext& b) {
    return a.WeatherBand == b.WeatherBand && a.RxExpansion == b.RxExpansion &&
           a.TxExpansion == b.TxExpansion && a.WeatherHz == b.WeatherHz;
}

class Planner {
public:
    Planner(const ChannelTable& table, const SystemSettings& system, const ImportPlacement& placement)
        : m_original(table), m_work(table), m_band(table.Bands(system)), m_placement(placement) {}

    ImportPlan Plan(const ChannelList& list);

private:
    bool NamesSlot(const ListRow& row) const { return m_placement.useListedSlots && row.index.has_value(); }
    void Precheck(const ListRow& row, PlannedRow& planned) const;
    void PlaceListed(const ListRow& row, PlannedRow& planned);
    void PlaceNext(const ListRow& row, PlannedRow& planned, int& cursor, int end);
    bool TryRow(const ListRow& row, int index, PlannedRow& planned);
    std::vector<std::string> ApplyRow(const ListRow& row, int index);

    const ChannelTable& m_original;
    ChannelTable m_work; // the table as the import leaves it, built row by row
    BandContext m_band;
    ImportPlacement m_placement;
    std::array<int, kChannelCount> m_takenBy{}; // the line of the row that took a channel; 0: none
};

void Refuse(PlannedRow& planned, RowRefusal refusal, std::string detail = {}) {
    planned.outcome = RowOutcome::Refused;
    planned.refusal = refusal;
    planned.refusalDetail = std::move(detail);
}

// Why a row can become no channel at all, whichever channel it went to.
void Planner::Precheck(const ListRow& row, PlannedRow& planned) const {
    if (row.refusal != RowRefusal::None) return Refuse(planned, row.refusal, row.refusalDetail);
    if (!row.rxHz) return Refuse(planned, RowRefusal::NoFrequency);
    const std::int64_t hz = *row.rxHz;
    if (NamesSlot(row) && ChannelTable::GroupOf(*row.index) == kGroupWeather) {
        if (hz != m_work.Entry(*row.index).RxHz)
            Refuse(planned, RowRefusal::WeatherFrequency, SlotName(*row.index));
        return;
    }
    if (hz <= 0 || hz >= kInvalidHz || !ReceiveInBand(m_band, static_cast<std::int32_t>(hz))) {
        Refuse(planned, RowRefusal::OutOfRange, row.listedFrequency);
    }
}

void Planner::PlaceListed(const ListRow& row, PlannedRow& planned) {
    const int index = *row.index;
    const int takenBy = m_takenBy[static_cast<std::size_t>(index)];
    if (takenBy != 0) {
        return Refuse(planned, RowRefusal::DuplicateSlot,
                      Format("%s, taken by line %d", SlotName(index).c_str(), takenBy));
    }
    TryRow(row, index, planned);
}

void Planner::PlaceNext(const ListRow& row, PlannedRow& planned, int& cursor, int end) {
    while (cursor < end && (m_takenBy[static_cast<std::size_t>(cursor)] != 0 ||
                            (!m_placement.replace && !m_work.Entry(cursor).Masked))) {
        ++cursor;
    }
    if (cursor >= end) return Refuse(planned, RowRefusal::GroupFull, GroupListName(m_placement.group));
    // A row refused for itself (not AM) leaves the channel to the next row.
    if (TryRow(row, cursor, planned)) ++cursor;
}

// Tries the row on the channel and keeps the result if the channel may take it.
bool Planner::TryRow(const ListRow& row, int index, PlannedRow& planned) {
    const ChannelEntry saved = m_work.Entry(index);
    std::vector<std::string> notes = ApplyRow(row, index);
    const ChannelEntry& entry = m_work.Entry(index);
    const bool changed = !(entry == saved);
    const bool inUse = !saved.Masked;
    if (row.amOnly && ShownMode(entry.Mode) != kModeAm) {
        m_work.Entry(index) = saved;
        Refuse(planned, RowRefusal::NotAm, row.listedFrequency);
        return false;
    }
    if (inUse && changed && !m_placement.replace) {
        m_work.Entry(index) = saved;
        Refuse(planned, RowRefusal::ChannelInUse, SlotName(index));
        return false;
    }
    m_takenBy[static_cast<std::size_t>(index)] = std::max(row.line, 1);
    planned.outcome = !changed ? RowOutcome::Unchanged : inUse ? RowOutcome::Replaces : RowOutcome::Taken;
    planned.index = index;
    planned.cells = GridTexts(m_work, m_band, index);
    planned.masked = entry.Masked != 0;
    planned.notes = std::move(notes);
    return true;
}

// Gives the channel the row's values the way a user would in the grid: each through the cell operation
// of its column (unmask, type the tag and the frequency, pick the step, switch the split and the flags),
// so the mode, the snapping and the split rules are the grid's own. A cell that already shows the row's
// value is left alone, as the grid leaves a cell whose edit ends with the text it began with.
std::vector<std::string> Planner::ApplyRow(const ListRow& row, int index) {
    std::vector<std::string> notes;
    const int group = ChannelTable::GroupOf(index);
    ShowGroup(m_work, group);
    SilentPrompts prompts(Answer::No); // a cell operation's beep is its refusal, which it also returns
    CellEdit cells(m_work, m_band, prompts);
    ChosenStep noStep;
    ChannelEntry& e = m_work.Entry(index);
    const std::string tag = row.tag ? PadRight(*row.tag, 8) : std::string();

    if (group == kGroupWeather) {
        // The grid lets a weather channel change its SC flag and nothing else.
        if (row.scan && *row.scan != (e.Scan != 0)) cells.ToggleCell(index, kColScan, noStep);
        if (row.tag && tag != cells.CellText(index, kColTag))
            notes.emplace_back("a weather channel keeps its tag");
        return notes;
    }
    if (e.Masked) cells.ToggleCell(index, kColChn, noStep);
    if (row.tag) cells.CommitEdit(index, kColTag, tag, cells.CellText(index, kColTag));

    // The frequency first decides the mode (and its default steps); the row's step then applies, and the
    // frequency is given again to be snapped on that step.
    const std::string rx = HzText(*row.rxHz);
    cells.SetCellText(index, kColReceive, rx);
    if (row.amStep && e.Mode == kModeAm && e.AmStep != *row.amStep) {
        ChosenStep step(*row.amStep);
        cells.ToggleCell(index, kColAmStep, step);
        cells.SetCellText(index, kColReceive, rx);
    }
    if (row.fmStep && e.Mode == kModeFm && e.FmStep != *row.fmStep) {
        ChosenStep step(*row.fmStep);
        cells.ToggleCell(index, kColFmStep, step);
        cells.SetCellText(index, kColReceive, rx);
    }

    if (row.split && *row.split != (e.Split == 1) && !cells.ToggleCell(index, kColSplit, noStep).accepted) {
        notes.emplace_back("no split at this receive frequency: simplex");
    }
    if (row.txHz && e.Split == 1) cells.SetCellText(index, kColTransmit, HzText(*row.txHz));

    const auto setFlag = [&](int column, std::optional<bool> wanted, bool shown) {
        if (wanted && *wanted != shown) cells.ToggleCell(index, column, noStep);
    };
    setFlag(kColClockShift, row.clockShift, e.ClockShift == 0); // stored inverted
    setFlag(kColTagAlp, row.tagDisplay, e.TagDisplay != 0);
    setFlag(kColScan, row.scan, e.Scan != 0);
    if (row.masked.value_or(false)) {
        cells.ToggleCell(index, kColChn, noStep);
        if (!e.Masked) notes.push_back(SlotName(index) + " is never masked");
    }

    if (row.listedMode) {
        const int shown = ShownMode(e.Mode);
        const bool weatherAsFm = *row.listedMode == kModeFm && shown == kModeWx;
        if (*row.listedMode != shown && !weatherAsFm) {
            notes.push_back(std::string("mode follows the frequency: ") + ModeText(e.Mode));
        }
    }
    return notes;
}

ImportPlan Planner::Plan(const ChannelList& list) {
    ImportPlan plan;
    plan.format = list.format;
    plan.band = m_band;
    plan.rows.resize(list.rows.size());
    for (std::size_t i = 0; i < list.rows.size(); ++i) {
        const ListRow& row = list.rows[i];
        PlannedRow& planned = plan.rows[i];
        planned.line = row.line;
        planned.listedName = row.listedName;
        planned.listedFrequency = row.listedFrequency;
        Precheck(row, planned);
    }
    // Rows that name their channel first, so that rows placed by the options never take it from them.
    for (std::size_t i = 0; i < list.rows.size(); ++i) {
        if (plan.rows[i].refusal == RowRefusal::None && NamesSlot(list.rows[i]))
            PlaceListed(list.rows[i], plan.rows[i]);
    }
    const bool groupTakesRows = m_placement.group == kGroupMr || m_placement.group == kGroupBook;
    const int start = ChannelTable::GroupStart(m_placement.group);
    const int end = groupTakesRows ? start + ChannelTable::GroupSize(m_placement.group) : start;
    int cursor = start + std::max(m_placement.from, 1) - 1;
    for (std::size_t i = 0; i < list.rows.size(); ++i) {
        if (plan.rows[i].refusal == RowRefusal::None && !NamesSlot(list.rows[i])) {
            PlaceNext(list.rows[i], plan.rows[i], cursor, end);
        }
    }
    for (int index = 0; index < kChannelCount; ++index) {
        if (m_work.Entry(index) == m_original.Entry(index)) continue;
        plan.changed.push_back(index);
        plan.before.push_back(m_original.Entry(index));
        plan.after.push_back(m_work.Entry(index));
    }
    return plan;
}

} // namespace

int ImportPlan::AcceptedCount() const {
    return static_cast<int>(
        std::count_if(rows.begin(), rows.end(), [](const PlannedRow& r) { return r.Accepted(); }));
}

int ImportPlan::RefusedCount() const {
    return static_cast<int>(rows.size()) - AcceptedCount();
}

ImportPlan PlanImport(const ChannelTable& table, const SystemSettings& system, const ChannelList& list,
                      const ImportPlacement& placement) {
    return Planner(table, system, placement).Plan(list);
}

ImportPlan PlanImport(const Document& document, const ChannelList& list, const ImportPlacement& placement) {
    return PlanImport(document.Channels(), document.System(), list, placement);
}

ApplyStatus ApplyImport(ChannelTable& table, const SystemSettings& system, const ImportPlan& plan) {
    if (!SameBands(table.Bands(system), plan.band)) return ApplyStatus::Stale;
    for (std::size_t k = 0; k < plan.changed.size(); ++k) {
        if (!(table.Entry(plan.changed[k]) == plan.before[k])) return ApplyStatus::Stale;
    }
    if (plan.changed.empty()) return ApplyStatus::NothingToApply;
    for (std::size_t k = 0; k < plan.changed.size(); ++k)
        table.Entry(plan.changed[k]) = plan.after[k];
    return ApplyStatus::Applied;
}

ApplyStatus ApplyImport(Document& document, const ImportPlan& plan) {
    // One user action, one change: the whole import is a single step of the undo history, placed on
    // the first channel it changes.
    ChangePlace where = document.CurrentPlace();
    if (!plan.changed.empty()) {
        where.index = plan.changed.front();
        where.group = ChannelTable::GroupOf(where.index);
        where.column = -1;
    }
    const std::size_t count = plan.changed.size();
    const std::string label = "Import " + std::to_string(count) + (count == 1 ? " channel" : " channels");
    ApplyStatus status = ApplyStatus::NothingToApply;
    document.Change(label, where,
                    [&] { status = ApplyImport(document.Channels(), document.System(), plan); });
    return status;
}

} // namespace zt46
