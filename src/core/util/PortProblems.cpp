#include "core/util/PortProblems.h"

#include "core/util/Messages.h"

namespace zt46 {
namespace {

std::string Quoted(const std::string& name) {
    return "\"" + name + "\"";
}

std::string PermissionAdvice(const PortProblemFacts& f) {
    const std::string user = f.user.empty() ? "$USER" : f.user;
    std::string text = f.device + ": this account (" + user + ") has no permission to open it.";
    if (!f.groupGrantsAccess || f.group.empty()) {
        return text + "\r\nAsk the administrator of this computer to give the account read and write "
                      "access to the device.";
    }
    if (f.joinedAfterLogin) {
        return text + "\r\nThe account is a member of the group " + Quoted(f.group) +
               " that owns the device, but this session began before it joined: log out and log in "
               "again.";
    }
    return text + "\r\nAccess comes with membership of the group " + Quoted(f.group) +
           " that owns the device: add the account to it (sudo adduser " + user + " " + f.group +
           "), then log out and log in again.";
}

} // namespace

std::string PortProblemText(const PortProblemFacts& facts) {
    std::string text(StringById(IDS_COMM_PORT_ERROR));
    text += "\r\n";
    switch (facts.problem) {
    case PortProblem::NotFound:
        return text + facts.device +
               ": there is no such device. Check that the cable is plugged in and that the device "
               "name is right.";
    case PortProblem::NoPermission:
        return text + PermissionAdvice(facts);
    case PortProblem::InUse:
        return text + facts.device + " is in use by another program. Close that program, then try again.";
    case PortProblem::NotSerial:
        return text + facts.device + " is not a serial device. Check the device name.";
    case PortProblem::Other:
        break;
    }
    return text + facts.device +
           (facts.detail.empty() ? std::string(" cannot be opened.") : ": " + facts.detail);
}

} // namespace zt46
