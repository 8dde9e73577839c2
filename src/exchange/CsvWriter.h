#pragma once
// One line of CSV: fields joined by the separator, each quoted only where it must be.

#include <string>
#include <vector>

namespace zt46 {

// The fields and a CR LF line end. A field is quoted when it holds the separator, a quote or a line
// break, or begins or ends with a blank (which a reader would trim); its quotes are doubled.
std::string CsvLine(const std::vector<std::string>& fields, char separator = ',');

} // namespace zt46
