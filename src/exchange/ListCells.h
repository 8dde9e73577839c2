#pragma once
// The fields of a list's rows by the names of the format's columns, read into values; the first value
// that cannot be read becomes an error naming its line and column.

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "exchange/ChannelList.h"
#include "exchange/CsvReader.h"
#include "exchange/ListError.h"

namespace zt46 {

class ListCells {
public:
    // `names` are the format's column names, `count` of them; each is looked up in the table's header.
    ListCells(const CsvTable& table, const char* const* names, int count);

    bool Has(int name) const { return Position(name) >= 0; }
    // The field without surrounding blanks; empty when the header lacks the column.
    std::string_view Get(const CsvRow& row, int name) const;
    // The field as it is (a tag keeps its leading blanks).
    std::string_view Raw(const CsvRow& row, int name) const;

    // A frequency in megahertz; nullopt when the field is empty (or the column absent) and when it is no
    // number, which also records the error.
    std::optional<std::int64_t> MHz(const CsvRow& row, int name);
    // A yes/no field; nullopt when empty, or when unreadable (recorded).
    std::optional<bool> Flag(const CsvRow& row, int name);
    // Records that the field holds a value its column cannot (the first error only is kept).
    void Bad(const CsvRow& row, int name, std::string message);

    const std::optional<ListError>& Error() const { return m_error; }

    // Every row of the table as `fill` reads it (the row's line already set); the first bad value ends
    // the reading as the list's error.
    ListResult<std::vector<ListRow>> ReadRows(const std::function<void(const CsvRow&, ListRow&)>& fill);

private:
    int Position(int name) const { return m_positions[static_cast<std::size_t>(name)]; }

    const CsvTable& m_table;
    std::vector<int> m_positions;
    std::optional<ListError> m_error;
};

} // namespace zt46
