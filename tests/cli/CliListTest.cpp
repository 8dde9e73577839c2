// zt46 export and import, run as the real program on real files: the options reach the list rules (which
// have tests of their own), the exit statuses, and nothing is written but the named output.
#include <gtest/gtest.h>

#include <filesystem>

#include "CliRun.h"
#include "cli/Command.h"
#include "core/document/FactoryImage.h"

namespace zt46::test {
namespace {

namespace fs = std::filesystem;
using cli::kExitFile;
using cli::kExitOk;
using cli::kExitPartial;
using cli::kExitUsage;

std::string WriteText(const TempDir& dir, const std::string& name, const std::string& text) {
    return WriteBytes(dir.File(name), {text.begin(), text.end()});
}

// The factory image: MR 1 and Book 1 in use at 118.000, every other channel masked.
struct ListFixture {
    TempDir dir;
    std::string radio = WriteClone(dir.File("radio.t46"), FactoryImage());
    // Two rows placed from the first masked channel, one outside the radio's bands, one over MR 1.
    std::string list = WriteText(dir, "list.csv",
                                 "Location,Name,Frequency,Mode\n"
                                 ",Tower,118.5,AM\n"
                                 ",Ground,121.9,AM\n"
                                 ",Far,170.0,AM\n"
                                 "1,Over,119.1,AM\n");

    std::string Export(const std::string& file, const std::string& format = "zt46") {
        const ProgramRun run = RunCli(dir, {"export", file, "--format", format});
        EXPECT_EQ(run.status, kExitOk) << run.err;
        return run.out;
    }
};

TEST(CliList, DryRunPrintsThePreviewAndChangesNothing) {
    ListFixture f;
    const std::vector<unsigned char> before = ReadBytes(f.radio);
    struct Case {
        std::vector<std::string> options;
        std::vector<std::string> shown; // in the preview on stdout
    };
    // Each option reaches the plan: where the rows go, and whether a channel in use is replaced.
    const Case cases[] = {
        {{}, {"MR 2     AM   TOWER    118.500", "MR 3", "refused: channel in use (MR 1)"}},
        {{"--replace"}, {"MR 1     AM   OVER     119.100", "replaces"}},
        {{"--group", "book", "--from", "10", "--ignore-slots"}, {"Book 10", "Book 12", "3 taken"}},
    };
    for (const Case& c : cases) {
        std::vector<std::string> args{"import", "radio.t46", "list.csv", "--dry-run", "-o", "out.t46"};
        args.insert(args.end(), c.options.begin(), c.options.end());
        const ProgramRun run = RunCli(f.dir, args);
        SCOPED_TRACE(c.options.empty() ? "no options" : c.options[0]);
        EXPECT_EQ(run.status, kExitPartial) << run.err;
        ExpectHas(run.out, c.shown);
        ExpectHas(run.err, {"list.csv: line 4: receive frequency outside"});
    }
    // The two files and the runs' stdin, stdout and stderr: no out.t46, no temporary file.
    EXPECT_EQ(std::distance(fs::directory_iterator(f.dir.Path()), fs::directory_iterator()), 5);
    EXPECT_EQ(ReadBytes(f.radio), before);
}

TEST(CliList, RefusedRowsGiveStatus4AndTheOthersAreWritten) {
    ListFixture f;
    const std::vector<unsigned char> before = ReadBytes(f.radio);
    const ProgramRun run = RunCli(f.dir, {"import", "radio.t46", "list.csv", "-o", "out.t46"});
    EXPECT_EQ(run.status, kExitPartial);
    EXPECT_EQ(run.out, "4 rows: 2 taken, 2 refused\n");
    EXPECT_EQ(run.err, "zt46 import: list.csv: line 4: receive frequency outside the radio's range (170.0)\n"
                       "zt46 import: list.csv: line 5: channel in use (MR 1)\n");
    EXPECT_EQ(ReadBytes(f.radio), before);
    ExpectHas(f.Export("out.t46"), {"MR,2,no,AM,TOWER,118.500,", "MR,3,no,AM,GROUND,121.900,"});
}

// -o writes what stdout gets; --format generic reaches the generic list, its whole header first.
TEST(CliList, ExportWritesStdoutOrTheNamedFileInEitherFormat) {
    ListFixture f;
    ASSERT_EQ(RunCli(f.dir, {"export", "radio.t46", "-o", "copy.csv"}).status, kExitOk);
    EXPECT_EQ(ReadText(f.dir.File("copy.csv")), f.Export("radio.t46"));
    const std::string generic = f.Export("radio.t46", "generic");
    EXPECT_EQ(generic.rfind("Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,", 0), 0u) << generic;
}

// A bad list (one: its faults are the list rules'), a list that cannot be opened, a bad clone file or an
// unwritable output: status 2 with the file and place, nothing written.
TEST(CliList, BadListsAndFilesGiveStatus2WithThePlaceAndWriteNothing) {
    ListFixture f;
    WriteText(f.dir, "short.t46", "not a clone file");
    WriteText(f.dir, "word.csv", "Name,Frequency\nA,118.1\nB,abc\n");
    struct Case {
        std::vector<std::string> args;
        std::string message;
    };
    const Case cases[] = {
        {{"import", "radio.t46", "word.csv", "-o", "out.t46"},
         "zt46 import: word.csv: line 3, column 2 (Frequency): not a number"},
        {{"import", "radio.t46", "missing.csv", "-o", "out.t46"}, "zt46 import: missing.csv: cannot open"},
        {{"import", "short.t46", "list.csv", "-o", "out.t46"}, "The File cannot be Opened."},
        {{"export", "radio.t46", "-o", f.dir.File("none/x.csv")}, "Problem opening file"},
    };
    for (const Case& c : cases) {
        const ProgramRun run = RunCli(f.dir, c.args);
        EXPECT_EQ(run.status, kExitFile) << c.message;
        ExpectHas(run.err, {c.message});
        EXPECT_TRUE(run.out.empty()) << run.out;
        EXPECT_FALSE(fs::exists(f.dir.File("out.t46"))) << c.message;
    }
}

TEST(CliList, CommandLinesThatCannotWorkAreRefusedAsUsage) {
    ListFixture f;
    struct Case {
        std::vector<std::string> args;
        const char* message;
    };
    const Case cases[] = {
        {{"import", "radio.t46", "list.csv"}, "name the new clone file with -o OUT.t46"},
        {{"import", "radio.t46", "list.csv", "-o", "radio.t46"}, "import never changes FILE"},
        {{"import", "radio.t46", "list.csv", "-o", "./list.csv"}, "import never changes FILE"},
        {{"import", "radio.t46", "list.csv", "--dry-run", "--format", "csv"}, "--format takes auto, zt46"},
        {{"import", "radio.t46", "list.csv", "--dry-run", "--group", "WX"}, "--group takes MR or Book"},
        {{"import", "radio.t46", "list.csv", "--dry-run", "--group", "Book", "--from", "101"},
         "--from takes a channel of Book, 1 to 100"},
        {{"import", "radio.t46", "list.csv", "--dry-run", "--format", "airports"}, "needs --airports IDENTS"},
        {{"import", "radio.t46", "--dry-run"}, "wrong number of arguments"},
        {{"export", "radio.t46", "--format", "airports"}, "--format takes zt46 or generic"},
    };
    const std::vector<unsigned char> list = ReadBytes(f.list);
    for (const Case& c : cases) {
        const ProgramRun run = RunCli(f.dir, c.args);
        EXPECT_EQ(run.status, kExitUsage) << c.message;
        ExpectHas(run.err, {c.message});
    }
    EXPECT_EQ(ReadBytes(f.list), list);
}

TEST(CliList, AirportRowsGoToTheChosenGroup) {
    ListFixture f;
    WriteText(f.dir, "airports.csv",
              "\"id\",\"airport_ref\",\"airport_ident\",\"type\",\"description\",\"frequency_mhz\"\n"
              "1,2434,\"EGLL\",\"ATIS\",\"ATIS\",128.075\n"
              "2,2434,\"EGLL\",\"TWR\",\"TOWER\",118.5\n"
              "3,2429,\"EGKK\",\"TWR\",\"TOWER\",124.225\n"
              "4,9999,\"KXYZ\",\"TWR\",\"TOWER\",120.1\n");
    const ProgramRun run = RunCli(f.dir, {"import", "radio.t46", "airports.csv", "--airports", "EGKK egll",
                                          "--group", "Book", "--from", "5", "-o", "out.t46"});
    EXPECT_EQ(run.status, kExitOk) << run.err;
    ExpectHas(f.Export("out.t46"), {"Book,5,no,AM,EGKK TWR,124.225,", "Book,6,no,AM,EGLL ATI,128.075,",
                                    "Book,7,no,AM,EGLL TWR,118.500,"});
}

} // namespace
} // namespace zt46::test
