// zt46 download's identity and read-back options, and zt46 diff, as the real program against the
// simulated radio.
#include <gtest/gtest.h>

#include "core/image/Codecs.h"
#include "support/RadioProcess.h"

namespace zt46::test {
namespace {

ProgramRun RunCli(const TempDir& dir, std::vector<std::string> args) {
    args.insert(args.begin(), ZT46_CLI);
    return RunProgram(dir, std::move(args));
}

bool Has(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

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
