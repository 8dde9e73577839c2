#include "exchange/AirportFormat.h"

#include <algorithm>

#include "exchange/ListCells.h"
#include "exchange/ListValues.h"

namespace zt46 {
namespace {

enum Column { kId, kAirportRef, kIdent, kType, kDescription, kFrequency };

} // namespace

ListResult<std::vector<ListRow>> ReadAirportRows(const CsvTable& table,
                                                 const std::vector<std::string>& named) {
    std::vector<std::string> airports; // each once
    for (const std::string& a : named) {
        if (std::none_of(airports.begin(), airports.end(),
                         [&](const std::string& b) { return SameName(a, b); }))
            airports.push_back(a);
    }
    if (airports.empty()) {
        return ListError{ListErrorKind::NoAirports,
                         0,
                         0,
                         {},
                         "an airport list needs the airports to take (for example EGLL EGKK)"};
    }
    ListCells cells(table, kAirportHeader, kAirportColumnCount);
    std::vector<std::pair<std::size_t, ListRow>> ranked; // the airport's place in the named order, the row
    for (const CsvRow& r : table.rows) {
        const std::string_view ident = cells.Get(r, kIdent);
        const auto named = std::find_if(airports.begin(), airports.end(),
                                        [&](const std::string& a) { return SameName(a, ident); });
        if (named == airports.end()) continue;
        ListRow row;
        row.line = r.line;
        row.listedName = std::string(ident) + " " + std::string(cells.Get(r, kType));
        row.listedFrequency = std::string(cells.Get(r, kFrequency));
        row.tag = MakeTag(row.listedName);
        row.rxHz = cells.MHz(r, kFrequency);
        if (row.rxHz) {
            // An 8.33 kHz channel name is that channel; any other value is a 25 kHz channel.
            const auto channel = ChannelNameHz(*row.rxHz);
            row.amStep = channel ? 0 : 1;
            if (channel) row.rxHz = channel;
        }
        row.split = false;
        row.amOnly = true;
        if (cells.Error()) return *cells.Error();
        ranked.emplace_back(static_cast<std::size_t>(named - airports.begin()), std::move(row));
    }
    for (std::size_t i = 0; i < airports.size(); ++i) {
        const bool found =
            std::any_of(ranked.begin(), ranked.end(), [&](const auto& r) { return r.first == i; });
        if (!found) {
            return ListError{ListErrorKind::AirportMissing,
                             0,
                             0,
                             {},
                             "the list has no frequencies of the airport " + airports[i]};
        }
    }
    std::stable_sort(ranked.begin(), ranked.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    std::vector<ListRow> rows;
    rows.reserve(ranked.size());
    for (auto& [rank, row] : ranked)
        rows.push_back(std::move(row));
    return rows;
}

} // namespace zt46
