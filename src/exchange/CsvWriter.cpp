#include "exchange/CsvWriter.h"

namespace zt46 {
namespace {

bool NeedsQuotes(const std::string& field, char separator) {
    if (field.empty()) return false;
    if (field.front() == ' ' || field.back() == ' ' || field.front() == '\t' || field.back() == '\t')
        return true;
    return field.find_first_of(std::string("\"\r\n") + separator) != std::string::npos;
}

} // namespace

std::string CsvLine(const std::vector<std::string>& fields, char separator) {
    std::string line;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (i > 0) line += separator;
        const std::string& field = fields[i];
        if (!NeedsQuotes(field, separator)) {
            line += field;
            continue;
        }
        line += '"';
        for (char c : field) {
            if (c == '"') line += '"';
            line += c;
        }
        line += '"';
    }
    line += "\r\n";
    return line;
}

} // namespace zt46
