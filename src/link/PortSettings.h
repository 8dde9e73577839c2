#pragma once
// Which device the link opens: COM n (1..16 in the configuration file) or a device path that overrides it,
// and how the program names and reads back a port.

#include <string>
#include <string_view>

namespace zt46 {

// How the radio is reached: the cable on a serial port (held open while the program runs) or the
// "QIB-27" interface unit (its port exists only for the length of each run).
enum class PortKind { Cable, InterfaceUnit };

constexpr int kComPortCount = 16;

struct PortSettings {
    int comPort = 1;
    std::string devicePath; // when set, opened instead of the device of comPort

    // The device opened: the path when one is set; otherwise COMn on Windows, /dev/ttyS<n-1> elsewhere.
    std::string DeviceName() const;
    // How the window's header names it: "COMn", or the device path.
    std::string DisplayName() const;
};

// "COM n": a port number as the Configuration dialog lists it.
std::string ComPortText(int comPort);
// A serial device as the Configuration dialog lists it: its path, then what the system says it is.
std::string ListedDeviceText(std::string_view path, std::string_view description);
// What a text of the Configuration dialog's port box names: one of the COM entries ("COM 3", also
// "com3"), a listed device (its path, before the "  -  " and its description), any other text a device
// path; an empty text COM 1. `keepCom` is the COM port kept in the configuration beside a device path.
PortSettings ParsePortText(std::string_view text, int keepCom);

// Message 81 ("Check that lead is connected to COM %1") for this port: a device path takes the place of
// "COM n".
std::string CheckLeadText(const PortSettings& port);

} // namespace zt46
