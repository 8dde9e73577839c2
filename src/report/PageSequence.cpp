#include "report/PageSequence.h"

#include <algorithm>

namespace zt46 {

std::vector<int> PageSequence(int pageCount, const PageChoice& choice) {
    std::vector<int> once;
    for (int page = 1; page <= pageCount; ++page) {
        const bool chosen = choice.ranges.empty() ||
                            std::any_of(choice.ranges.begin(), choice.ranges.end(), [page](const auto& r) {
                                return r.first <= page && page <= r.second;
                            });
        if (chosen) once.push_back(page);
    }
    if (choice.lastPageFirst) std::reverse(once.begin(), once.end());

    const int copies = std::max(1, choice.copies);
    std::vector<int> pages;
    if (choice.collate) {
        for (int c = 0; c < copies; ++c)
            pages.insert(pages.end(), once.begin(), once.end());
    } else {
        for (const int page : once)
            pages.insert(pages.end(), static_cast<std::size_t>(copies), page);
    }
    return pages;
}

} // namespace zt46
