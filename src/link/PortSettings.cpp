#include "link/PortSettings.h"

#include "core/util/Messages.h"

namespace zt46 {

std::string PortSettings::DeviceName() const {
    if (!devicePath.empty()) return devicePath;
#ifdef _WIN32
    return "COM" + std::to_string(comPort);
#else
    return "/dev/ttyS" + std::to_string(comPort - 1);
#endif
}

std::string PortSettings::LeadName() const {
    if (!devicePath.empty()) return devicePath;
    return "COM " + std::to_string(comPort);
}

std::string CheckLeadText(const PortSettings& port) {
    std::string text(StringById(IDS_CHECK_LEAD));
    if (port.devicePath.empty()) return FormatText(text, std::to_string(port.comPort), {});
    const std::string::size_type at = text.find("COM %1");
    if (at != std::string::npos) text.replace(at, 6, "%1");
    return FormatText(text, port.devicePath, {});
}

} // namespace zt46
