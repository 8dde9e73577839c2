#pragma once
// An import plan in words: the preview table of the command line's dry run and the refused rows.

#include <string>

#include "exchange/ImportPlan.h"

namespace zt46 {

// "receive frequency outside the radio's range (170.000)"; empty for an accepted row.
std::string RefusalReason(const PlannedRow& row);
// "taken", "replaces", "unchanged" or "refused: " and the reason; a masked channel and the row's notes
// follow.
std::string OutcomeText(const PlannedRow& row);

// "12 rows: 10 taken, 2 refused" (an unchanged row counts as taken).
std::string PlanSummary(const ImportPlan& plan);

// One line per row of the list, in the list's order: the line, the row's name and frequency as listed,
// the channel it goes to and its cells as the grid will show them, and the outcome; then the summary.
std::string FormatPreview(const ImportPlan& plan);
// One line per refused row: "line 7: receive frequency outside the radio's range (170.000)".
std::string FormatRefusals(const ImportPlan& plan);

} // namespace zt46
