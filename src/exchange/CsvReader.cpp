#include "exchange/CsvReader.h"

#include <csv.h>

#include <algorithm>
#include <optional>

#include "core/util/TextFormat.h"

namespace zt46 {
namespace {

// A header with more names than this is no channel list; the cap keeps a line of separators from
// filling memory.
constexpr std::size_t kMaxHeaderFields = 1000;

// What the callbacks of libcsv collect while one line is fed to it.
struct Collector {
    std::vector<std::string> fields; // of the row being read
    std::size_t fieldLimit = kMaxHeaderFields;
    bool extraNonEmpty = false; // a field beyond the limit held something
    bool rowEnded = false;
    std::vector<std::string> endedRow;
    int line = 0;          // the line being fed
    int lastFieldLine = 0; // the line the row's last complete field ended on
};

void OnField(void* data, std::size_t length, void* state) {
    auto* c = static_cast<Collector*>(state);
    if (c->fields.size() >= c->fieldLimit) {
        if (length > 0 && !Trimmed(std::string_view(static_cast<const char*>(data), length)).empty()) {
            c->extraNonEmpty = true;
        }
        return;
    }
    c->fields.emplace_back(data ? static_cast<const char*>(data) : "", length);
    c->lastFieldLine = c->line;
}

void OnRowEnd(int, void* state) {
    auto* c = static_cast<Collector*>(state);
    c->endedRow = std::move(c->fields);
    c->fields.clear();
    c->rowEnded = true;
}

int OnlySpace(unsigned char c) {
    return c == ' ';
}

bool AllEmpty(const std::vector<std::string>& fields) {
    return std::all_of(fields.begin(), fields.end(), [](const std::string& f) { return Trimmed(f).empty(); });
}

bool IsBlankLine(std::string_view line) {
    return std::all_of(line.begin(), line.end(),
                       [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; });
}

// The end of the line that begins at `pos`: after its '\n', or after a '\r' that no '\n' follows.
std::size_t LineEnd(std::string_view text, std::size_t pos) {
    const std::size_t end = text.find_first_of("\r\n", pos);
    if (end == std::string_view::npos) return text.size();
    if (text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n') return end + 2;
    return end + 1;
}

// The separator a header line uses most: ',', ';' or '\t' (',' when it has none).
char DetectSeparator(std::string_view headerLine) {
    std::size_t commas = 0, semicolons = 0, tabs = 0;
    bool quoted = false;
    for (char c : headerLine) {
        if (c == '"') quoted = !quoted;
        if (quoted) continue;
        commas += c == ',';
        semicolons += c == ';';
        tabs += c == '\t';
    }
    if (semicolons > commas && semicolons >= tabs) return ';';
    if (tabs > commas && tabs > semicolons) return '\t';
    return ',';
}

class Reader {
public:
    Reader(char separator, std::size_t maxRows, const RowFilter& filter)
        : m_maxRows(maxRows), m_filter(filter) {
        csv_init(&m_parser, CSV_STRICT | CSV_STRICT_FINI);
        csv_set_delim(&m_parser, static_cast<unsigned char>(separator));
        m_table.separator = separator;
        // Only the blank is trimmed around unquoted fields: a tab may be the separator.
        csv_set_space_func(&m_parser, OnlySpace);
    }
    ~Reader() { csv_free(&m_parser); }
    Reader(const Reader&) = delete;
    Reader& operator=(const Reader&) = delete;

    ListResult<CsvTable> Read(std::string_view text);

private:
    std::optional<ListError> Take(std::vector<std::string> fields, int line);
    ListError Error(ListErrorKind kind, int line, int column, std::string message) const;
    ListError StrayQuote(int line) const;

    csv_parser m_parser{};
    Collector m_collector;
    std::size_t m_maxRows;
    const RowFilter& m_filter;
    int m_filterColumn = -1;
    CsvTable m_table;
    bool m_haveHeader = false;
};

ListError Reader::Error(ListErrorKind kind, int line, int column, std::string message) const {
    ListError e{kind, line, column, {}, std::move(message)};
    if (m_haveHeader && column >= 1 && static_cast<std::size_t>(column) <= m_table.header.size()) {
        e.columnName = m_table.header[static_cast<std::size_t>(column - 1)];
    }
    return e;
}

std::optional<ListError> Reader::Take(std::vector<std::string> fields, int line) {
    if (m_collector.extraNonEmpty) {
        const int column = static_cast<int>(m_collector.fieldLimit + 1);
        return m_haveHeader
                   ? Error(ListErrorKind::TooManyFields, line, column,
                           Format("the row has more fields than the header (%zu)", m_table.header.size()))
                   : Error(ListErrorKind::TooManyFields, line, column,
                           Format("the header has more than %zu columns", kMaxHeaderFields));
    }
    if (AllEmpty(fields)) return std::nullopt;
    if (!m_haveHeader) {
        for (std::string& name : fields)
            name = std::string(Trimmed(name));
        m_table.header = std::move(fields);
        m_table.headerLine = line;
        m_haveHeader = true;
        m_collector.fieldLimit = m_table.header.size();
        if (!m_filter.column.empty() && (!m_filter.appliesTo || m_filter.appliesTo(m_table.header))) {
            m_filterColumn = m_table.Column(m_filter.column);
        }
        return std::nullopt;
    }
    fields.resize(m_table.header.size());
    if (m_filterColumn >= 0) {
        const std::string& key = fields[static_cast<std::size_t>(m_filterColumn)];
        const bool keep = std::any_of(m_filter.values.begin(), m_filter.values.end(),
                                      [&](const std::string& v) { return SameName(key, v); });
        if (!keep) return std::nullopt;
    }
    if (m_table.rows.size() >= m_maxRows) {
        return Error(ListErrorKind::TooManyRows, line, 0,
                     Format("the list has more than %zu rows", m_maxRows));
    }
    m_table.rows.push_back(CsvRow{line, std::move(fields)});
    return std::nullopt;
}

ListError Reader::StrayQuote(int line) const {
    const int column = static_cast<int>(m_collector.fields.size()) + 1;
    return Error(ListErrorKind::StrayQuote, line, column,
                 "a quote out of place (a quoted field begins and ends with its quote, and a quote inside it "
                 "is doubled)");
}

ListResult<CsvTable> Reader::Read(std::string_view text) {
    // libcsv gets the text a line at a time, so every row, and every error, is known by its line: a row
    // begins on the first line fed while no row was open, and stays open while a quoted field runs on.
    int line = 0;
    int rowStart = 1;
    bool rowOpen = false;
    std::size_t pos = 0;
    while (pos < text.size()) {
        const std::size_t end = LineEnd(text, pos);
        const std::string_view chunk = text.substr(pos, end - pos);
        ++line;
        m_collector.line = line;
        if (!rowOpen) rowStart = line;
        m_collector.rowEnded = false;
        const std::size_t parsed =
            csv_parse(&m_parser, chunk.data(), chunk.size(), OnField, OnRowEnd, &m_collector);
        if (parsed != chunk.size() || csv_error(&m_parser) != CSV_SUCCESS) {
            return StrayQuote(line);
        }
        if (m_collector.rowEnded) {
            if (auto error = Take(std::move(m_collector.endedRow), rowStart)) return *error;
            rowOpen = false;
        } else {
            rowOpen = rowOpen || !IsBlankLine(chunk);
        }
        pos = end;
    }
    m_collector.rowEnded = false;
    if (csv_fini(&m_parser, OnField, OnRowEnd, &m_collector) != 0) {
        // The open field begins where the row's last complete field ended.
        const int column = static_cast<int>(m_collector.fields.size()) + 1;
        const int opened = m_collector.fields.empty() ? rowStart : m_collector.lastFieldLine;
        return Error(ListErrorKind::UnclosedQuote, opened, column, "a quote that is never closed");
    }
    if (m_collector.rowEnded) {
        if (auto error = Take(std::move(m_collector.endedRow), rowStart)) return *error;
    }
    if (!m_haveHeader) return ListError{ListErrorKind::NoHeader, 0, 0, {}, "the file has no header line"};
    return std::move(m_table);
}

} // namespace

std::string_view Trimmed(std::string_view text) {
    const std::size_t first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) return {};
    const std::size_t last = text.find_last_not_of(" \t");
    return text.substr(first, last - first + 1);
}

bool SameName(std::string_view a, std::string_view b) {
    a = Trimmed(a);
    b = Trimmed(b);
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               auto lower = [](char c) {
                   return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
               };
               return lower(x) == lower(y);
           });
}

int CsvTable::Column(std::string_view name) const {
    for (std::size_t i = 0; i < header.size(); ++i) {
        if (SameName(header[i], name)) return static_cast<int>(i);
    }
    return -1;
}

ListResult<CsvTable> ReadCsv(std::string_view text, std::size_t maxRows, const RowFilter& filter) {
    // The header line is the first line that is not blank.
    std::size_t pos = 0;
    while (pos < text.size()) {
        const std::size_t end = LineEnd(text, pos);
        if (!IsBlankLine(text.substr(pos, end - pos))) break;
        pos = end;
    }
    const std::size_t headerEnd = LineEnd(text, pos);
    const char separator = DetectSeparator(text.substr(pos, headerEnd - pos));
    Reader reader(separator, maxRows, filter);
    return reader.Read(text);
}

} // namespace zt46
