#pragma once
// The core's texts are UTF-8 std::string; the widgets' are QString.

#include <QString>
#include <string_view>

namespace zt46 {

inline QString ToQString(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace zt46
