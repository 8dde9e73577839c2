#include "exchange/ListCells.h"

#include "exchange/ListValues.h"

namespace zt46 {

ListCells::ListCells(const CsvTable& table, const char* const* names, int count) : m_table(table) {
    for (int i = 0; i < count; ++i)
        m_positions.push_back(table.Column(names[i]));
}

std::string_view ListCells::Raw(const CsvRow& row, int name) const {
    const int at = Position(name);
    return at >= 0 ? std::string_view(row.fields[static_cast<std::size_t>(at)]) : std::string_view();
}

std::string_view ListCells::Get(const CsvRow& row, int name) const {
    return Trimmed(Raw(row, name));
}

void ListCells::Bad(const CsvRow& row, int name, std::string message) {
    if (m_error) return;
    const int at = Position(name);
    m_error =
        ListError{ListErrorKind::BadValue, row.line, at + 1,
                  at >= 0 ? m_table.header[static_cast<std::size_t>(at)] : std::string(), std::move(message)};
}

std::optional<std::int64_t> ListCells::MHz(const CsvRow& row, int name) {
    const std::string_view text = Get(row, name);
    if (text.empty()) return std::nullopt;
    const auto hz = ParseMHz(text, m_table.separator != ',');
    if (!hz) Bad(row, name, "not a number of MHz: \"" + std::string(text) + "\"");
    return hz;
}

std::optional<bool> ListCells::Flag(const CsvRow& row, int name) {
    const std::string_view text = Get(row, name);
    if (text.empty()) return std::nullopt;
    const auto flag = ParseFlag(text);
    if (!flag) Bad(row, name, "not v or - (yes or no): \"" + std::string(text) + "\"");
    return flag;
}

ListResult<std::vector<ListRow>>
ListCells::ReadRows(const std::function<void(const CsvRow&, ListRow&)>& fill) {
    std::vector<ListRow> rows;
    rows.reserve(m_table.rows.size());
    for (const CsvRow& r : m_table.rows) {
        ListRow row;
        row.line = r.line;
        fill(r, row);
        if (m_error) return *m_error;
        rows.push_back(std::move(row));
    }
    return rows;
}

} // namespace zt46
