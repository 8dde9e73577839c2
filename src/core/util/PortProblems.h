#pragma once
// Why a serial device could not be opened, in words a radio owner can act on: message 80 ("Problem
// with COM port") followed by what is wrong with the device and what to do about it.

#include <string>

namespace zt46 {

enum class PortProblem {
    NotFound,     // no device under that name (cable unplugged, wrong name)
    NoPermission, // the device is there but this account may not open it
    InUse,        // another program holds it
    NotSerial,    // the name is something other than a serial device
    Other,        // anything else: the system's own reason is shown
};

struct PortProblemFacts {
    PortProblem problem = PortProblem::Other;
    std::string device; // the device the program tried to open
    // NoPermission: the group that owns the device, whether membership of it gives read and write
    // access, the account's login name, and whether the account joined the group after this session
    // began (so only a new login is missing).
    std::string group;
    bool groupGrantsAccess = false;
    std::string user;
    bool joinedAfterLogin = false;
    std::string detail; // Other: the system's reason
};

// The whole message: the line of message 80, then the explanation ("\r\n" between lines).
std::string PortProblemText(const PortProblemFacts& facts);

} // namespace zt46
