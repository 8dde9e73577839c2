// zt46 on a device it cannot open says why: missing, not a serial device, held by another program, or
// not permitted to this account (and which group grants it). Run as the real program; the permission
// case switches the child to another account when the tests run as root, since root opens anything.

#include <gtest/gtest.h>

#include <QSerialPort>
#include <array>
#include <cstdlib>
#include <fcntl.h>
#include <fstream>
#include <grp.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include "support/RadioProcess.h"

namespace zt46::test {
namespace {

constexpr int kCannotSwitchAccount = 125;
constexpr uid_t kNobody = 65534;

// zt46 upload from `device`; with `asNobody` the child drops to the unprivileged account, no groups.
ProgramRun Upload(const std::string& device, bool asNobody = false) {
    std::array<int, 2> pipeEnds{};
    if (pipe(pipeEnds.data()) != 0) return {};
    const pid_t pid = fork();
    if (pid == 0) {
        dup2(pipeEnds[1], STDERR_FILENO);
        close(pipeEnds[0]);
        const int null = open("/dev/null", O_RDWR);
        dup2(null, STDIN_FILENO);
        dup2(null, STDOUT_FILENO);
        if (chdir("/") != 0) _exit(kCannotSwitchAccount);
        if (asNobody && (setgroups(0, nullptr) != 0 || setgid(kNobody) != 0 || setuid(kNobody) != 0))
            _exit(kCannotSwitchAccount);
        execl(ZT46_CLI, "zt46", "upload", "--port", device.c_str(), "-o", "/dev/null", nullptr);
        _exit(kCannotSwitchAccount); // the account may not reach the program
    }
    close(pipeEnds[1]);
    ProgramRun run;
    std::array<char, 512> chunk{};
    for (ssize_t got; (got = read(pipeEnds[0], chunk.data(), chunk.size())) > 0;)
        run.err.append(chunk.data(), static_cast<std::size_t>(got));
    close(pipeEnds[0]);
    int status = 0;
    waitpid(pid, &status, 0);
    run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return run;
}

// A pseudo-terminal: a serial device nobody else uses. The master stays open for the test's length.
class Pty {
public:
    Pty() {
        m_master = posix_openpt(O_RDWR | O_NOCTTY);
        if (m_master >= 0 && grantpt(m_master) == 0 && unlockpt(m_master) == 0) m_device = ptsname(m_master);
    }
    ~Pty() {
        if (m_master >= 0) close(m_master);
    }
    const std::string& Device() const { return m_device; }

private:
    int m_master = -1;
    std::string m_device;
};

void ExpectSays(const ProgramRun& run, const std::vector<std::string>& parts) {
    EXPECT_EQ(run.status, 3) << run.err;
    EXPECT_EQ(run.err.rfind("zt46: Problem with COM port\n", 0), 0u) << run.err;
    for (const std::string& part : parts)
        EXPECT_NE(run.err.find(part), std::string::npos) << "'" << part << "' not in: " << run.err;
}

TEST(PortAccess, DeviceTheAccountMayNotOpenNamesTheGroupThatGrantsIt) {
    Pty pty;
    ASSERT_FALSE(pty.Device().empty());
    const std::string& device = pty.Device();
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
    if (run.status == kCannotSwitchAccount)
        GTEST_SKIP() << "cannot run " << ZT46_CLI << " as the unprivileged account " << kNobody;
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
    QSerialPort holder(QString::fromStdString(pty.Device()));
    ASSERT_TRUE(holder.open(QIODevice::ReadWrite)) << holder.errorString().toStdString();
    ExpectSays(Upload(pty.Device()), {pty.Device() + " is in use by another program"});
}

} // namespace
} // namespace zt46::test
