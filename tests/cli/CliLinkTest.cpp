// zt46 upload, download and diff, run as the real program against the simulated radio.
#include <gtest/gtest.h>

#include <chrono>
#include <fstream>

#include "CliRun.h"
#include "core/image/Codecs.h"

namespace zt46::test {
namespace {

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

// zt46 download: what the radio held is kept in a backup named on stdout; --identity names whose identity
// the radio gets, and without it another radio's file writes nothing (not even a backup) and zt46 names
// both serial numbers and the option; privileged mode needs the password (its rule is PrivilegedModeTest's);
// a backup that cannot be written stops the download; a byte the radio stores wrongly is status 3 unless
// --no-verify. Where the read-back differs is RadioWrite's.
TEST(CliDownload, BackupIdentityPasswordAndVerifyReachTheExitStatus) {
    const CloneImage memory = PatternImage(51), file = PatternImage(52);
    const std::string fileSerial = DecodeSerialNumber(file), radioSerial = DecodeSerialNumber(memory);
    enum After { Unchanged, RadioIdentity, FileIdentity, Changed };
    struct Case {
        const char* name;
        std::vector<std::string> radioFlags, options;
        const char* input;
        int status;
        After after;
        std::vector<std::string> says; // on stderr
        bool blockBackups = false;
    };
    const std::vector<std::string> none, radioId{"--identity", "radio"}, storeWrong{"--store-wrong", "0x200"},
        noVerify{"--identity", "radio", "--no-verify"},
        wrongSays{"does not hold what was written", "backups/KSR-410_"};
    const Case cases[] = {
        {"the file's identity", none, {"--identity", "file"}, "", 0, FileIdentity, {}},
        {"the radio's identity", none, radioId, "", 0, RadioIdentity, {}},
        {"another radio's file", none, {}, "", 1, Unchanged, {fileSerial, radioSerial, "--identity"}},
        {"wrong password", none, {"--privileged"}, "wrong\n", 1, Unchanged, {}},
        {"password", none, {"--privileged"}, "KUMO-Hikari\n", 0, Changed, {}},
        {"backup blocked", none, radioId, "", 2, Unchanged, {"backups"}, true},
        {"stored wrongly", storeWrong, radioId, "", 3, Changed, wrongSays},
        {"stored wrongly, --no-verify", storeWrong, noVerify, "", 0, Changed, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::vector<std::string> flags{"--fast"};
        flags.insert(flags.end(), c.radioFlags.begin(), c.radioFlags.end());
        RadioProcess radio(flags, &memory);
        TempDir dir;
        WriteClone(dir.File("file.t46"), file);
        if (c.blockBackups) std::ofstream(dir.File("backups")) << "not a folder";
        std::vector<std::string> args{"download", "--port", radio.Device(), "file.t46"};
        args.insert(args.end(), c.options.begin(), c.options.end());
        const ProgramRun run = RunCli(dir, args, c.input);
        EXPECT_EQ(run.status, c.status) << run.err;
        ExpectHas(run.err, c.says);
        const CloneImage after = radio.StopAndReadMemory();
        EXPECT_EQ(after == memory, c.after == Unchanged);
        if (c.after == RadioIdentity || c.after == FileIdentity) {
            EXPECT_EQ(DecodeSerialNumber(after), c.after == RadioIdentity ? radioSerial : fileSerial);
        }
        // One backup, of what the radio held, whenever the radio was written.
        const std::filesystem::path backups = dir.Path() / "backups";
        ASSERT_EQ(std::filesystem::is_directory(backups), c.after != Unchanged);
        if (c.after == Unchanged) continue;
        std::filesystem::directory_iterator backup(backups);
        ASSERT_NE(backup, std::filesystem::directory_iterator());
        EXPECT_EQ(ReadImage(backup->path().string()), memory);
        if (c.status == 0) {
            EXPECT_TRUE(Has(run.out, backup->path().filename().string())) << run.out;
        }
        EXPECT_EQ(++backup, std::filesystem::directory_iterator());
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
