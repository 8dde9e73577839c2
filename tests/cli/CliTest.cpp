// The zt46 tool's file commands in process, and the real program's output and exit status.
#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

#include "CliRun.h"
#include "cli/Command.h"
#include "core/document/FactoryImage.h"

namespace zt46::cli {
namespace {

namespace fs = std::filesystem;
using test::ReadText;

// zt46 run in process.
test::ProgramRun Zt46(std::vector<std::string> args) {
    std::ostringstream out, err;
    CliIo io{out, err, false};
    const int status = Dispatch(args, io);
    return {status, out.str(), err.str()};
}

TEST(CliTest, InfoOnTheBuiltInImage) {
    const test::ProgramRun r = Zt46({"info"});
    EXPECT_EQ(r.status, kExitOk);
    test::ExpectHas(r.out, {"Serial number:    #Q######", "MR 1/150, Book MR 1/100, Weather 10/10",
                            "does not match (stored 81A1, sum of bytes 94..111 2CC0)"});
}

// The check value renewed (info on the factory image says it does not match), the trailer kept.
TEST(CliTest, SaveWritesWhatFileSaveWrites) {
    test::TempDir dir;
    const std::string in =
        test::WriteClone(dir.File("in.T46"), FactoryImage(), ImageTrailer{1, 2, 3, 4, 5, 6, 7, 8});
    const std::string out = dir.File("out.T46");
    ASSERT_EQ(Zt46({"save", in, out}).status, kExitOk);
    const auto bytes = test::ReadBytes(out);
    ASSERT_EQ(bytes.size(), kCloneFileSize);
    EXPECT_EQ(std::pair(bytes[2] << 8 | bytes[3], bytes[4103] + 0), std::pair(0x2CC0, 8));
}

TEST(CliTest, BadInputsGetTheSystemsMessagesAndChangeNothing) {
    test::TempDir dir;
    const std::string good = test::WriteClone(dir.File("good.t46"), FactoryImage());
    const std::string shortFile =
        test::WriteBytes(dir.File("short.t46"), std::vector<unsigned char>(4103, 0));
    const std::string readOnly = test::WriteBytes(dir.File("ro.t46"), {1, 2, 3});
    fs::permissions(readOnly, fs::perms::owner_read);
    struct Case {
        std::vector<std::string> args;
        int status;
        const char* message;
    };
    for (const Case& c : {
             Case{{"info", dir.File("missing.t46")}, kExitFile, "Problem opening file\nFile Name = "},
             Case{{"save", shortFile, dir.File("x.t46")},
                  kExitFile,
                  "The File cannot be Opened.\nThe File's format is invalid"},
             Case{{"save", good, readOnly}, kExitFile, "The File's attribute is Read_Only.\nFile Name = "},
             Case{{}, kExitUsage, "Usage: zt46"},
             Case{{"frobnicate"}, kExitUsage, "unknown command"},
             Case{{"info", "--colour"}, kExitUsage, "unknown option --colour"},
             Case{{"report", "--pdf"}, kExitUsage, "option --pdf needs a value"},
             Case{{"save", good}, kExitUsage, "wrong number of arguments"},
         }) {
        const test::ProgramRun r = Zt46(c.args);
        EXPECT_EQ(r.status, c.status) << r.err;
        test::ExpectHas(r.err, {c.message});
        EXPECT_TRUE(r.out.empty()) << r.out;
    }
    EXPECT_EQ(test::ReadBytes(readOnly), (std::vector<unsigned char>{1, 2, 3}));
    EXPECT_FALSE(fs::exists(dir.File("x.t46")));
}

TEST(CliTest, HelpForTheToolAndEachCommand) {
    const test::ProgramRun tool = Zt46({"--help"});
    EXPECT_EQ(tool.status, kExitOk);
    for (const auto& cmd : MakeCommands()) {
        EXPECT_NE(tool.out.find(cmd->Name()), std::string::npos);
        const test::ProgramRun r = Zt46({cmd->Name(), "--help"});
        EXPECT_EQ(r.status, kExitOk);
        EXPECT_EQ(r.out.rfind("Usage: zt46 " + cmd->Name(), 0), 0u) << cmd->Name();
    }
}

TEST(CliTest, TheProgramWritesNoFileForTheBuiltInImage) {
    test::TempDir dir;
    const test::ProgramRun report = test::RunCli(dir, {"report"});
    EXPECT_EQ(report.status, kExitOk);
    EXPECT_EQ(report.out, ReadText(std::string(ZT46_TEST_DATA) + "/factory.txt"));
    EXPECT_TRUE(report.err.empty());
    EXPECT_FALSE(fs::exists(dir.File("ZT46default.t46")));
}

TEST(CliTest, ReportPdfHoldsThePagesOfTheNamedFileAndNothingGoesToStdout) {
    test::TempDir dir;
    const std::string clone = test::WriteClone(dir.File("named.t46"), FactoryImage());
    struct Case {
        std::vector<std::string> args;
        int status;
        bool written;
    };
    for (const Case& c :
         {Case{{"report", "--pdf", dir.File("no such folder/out.pdf"), clone}, kExitFile, false},
          Case{{"report", clone, "--pdf"}, kExitUsage, false},
          Case{{"report", clone, "--pdf", "out.pdf"}, kExitOk, true}}) {
        const test::ProgramRun run = test::RunCli(dir, c.args);
        EXPECT_EQ(run.status, c.status) << run.err;
        EXPECT_TRUE(run.out.empty()) << run.out;
        EXPECT_EQ(fs::exists(dir.File("out.pdf")), c.written);
    }
    const test::ProgramRun text = test::RunProgram(dir, {"pdftotext", "out.pdf", "-"});
    test::ExpectHas(text.out, {"named.t46", "CHANNEL DATA"});
}

} // namespace
} // namespace zt46::cli
