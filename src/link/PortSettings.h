#pragma once
// Which device the link opens: COM n (1..16 in the configuration file) or a device path that overrides it.

#include <string>

namespace zt46 {

struct PortSettings {
    int comPort = 1;
    std::string devicePath; // when set, opened instead of the device of comPort

    // The device opened: the path when one is set; otherwise COMn on Windows, /dev/ttyS<n-1> elsewhere.
    std::string DeviceName() const;
    // How message 81 names the port: "COM n" for a port number, the path itself for a device path.
    std::string LeadName() const;
};

// Message 81 ("Check that lead is connected to COM %1") for this port: a device path takes the place of
// "COM n".
std::string CheckLeadText(const PortSettings& port);

} // namespace zt46
