// zt46 upload, download and diff, run as the real program against the simulated radio.
#include <gtest/gtest.h>

#include <chrono>
#include <fstream>

#include "core/image/Codecs.h"
#include "support/RadioProcess.h"

namespace zt46::test {
namespace {

// Runs zt46 in dir with input on stdin, and Ctrl+C that long after it started when interruptAfterMs >= 0.
ProgramRun RunCli(const TempDir& dir, std::vector<std::string> args, const std::string& input = {},
                  int interruptAfterMs = -1) {
    args.insert(args.begin(), ZT46_CLI);
    return RunProgram(dir, std::move(args), input, interruptAfterMs);
}

bool Has(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
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

// What the radio held is kept in a backup, named on stdout (the merge itself has tests of its own).
TEST(CliLink, DownloadKeepsABackupAndNamesIt) {
    const CloneImage memory = PatternImage(22);
    RadioProcess radio({"--fast"}, &memory);
    TempDir dir;
    WriteClone(dir.File("file.t46"), PatternImage(20));
    const ProgramRun run =
        RunCli(dir, {"download", "--port", radio.Device(), "--identity", "file", "file.t46"});
    EXPECT_EQ(run.status, 0) << run.err;
    std::filesystem::directory_iterator backups(dir.Path() / "backups");
    ASSERT_NE(backups, std::filesystem::directory_iterator());
    const std::filesystem::path backup = backups->path();
    EXPECT_EQ(++backups, std::filesystem::directory_iterator()); // one backup only
    EXPECT_EQ(ReadImage(backup.string()), memory);
    EXPECT_TRUE(Has(run.out, backup.filename().string())) << run.out;
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
        EXPECT_EQ(radio.StopAndReadMemory() == memory, c.status != 0);
    }
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
    EXPECT_TRUE(Has(run.err, "cancelled")) << run.err;
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
    EXPECT_TRUE(Has(run.err, "backups")) << run.err;
    EXPECT_EQ(radio.StopAndReadMemory(), memory);
}

// Another radio's file: --identity names whose identity the radio gets; without it nothing is written
// (not even a backup) and zt46 names both serial numbers and the option.
TEST(CliIdentity, TheOptionNamesWhoseIdentityTheRadioGets) {
    const CloneImage memory = PatternImage(51);
    const CloneImage file = PatternImage(52);
    const std::string fileSerial = DecodeSerialNumber(file), radioSerial = DecodeSerialNumber(memory);
    struct Case {
        std::vector<std::string> option;
        int status;
        const std::string* serialAfter; // null: nothing written
    };
    for (const Case& c : {Case{{"--identity", "radio"}, 0, &radioSerial},
                          Case{{"--identity", "file"}, 0, &fileSerial}, Case{{}, 1, nullptr}}) {
        SCOPED_TRACE(c.option.empty() ? "no option" : c.option[1]);
        RadioProcess radio({"--fast"}, &memory);
        TempDir dir;
        WriteClone(dir.File("file.t46"), file);
        std::vector<std::string> args{"download", "--port", radio.Device(), "file.t46"};
        args.insert(args.end(), c.option.begin(), c.option.end());
        const ProgramRun run = RunCli(dir, args);
        EXPECT_EQ(run.status, c.status) << run.err;
        const CloneImage after = radio.StopAndReadMemory();
        if (c.serialAfter) {
            EXPECT_EQ(DecodeSerialNumber(after), *c.serialAfter);
            continue;
        }
        EXPECT_EQ(after, memory);
        EXPECT_TRUE(Has(run.err, fileSerial) && Has(run.err, radioSerial) && Has(run.err, "--identity"))
            << run.err;
        EXPECT_FALSE(std::filesystem::exists(dir.File("backups")));
    }
}

TEST(CliVerify, ARadioThatStoresAByteWronglyIsExitStatus3WithTheBackupNamed) {
    const CloneImage memory = PatternImage(53);
    for (bool verify : {true, false}) {
        SCOPED_TRACE(verify ? "verify" : "--no-verify");
        RadioProcess radio({"--fast", "--store-wrong", "0x200"}, &memory);
        TempDir dir;
        WriteClone(dir.File("file.t46"), memory);
        std::vector<std::string> args{"download", "--port", radio.Device(), "file.t46"};
        if (!verify) args.push_back("--no-verify");
        const ProgramRun run = RunCli(dir, args);
        EXPECT_EQ(run.status, verify ? 3 : 0) << run.err;
        EXPECT_EQ(Has(run.err, "does not hold what was written"), verify) << run.err;
        if (verify) {
            EXPECT_TRUE(Has(run.err, "byte 512: channel MR 16")) << run.err;
            EXPECT_TRUE(Has(run.err, "backups/KSR-410_")) << run.err;
        }
    }
}

// Files and the radio compared by meaning; the exit status says same, different or why not compared.
TEST(CliDiff, FilesAndTheRadioComparedByMeaning) {
    TempDir dir;
    CloneImage edited = PatternImage(54);
    WriteClone(dir.File("a.t46"), edited);
    WriteClone(dir.File("same.t46"), edited);
    edited[kSerialNumberOffset] = 0x11;
    WriteClone(dir.File("b.t46"), edited);
    RadioProcess radio({"--fast"}, &edited);
    const std::string atRadio = "radio:" + radio.Device();
    struct Case {
        std::vector<std::string> args;
        int status;
        const char* out; // a line the output holds
    };
    const Case cases[] = {
        {{"a.t46", "same.t46"}, 0, "No differences.\n"},
        {{"a.t46", "b.t46"}, 4, "1 difference.\n"},
        {{"a.t46", "b.t46"}, 4, "Identity / Serial number: "},
        {{"b.t46", atRadio}, 0, "No differences.\n"},
        {{atRadio, "a.t46"}, 4, "1 difference.\n"},
        {{"a.t46", "missing.t46"}, 2, ""},
        {{"a.t46", "radio:/nonexistent/tty"}, 3, ""},
        {{"a.t46"}, 1, ""},
    };
    for (const Case& c : cases) {
        std::vector<std::string> args{"diff"};
        args.insert(args.end(), c.args.begin(), c.args.end());
        const ProgramRun run = RunCli(dir, args);
        EXPECT_EQ(run.status, c.status) << c.args.back() << ": " << run.err;
        EXPECT_TRUE(Has(run.out, c.out)) << run.out;
    }
    EXPECT_EQ(radio.StopAndReadMemory(), edited); // read, never written
}

} // namespace
} // namespace zt46::test
