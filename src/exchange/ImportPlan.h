#pragma once
// What an import would do, worked out before anything changes: for each row of the list the channel it
// goes to and the channel's cells as the grid will show them after the radio's own snapping, or why the
// row is refused. Applying the plan is one change of the document's channel table, which the plan
// describes whole (the channels it changes, before and after), so an undo record can wrap it as one
// step.

#include <string>
#include <vector>

#include "core/editor/ChannelTable.h"
#include "exchange/ChannelList.h"
#include "exchange/GridView.h"

namespace zt46 {

class Document;

struct ImportPlacement {
    // Where the rows that name no channel go: the next masked channels of this group (MR or Book) from
    // this channel number on.
    int group = kGroupMr;
    int from = 1;
    // Rows may change channels in use; rows without a channel of their own then take the channels from
    // `from` on, one after another, whether in use or not.
    bool replace = false;
    // false: the channels the rows name are ignored, and every row is placed as one that names none.
    bool useListedSlots = true;
};

enum class RowOutcome {
    Taken,     // a masked channel takes the row (and is put in use, unless the row says masked)
    Replaces,  // a channel in use is changed
    Unchanged, // the channel already holds what the row gives
    Refused,
};

struct PlannedRow {
    int line = 0;
    std::string listedName; // the row's name and frequency as the file writes them
    std::string listedFrequency;
    RowOutcome outcome = RowOutcome::Refused;
    RowRefusal refusal = RowRefusal::None;
    std::string refusalDetail;
    int index = -1;                 // the channel the row goes to; -1 when refused
    GridRowTexts cells;             // the channel's row as the grid will show it (empty when refused)
    bool masked = false;            // the channel stays or becomes masked
    std::vector<std::string> notes; // what the row asked that the channel does not take

    bool Accepted() const { return outcome != RowOutcome::Refused; }
};

struct ImportPlan {
    ListFormat format = ListFormat::Generic;
    std::vector<PlannedRow> rows;     // in the order of the list
    std::vector<int> changed;         // the channels the import changes, ascending
    std::vector<ChannelEntry> before; // those channels as they are, in the order of `changed`
    std::vector<ChannelEntry> after;  // and as the import leaves them
    BandContext band;                 // the settings the plan was made with

    int AcceptedCount() const;
    int RefusedCount() const;
};

ImportPlan PlanImport(const ChannelTable& table, const SystemSettings& system, const ChannelList& list,
                      const ImportPlacement& placement);
ImportPlan PlanImport(const Document& document, const ChannelList& list, const ImportPlacement& placement);

enum class ApplyStatus {
    Applied,
    NothingToApply, // no row changes a channel
    Stale,          // the channels or the band settings changed since the plan was made; nothing applied
};

// Puts the plan's channels into the table (all of them, or none when the plan is stale).
ApplyStatus ApplyImport(ChannelTable& table, const SystemSettings& system, const ImportPlan& plan);
// The same on the document's table, as one change of the document (one undo step).
ApplyStatus ApplyImport(Document& document, const ImportPlan& plan);

} // namespace zt46
