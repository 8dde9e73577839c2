#pragma once
// CSV text into a header and rows, each row with the line it begins on. The grammar (quotes, doubled
// quotes, separators and line breaks inside quotes) is libcsv's, in its strict mode; the separator (comma,
// semicolon or tab) is the one the header line uses most. Blank lines, and rows whose fields are all
// empty, are skipped.

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "exchange/ListError.h"

namespace zt46 {

struct CsvRow {
    int line = 0;                    // the line the row begins on
    std::vector<std::string> fields; // as many as the header has (missing ones empty)
};

struct CsvTable {
    char separator = ',';
    int headerLine = 0;
    std::vector<std::string> header; // the names, surrounding blanks removed
    std::vector<CsvRow> rows;

    // The field of the header with this name (any letter case, surrounding blanks ignored); -1 if none.
    int Column(std::string_view name) const;
};

// Keeps only the rows whose field in `column` equals one of `values` (any letter case). An empty column
// name, or a column the header lacks, keeps every row. Rows that are not kept do not count against the
// row limit: a public list of thousands of airports is read for the few the user names.
struct RowFilter {
    std::string column;
    std::vector<std::string> values;
    // When set, the filter applies only to a header for which it returns true.
    std::function<bool(const std::vector<std::string>& header)> appliesTo;
};

ListResult<CsvTable> ReadCsv(std::string_view text, std::size_t maxRows, const RowFilter& filter = {});

// Whether two names are equal ignoring ASCII letter case and surrounding blanks.
bool SameName(std::string_view a, std::string_view b);
// The text without leading and trailing blanks (spaces and tabs).
std::string_view Trimmed(std::string_view text);

} // namespace zt46
