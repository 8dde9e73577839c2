#include "link/PortSettings.h"

#include <algorithm>
#include <cctype>

#include "core/util/Messages.h"

namespace zt46 {
namespace {

constexpr std::string_view kDeviceSeparator = "  -  ";

bool IsBlank(char c) {
    return std::isspace(static_cast<unsigned char>(c)) != 0;
}

std::string_view Trimmed(std::string_view text) {
    while (!text.empty() && IsBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

// The number of a "COM n" text (any case, blanks allowed before the number), or 0.
int ComNumber(std::string_view text) {
    if (text.size() < 4) return 0;
    for (std::size_t i = 0; i < 3; ++i) {
        if (std::toupper(static_cast<unsigned char>(text[i])) != "COM"[i]) return 0;
    }
    const std::string_view digits = Trimmed(text.substr(3));
    if (digits.empty()) return 0;
    int n = 0;
    for (char c : digits) {
        if (c < '0' || c > '9') return 0;
        n = std::min(n * 10 + (c - '0'), 1000); // any number beyond 16 names no COM entry
    }
    return n;
}

} // namespace

std::string PortSettings::DeviceName() const {
    if (!devicePath.empty()) return devicePath;
#ifdef _WIN32
    return "COM" + std::to_string(comPort);
#else
    return "/dev/ttyS" + std::to_string(comPort - 1);
#endif
}

std::string PortSettings::DisplayName() const {
    if (!devicePath.empty()) return devicePath;
    return "COM" + std::to_string(comPort);
}

std::string ComPortText(int comPort) {
    return "COM " + std::to_string(comPort);
}

std::string ListedDeviceText(std::string_view path, std::string_view description) {
    std::string text(path);
    if (!description.empty()) (text += kDeviceSeparator) += description;
    return text;
}

PortSettings ParsePortText(std::string_view text, int keepCom) {
    const std::string_view trimmed = Trimmed(text);
    if (trimmed.empty()) return {1, {}};
    const int n = ComNumber(trimmed);
    if (n >= 1 && n <= kComPortCount) return {n, {}};
    // A listed device shows its description after the path.
    const std::size_t cut = trimmed.find(kDeviceSeparator);
    const std::string_view path =
        cut != std::string_view::npos && cut > 0 ? Trimmed(trimmed.substr(0, cut)) : trimmed;
    return {std::clamp(keepCom, 1, kComPortCount), std::string(path)};
}

std::string CheckLeadText(const PortSettings& port) {
    std::string text(StringById(IDS_CHECK_LEAD));
    if (port.devicePath.empty()) return FormatText(text, std::to_string(port.comPort), {});
    const std::string::size_type at = text.find("COM %1");
    if (at != std::string::npos) text.replace(at, 6, "%1");
    return FormatText(text, port.devicePath, {});
}

} // namespace zt46
