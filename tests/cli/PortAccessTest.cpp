// zt46 on a device it cannot open says why: missing, not a serial device, held by another program, or
// not permitted to this account (and which group grants it). Run as the real program; the permission
// case switches the child to another account when the tests run as root, since root opens anything.

#include <gtest/gtest.h>

#include <QSerialPort>
#include <fcntl.h>
#include <fstream>
#include <grp.h>
#include <sys/stat.h>
#include <unistd.h>

#include "CliRun.h"

namespace zt46::test {
namespace {

// zt46 upload from `device`; with `asNobody` run as the unprivileged account (65534), with no groups.
ProgramRun Upload(const std::string& device, bool asNobody = false) {
    TempDir dir;
    std::vector<std::string> args{ZT46_CLI, "upload", "--port", device, "-o", "/dev/null"};
    if (asNobody) args.insert(args.begin(), {"setpriv", "--reuid=65534", "--regid=65534", "--clear-groups"});
    return RunProgram(dir, args);
}

// A pseudo-terminal: a serial device nobody else uses, for as long as the test runs.
struct Pty {
    int master = posix_openpt(O_RDWR | O_NOCTTY);
    std::string device = master >= 0 && grantpt(master) == 0 && unlockpt(master) == 0 ? ptsname(master) : "";
    ~Pty() { close(master); }
};

void ExpectSays(const ProgramRun& run, const std::vector<std::string>& parts) {
    EXPECT_EQ(run.status, 3) << run.err;
    EXPECT_EQ(run.err.rfind("zt46: Problem with COM port\n", 0), 0u) << run.err;
    ExpectHas(run.err, parts);
}

TEST(PortAccess, DeviceTheAccountMayNotOpenNamesTheGroupThatGrantsIt) {
    Pty pty;
    const std::string& device = pty.device;
    ASSERT_FALSE(device.empty());
    if (geteuid() != 0) {
        // Our own device with every permission taken away refuses us as it would refuse a stranger.
        ASSERT_EQ(chmod(device.c_str(), 0), 0);
        ExpectSays(Upload(device), {device + ": this account", "has no permission to open it"});
        return;
    }
    // As a USB cable's device is: owned by a group with read and write, the account not in it.
    const group* dialout = getgrnam("dialout");
    const gid_t gid = dialout ? dialout->gr_gid : 20;
    ASSERT_EQ(chown(device.c_str(), 0, gid), 0);
    ASSERT_EQ(chmod(device.c_str(), 0660), 0);
    const ProgramRun run = Upload(device, true);
    if (run.status >= 126) GTEST_SKIP() << "cannot run " << ZT46_CLI << " as the unprivileged account";
    const group* owner = getgrgid(gid);
    ExpectSays(run,
               {device + ": this account", "has no permission to open it",
                "group \"" + std::string(owner ? owner->gr_name : "") + "\"", "log out and log in again"});
}

TEST(PortAccess, MissingOtherAndBusyDevicesSaySoPlainly) {
    TempDir dir;
    const std::string missing = dir.File("ttyUSB9");
    ExpectSays(Upload(missing), {missing + ": there is no such device"});

    const std::string plainFile = dir.File("notes.txt");
    std::ofstream(plainFile) << "not a port\n";
    ExpectSays(Upload(plainFile), {plainFile + " is not a serial device"});

    Pty pty;
    QSerialPort holder(QString::fromStdString(pty.device));
    ASSERT_TRUE(holder.open(QIODevice::ReadWrite)) << holder.errorString().toStdString();
    ExpectSays(Upload(pty.device), {pty.device + " is in use by another program"});
}

} // namespace
} // namespace zt46::test
