#pragma once
// Which report pages a print job paints, and in which order: the page range chosen in the print
// dialog, the copies the printer cannot make itself, and the page order.

#include <utility>
#include <vector>

namespace zt46 {

struct PageChoice {
    std::vector<std::pair<int, int>> ranges; // inclusive, from 1; empty: every page
    int copies = 1;
    bool collate = true;
    bool lastPageFirst = false;
};

// The pages to paint for a report of pageCount pages. Pages outside the report are left out; a range
// that holds none of its pages gives nothing to print.
std::vector<int> PageSequence(int pageCount, const PageChoice& choice);

} // namespace zt46
