// zt46 upload and download, run as the real program against the simulated radio.
#include <gtest/gtest.h>

#include <chrono>
#include <fstream>
#include <sys/wait.h>

#include "support/RadioProcess.h"

namespace zt46::test {
namespace {

// Runs zt46 in dir with input on stdin, and Ctrl+C that long after it started when interruptAfterMs >= 0.
ProgramRun RunCli(const TempDir& dir, std::vector<std::string> args, const std::string& input = {},
                  int interruptAfterMs = -1) {
    args.insert(args.begin(), ZT46_CLI);
    return RunProgram(dir, std::move(args), input, interruptAfterMs);
}

std::vector<std::filesystem::path> Backups(const TempDir& dir) {
    std::vector<std::filesystem::path> files;
    std::error_code ec;
    for (const auto& e : std::filesystem::directory_iterator(dir.Path() / "backups", ec))
        files.push_back(e.path());
    return files;
}

TEST(CliLink, UploadWritesTheRadiosMemoryWithAZeroTrailer) {
    const CloneImage memory = PatternImage(21);
    TempDir dir;
    // The radio reached through the link it made, as a configuration file would name it.
    RadioProcess radio({"--fast", "--link", dir.File("radio")}, &memory);
    const ProgramRun run = RunCli(dir, {"upload", "--port", dir.File("radio"), "-o", "radio.t46"});
    EXPECT_EQ(run.status, 0) << run.err;
    const std::string file = ReadText(dir.File("radio.t46"));
    ASSERT_EQ(file.size(), kCloneFileSize);
    EXPECT_EQ(ReadImage(dir.File("radio.t46")), memory);
    EXPECT_EQ(file.substr(kImageSize), std::string(kTrailerSize, '\0'));
}

TEST(CliLink, DownloadKeepsABackupAndWritesTheFile) {
    const CloneImage memory = PatternImage(22);
    RadioProcess radio({"--fast"}, &memory);
    TempDir dir;
    WriteClone(dir.File("file.t46"), PatternImage(20));
    // What File > Save would write of it is what the radio gets outside the ranges it keeps.
    ASSERT_EQ(RunCli(dir, {"save", "file.t46", "saved.t46"}).status, 0);
    const CloneImage user = ReadImage(dir.File("saved.t46"));
    const ProgramRun run =
        RunCli(dir, {"download", "--port", radio.Device(), "--identity", "file", "file.t46"});
    EXPECT_EQ(run.status, 0) << run.err;
    const auto backups = Backups(dir);
    ASSERT_EQ(backups.size(), 1u);
    EXPECT_EQ(ReadImage(backups[0].string()), memory);
    EXPECT_NE(run.out.find(backups[0].filename().string()), std::string::npos);
    const CloneImage written = radio.StopAndReadMemory();
    // The channel area is the file's, the alignment values stay the radio's.
    EXPECT_TRUE(std::equal(written.begin() + 112, written.begin() + 3792, user.begin() + 112));
    EXPECT_TRUE(std::equal(written.begin() + 70, written.begin() + 94, memory.begin() + 70));
}

TEST(CliLink, PrivilegedModeNeedsThePassword) {
    const CloneImage memory = PatternImage(23);
    TempDir dir;
    WriteClone(dir.File("file.t46"), PatternImage(24));
    struct Case {
        const char* password;
        int status;
    };
    for (const Case& c : {Case{"wrong\n", 1}, Case{"kumo-hikari \n", 1}, Case{"KUMO-Hikari\n", 0}}) {
        SCOPED_TRACE(c.password);
        RadioProcess radio({"--fast"}, &memory);
        const ProgramRun run =
            RunCli(dir, {"download", "--privileged", "--port", radio.Device(), "file.t46"}, c.password);
        EXPECT_EQ(run.status, c.status) << run.err;
        const CloneImage written = radio.StopAndReadMemory();
        EXPECT_EQ(written == memory, c.status != 0);
    }
}

TEST(CliLink, LinkFailuresExitWithStatus3AndTheSystemsMessage) {
    TempDir dir;
    {
        RadioProcess radio({"--fast", "--no-echo"});
        const ProgramRun run = RunCli(dir, {"upload", "--port", radio.Device(), "-o", "x.t46"});
        EXPECT_EQ(run.status, 3);
        EXPECT_NE(run.err.find("Check that lead is connected to " + radio.Device()), std::string::npos)
            << run.err;
    }
    {
        const ProgramRun run = RunCli(dir, {"upload", "--port", "/nonexistent/tty", "-o", "x.t46"});
        EXPECT_EQ(run.status, 3);
        EXPECT_NE(run.err.find("Problem with COM port"), std::string::npos) << run.err;
    }
    EXPECT_FALSE(std::filesystem::exists(dir.File("x.t46")));
}

// A cable powered by the radio, which stays off for more than 3 s: zt46 says once that no echo comes
// back, goes on waiting, and reads the radio once it is on.
TEST(CliLink, SaysOnceThatTheCableDoesNotEchoAndGoesOnWaiting) {
    const CloneImage memory = PatternImage(25);
    RadioProcess radio({"--fast", "--echo-while-on", "--off", "--on-after", "3500"}, &memory);
    TempDir dir;
    const ProgramRun run = RunCli(dir, {"upload", "--port", radio.Device(), "-o", "radio.t46"});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(ReadImage(dir.File("radio.t46")), memory);
    const std::string notice = "No echo has come back from the cable";
    const std::size_t at = run.err.find(notice);
    EXPECT_NE(at, std::string::npos) << run.err;
    EXPECT_EQ(run.err.find(notice, at + 1), std::string::npos) << run.err;
}

TEST(CliLink, CtrlCCancelsCleanlyWithoutAFile) {
    RadioProcess radio({"--fast", "--off"});
    TempDir dir;
    const auto start = std::chrono::steady_clock::now();
    const ProgramRun run = RunCli(dir, {"upload", "--port", radio.Device(), "-o", "x.t46"}, {}, 300);
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(10));
    EXPECT_EQ(run.status, 3);
    EXPECT_NE(run.err.find("cancelled"), std::string::npos) << run.err;
    EXPECT_FALSE(std::filesystem::exists(dir.File("x.t46")));
}

TEST(CliLink, ABackupThatCannotBeWrittenStopsTheDownload) {
    const CloneImage memory = PatternImage(27);
    RadioProcess radio({"--fast"}, &memory);
    TempDir dir;
    WriteClone(dir.File("file.t46"), PatternImage(28));
    { std::ofstream(dir.File("backups")) << "not a folder"; }
    const ProgramRun run =
        RunCli(dir, {"download", "--port", radio.Device(), "--identity", "radio", "file.t46"});
    EXPECT_EQ(run.status, 2);
    EXPECT_NE(run.err.find("backups"), std::string::npos) << run.err;
    EXPECT_EQ(radio.StopAndReadMemory(), memory);
}

} // namespace
} // namespace zt46::test
