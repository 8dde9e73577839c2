#include <gtest/gtest.h>

#include "core/util/Digits.h"
#include "core/util/FileChecks.h"
#include "core/util/Frequency.h"
#include "core/util/Messages.h"
#include "core/util/PortProblems.h"
#include "core/util/PrivilegedMode.h"
#include "core/util/StartArguments.h"
#include "core/util/TextFormat.h"
#include "support/TestSupport.h"

namespace zt46 {
namespace {

TEST(FrequencyTest, MHzTextToHzConvertsThroughText) {
    const std::pair<const char*, std::int32_t> cases[] = {
        {"118.5", 118500000},        {"12", 12000000},    {"12.5", 12500000},
        {"1234.5", kInvalidHz},      {"5", 5000000},      {"1234", kInvalidHz},
        {"136.975", 136975000},      {"118", 118000000},  {".5", 500000},
        {"1180", kInvalidHz},        {"118.", 118000000}, {"99999.", kInvalidHz},
        {"118.0083333", 1180083333},
    };
    for (const auto& [text, hz] : cases)
        EXPECT_EQ(MHzTextToHz(text), hz) << text;
    // Empty is 0; the blank ends the number before the appended zeros; the count stops at its maximum.
    EXPECT_EQ(std::tuple(MHzTextToHz(""), MHzTextToHz("12 "), MHzTextToHz("1.99999999999")),
              std::tuple(0, 12, 2147483647));
}

// The exact conversion is checked against the text path below; these pin the text path itself, and the
// way back divides twice.
TEST(FrequencyTest, MHzToHzRoundsToTheNearestHertzThroughTextAndBack) {
    // 0.30000000000000004 prints as 0.300000.
    EXPECT_EQ(std::tuple(MHzToHz(118.008333), MHzToHz(0.1 + 0.2), MHzToHz(1000.0), MHzToHz(-5.0)),
              std::tuple(118008333, 300000, kInvalidHz, -5000000));
    EXPECT_EQ(HzToMHz(144015000), 144.015);
}

// The serial number's digits: the report's golden holds '*' and '#', nothing the letters.
TEST(DigitsTest, NibbleDigitsAndTagCharacterCodes) {
    std::string digits;
    for (int n = 0; n <= 16; ++n)
        digits += NibbleToDigit(n);
    EXPECT_EQ(digits, "0123456789ABCD*#-");
    // 'a', '!' and '.' are no tag characters: their code 64 gives none back.
    const std::pair<char, int> cases[] = {
        {'0', 0},          {'9', 9},          {'A', 10}, {'Z', 35}, {' ', 36}, {'(', 37}, {'/', 42},
        {kTagSymbol1, 43}, {kTagSymbol3, 45}, {':', 46}, {'_', 48}, {'a', 64}, {'!', 64}, {'.', 64},
    };
    for (const auto& [c, code] : cases) {
        EXPECT_EQ(TagCharToCode(c), code) << c;
        EXPECT_TRUE(code == 64 || TagCodeToChar(code) == c) << c;
    }
    EXPECT_EQ(std::pair(TagCodeToChar(49), TagCodeToChar(255)), std::pair('\0', '\0'));
}

// The checks' outcomes for missing, short and long files are DocumentTest's (Open, the default file, the
// command line); a folder is no clone file, no name is no file, and an empty file cannot be read.
TEST(FileChecksTest, FoldersAndEmptyNamesAreNoCloneFiles) {
    test::TempDir dir;
    EXPECT_EQ(CheckCloneFileStatus(dir.Path().string(), 4104), FileStatus::WrongSize);
    EXPECT_EQ(CheckFileReadable(""), FileStatus::CannotOpen);
    EXPECT_EQ(CheckFileReadable(test::WriteBytes(dir.File("empty.t46"), {})), FileStatus::CannotRead);
}

// A message's placeholders are filled once: an argument holding one is taken as it is. Padding counts
// characters ("°C" in the busy report's golden) and never cuts; a file's name is taken after any folder,
// the report's golden showing one after a slash.
TEST(TextFormatTest, PlaceholdersPaddingAndFileNames) {
    EXPECT_EQ(FormatString(IDS_COPY_CHANNEL, "%2", "x"), "Do you copy %2 data to x?\n(Only visible columns)");
    EXPECT_FALSE(HasString(7));
    EXPECT_EQ(PadRight("toolong", 3), "toolong");
    EXPECT_EQ(std::tuple(FileNamePart("C:\\x\\y.t46"), FileNamePart("C:y.t46"), FileNamePart("<none>")),
              std::tuple("y.t46", "y.t46", "<none>"));
}

TEST(FrequencyTest, ExactMHzToHzAgreesWithTheTextPath) {
    // Values around every kind of boundary: hertz ties, 8.33 kHz fractions, the 3-character integer part.
    std::vector<double> values = {0.0,       -0.0,        1e-9,        -1e-9,      0.0000005,   0.0000015,
                                  0.0000025, 99.9999995,  -99.9999995, -9.9999995, 999.9999994, 999.9999996,
                                  -0.5,      118.0083333, 136.975,     144.015};
    for (int i = 0; i < 200000; ++i)
        values.push_back(100.0 + i * 0.000333333 + (i % 7) * 1e-7);
    for (int i = 0; i < 20000; ++i)
        values.push_back(-99.0 + i * 0.00987654321);
    for (int n = 14000; n < 17300; ++n)
        values.push_back((n * 25000 / 3) / 1000000.0);
    for (double v : values)
        ASSERT_EQ(MHzToHz(v), MHzToHzByText(v)) << std::hexfloat << v;
}

PortProblemFacts Facts(PortProblem problem, std::string group = {}, bool grants = false,
                       bool joined = false) {
    return {
        problem, "/dev/ttyUSB0", std::move(group), grants, "pat", joined, "Inappropriate ioctl for device"};
}

// Every text keeps message 80 as its first line and names the device; the rest says what to do. The
// texts of a missing, busy or non-serial device are PortAccessTest's, through the real program.
TEST(PortProblemTextTest, NamesTheDeviceAndTheRemedy) {
    struct Case {
        const char* name;
        PortProblemFacts facts;
        std::vector<std::string> says, never;
    };
    const Case cases[] = {
        {"missing", Facts(PortProblem::NotFound), {"cable is plugged in"}, {}},
        {"group grants",
         Facts(PortProblem::NoPermission, "dialout", true),
         {"(pat) has no permission", "group \"dialout\"", "sudo adduser pat dialout", "log in again"},
         {"administrator"}},
        {"joined since login",
         Facts(PortProblem::NoPermission, "dialout", true, true),
         {"is a member of the group \"dialout\"", "log out and log in again"},
         {"adduser"}},
        {"group cannot grant",
         Facts(PortProblem::NoPermission, "root", false),
         {"has no permission", "administrator"},
         {"adduser", "\"root\""}},
        {"other", Facts(PortProblem::Other), {": Inappropriate ioctl for device"}, {}},
    };
    for (const Case& c : cases) {
        const std::string text = PortProblemText(c.facts);
        EXPECT_EQ(text.rfind("Problem with COM port\r\n/dev/ttyUSB0", 0), 0u) << text;
        for (const std::string& part : c.says)
            EXPECT_NE(text.find(part), std::string::npos) << c.name << ": " << part << " not in: " << text;
        for (const std::string& part : c.never)
            EXPECT_EQ(text.find(part), std::string::npos) << c.name << ": " << part << " in: " << text;
    }
}

TEST(PrivilegedModeTest, ServicePasswordInEitherCase) {
    struct Case {
        const char* typed;
        bool accepted;
    };
    for (const Case& c : {Case{"kumo-hikari", true}, Case{"KUMO-Hikari", true}, Case{"kumo-hikari ", false},
                          Case{"kumo-hikar", false}, Case{"kumo_hikari", false}, Case{"", false}})
        EXPECT_EQ(IsServicePassword(c.typed), c.accepted) << c.typed;
}

TEST(StartArgumentsTest, SwitchesAreNeverPartOfAFileName) {
    struct Case {
        std::vector<std::string> arguments;
        Privilege privilege;
        std::string file;
        std::vector<std::string> ignored;
    };
    const Privilege N = Privilege::Normal, P = Privilege::Privileged;
    for (const Case& c :
         {Case{{}, N, "", {}}, Case{{"-m"}, P, "", {}}, Case{{"/M"}, P, "", {}},
          Case{{"-M", "x.T46"}, N, "x.T46", {}}, Case{{"-m", "--later-option"}, P, "", {"--later-option"}},
          Case{{"my radio.t46"}, N, "my radio.t46", {}}, Case{{"a.t46", "b.t46"}, N, "a.t46", {"b.t46"}},
          Case{{"-x", "a.t46"}, N, "a.t46", {"-x"}}, Case{{"--", "-m"}, N, "-m", {}}, Case{{"m"}, N, "m", {}},
          Case{{"/mm"}, N, "/mm", {}}}) {
        const StartRequest r = ParseStartArguments(c.arguments);
        EXPECT_EQ(std::tie(r.privilege, r.file, r.ignored), std::tie(c.privilege, c.file, c.ignored))
            << testing::PrintToString(c.arguments);
    }
}

} // namespace
} // namespace zt46
