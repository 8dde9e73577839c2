#include "exchange/ListError.h"

namespace zt46 {

std::string ListError::Text() const {
    std::string place;
    if (line > 0) place = "line " + std::to_string(line);
    if (column > 0) {
        if (!place.empty()) place += ", ";
        place += "column " + std::to_string(column);
        if (!columnName.empty()) place += " (" + columnName + ")";
    }
    return place.empty() ? message : place + ": " + message;
}

} // namespace zt46
