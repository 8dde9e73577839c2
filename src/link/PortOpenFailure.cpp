#include "link/PortOpenFailure.h"

#include <QSerialPort>

#include "core/util/Messages.h"
#include "core/util/PortProblems.h"
#include "core/util/UserPrompts.h"
#include "link/SerialPort.h"

#ifndef _WIN32
#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <grp.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>
#endif

namespace zt46 {
namespace {

#ifndef _WIN32
std::string GroupName(gid_t gid) {
    std::vector<char> buffer(4096);
    group entry{};
    group* found = nullptr;
    if (getgrgid_r(gid, &entry, buffer.data(), buffer.size(), &found) != 0 || !found) return {};
    return found->gr_name;
}

// The account of the process (effective user): its name, and its groups as the user database lists
// them now (a group joined since login is there, but not in the running session's groups).
struct Account {
    std::string name;
    std::vector<gid_t> databaseGroups;
};

Account CurrentAccount() {
    Account account;
    std::vector<char> buffer(4096);
    passwd entry{};
    passwd* found = nullptr;
    if (getpwuid_r(geteuid(), &entry, buffer.data(), buffer.size(), &found) != 0 || !found) return account;
    account.name = found->pw_name;
    int count = 64;
    account.databaseGroups.resize(static_cast<std::size_t>(count));
    if (getgrouplist(found->pw_name, found->pw_gid, account.databaseGroups.data(), &count) < 0) {
        account.databaseGroups.resize(static_cast<std::size_t>(count));
        getgrouplist(found->pw_name, found->pw_gid, account.databaseGroups.data(), &count);
    }
    account.databaseGroups.resize(static_cast<std::size_t>(std::max(count, 0)));
    return account;
}

bool SessionHasGroup(gid_t gid) {
    if (getegid() == gid) return true;
    const int count = getgroups(0, nullptr);
    if (count <= 0) return false;
    std::vector<gid_t> groups(static_cast<std::size_t>(count));
    const int got = getgroups(count, groups.data());
    return got > 0 && std::find(groups.begin(), groups.begin() + got, gid) != groups.begin() + got;
}

void AddPermissionFacts(PortProblemFacts& facts, const struct stat& st) {
    facts.problem = PortProblem::NoPermission;
    facts.group = GroupName(st.st_gid);
    // Membership helps only when the group may read and write; the superuser's group is no advice.
    facts.groupGrantsAccess = st.st_gid != 0 && (st.st_mode & S_IRGRP) && (st.st_mode & S_IWGRP);
    const Account account = CurrentAccount();
    facts.user = account.name;
    const auto& listed = account.databaseGroups;
    facts.joinedAfterLogin =
        std::find(listed.begin(), listed.end(), st.st_gid) != listed.end() && !SessionHasGroup(st.st_gid);
}
#endif

// `openError` is the QSerialPort error code of the failed open, `openErrorText` its text.
PortProblemFacts DiagnoseOpenFailure(const std::string& device, int openError,
                                     const std::string& openErrorText) {
    PortProblemFacts facts;
    facts.device = device;
    facts.detail = openErrorText;
    const auto error = static_cast<QSerialPort::SerialPortError>(openError);
#ifndef _WIN32
    // The device itself says more than the port's error code: QSerialPort reports a missing
    // permission, a lock held by another program and a busy device all as PermissionError.
    struct stat st {};
    if (stat(device.c_str(), &st) != 0) {
        if (errno == ENOENT || errno == ENOTDIR) facts.problem = PortProblem::NotFound;
        return facts;
    }
    if (!S_ISCHR(st.st_mode)) {
        facts.problem = PortProblem::NotSerial;
        return facts;
    }
    if (faccessat(AT_FDCWD, device.c_str(), R_OK | W_OK, AT_EACCESS) != 0 && errno == EACCES) {
        AddPermissionFacts(facts, st);
        return facts;
    }
#endif
    switch (error) {
    case QSerialPort::DeviceNotFoundError:
        facts.problem = PortProblem::NotFound;
        break;
    case QSerialPort::PermissionError:
        // The account may open the device (checked above), so someone else holds it.
        facts.problem = PortProblem::InUse;
        break;
    default:
        facts.problem = PortProblem::Other;
        break;
    }
    return facts;
}

} // namespace

void ReportOpenFailure(UserPrompts& prompts, const SerialPort& port) {
    const PortProblemFacts facts =
        DiagnoseOpenFailure(port.Settings().DeviceName(), port.OpenError(), port.OpenErrorText());
    prompts.Show(Prompt{IDS_COMM_PORT_ERROR, PortProblemText(facts), Buttons::Ok, Icon::Stop});
}

} // namespace zt46
