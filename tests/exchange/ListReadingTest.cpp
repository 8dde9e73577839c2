#include <gtest/gtest.h>

#include <filesystem>

#include "ExchangeFixture.h"
#include "exchange/ListValues.h"

namespace zt46 {
namespace {

using exchange_test::ErrorOf;
using exchange_test::ImportFixture;

std::string Utf16(std::string_view ascii, bool bigEndian) {
    std::string out = bigEndian ? "\xFE\xFF" : "\xFF\xFE";
    for (char c : ascii) {
        out += bigEndian ? '\0' : c;
        out += bigEndian ? c : '\0';
    }
    return out;
}

ListResult<ChannelList> Read(std::string_view text, ListReadOptions options = {}) {
    return ReadChannelList(text, options);
}

// ---- Encodings, separators, header names, the CSV grammar ---------------------------------------------

TEST(ListReadingTest, ReadsEveryEncodingAndSeparator) {
    struct Case {
        const char* name;
        std::string bytes;
    };
    const Case cases[] = {
        {"UTF-8, comma", "Name,Frequency\nTWR,118.5\n"},
        {"UTF-8 with its mark, semicolon", "\xEF\xBB\xBFName;Frequency\r\nTWR;118.5\r\n"},
        {"semicolon with a decimal comma", "Name;Frequency\nTWR;118,5\n"},
        {"UTF-16 little-endian, tab", Utf16("Name\tFrequency\r\nTWR\t118.5\r\n", false)},
        {"UTF-16 big-endian, comma", Utf16("Name,Frequency\nTWR,118.500000", true)},
        {"lines ending in CR alone", "Name,Frequency\rTWR,118.5\r"},
    };
    ImportFixture f;
    for (const Case& c : cases) {
        const ChannelList list = f.Read(c.bytes); // a refusal fails with its message
        ASSERT_EQ(list.rows.size(), 1u) << c.name;
        const ListRow& row = list.rows[0];
        EXPECT_EQ(std::tuple(list.format, row.line, row.rxHz, row.tag),
                  std::tuple(ListFormat::Generic, 2, 118500000, "TWR"))
            << c.name;
    }
}

// Trailing empty fields are no extra columns; only an airport list keeps only the named airports.
TEST(ListReadingTest, FindsColumnsByNameInAnyCaseAndOrderAndDropsNoRowForOthers) {
    ImportFixture f;
    const ChannelList list = f.Read(" skip ;COMMENT; Extra ;frequency;NAME ;location\nS;x;y;121.5;Guard;7\n");
    ASSERT_EQ(list.rows.size(), 1u);
    const ListRow& row = list.rows[0];
    EXPECT_EQ(std::tuple(row.index, row.rxHz, row.tag, row.scan), std::tuple(6, 121500000, "GUARD", false));
    EXPECT_EQ(f.Read("Name,Frequency\nA,118.0,,\n").rows.size(), 1u);
    EXPECT_EQ(f.Read("Name,Frequency,airport_ident\nA,118.0,EGLL\nB,118.1,EGKK\n").rows.size(), 2u);
}

TEST(ListReadingTest, QuotedFieldsKeepSeparatorsQuotesAndLineBreaks) {
    ImportFixture f;
    const ChannelList list = f.Read("Name,Frequency,Comment\n"
                                    "\n"
                                    "\"Tower \"\"A\"\", main\",118.1,\"two\n"
                                    "lines\"\n"
                                    "   \n"
                                    "\" Gnd\",121.9,\n"
                                    ",,,\n"
                                    "App,119.2,last");
    ASSERT_EQ(list.rows.size(), 3u);
    // Quotes and the comma are outside the radio's set; a quoted leading blank stays; the row of empty
    // fields counts as blank.
    const ListRow &a = list.rows[0], &b = list.rows[1], &c = list.rows[2];
    EXPECT_EQ(std::tuple(a.line, a.tag, a.listedName), std::tuple(3, "TOWER  A", "Tower \"A\", main"));
    EXPECT_EQ(std::tuple(b.line, b.tag, c.line, c.rxHz), std::tuple(6, " GND", 8, 119200000));
}

// ---- Bad input: one message naming the place, nothing read ---------------------------------------------

TEST(ListReadingTest, BadInputIsRefusedWithItsPlaceInTheMessage) {
    struct Case {
        const char* name;
        std::string bytes;
        ListErrorKind kind;
        int line, column;
        ListReadOptions options = {};
    };
    const ListReadOptions zt46{ListFormat::Zt46, {}}, twoAirports{std::nullopt, {"EGLL", "EGXX"}};
    const Case cases[] = {
        {"control character", "Name,Frequency\r\nA,118.0\rB\x01,118.1\n", ListErrorKind::NotText, 3, 0},
        {"binary", std::string("\x89PNG\r\n\x1A\n\0\0", 10), ListErrorKind::NotText, 2, 0},
        {"UTF-16 cut short", "\xFF\xFEN\0a", ListErrorKind::NotText, 0, 0},
        {"nothing but blank lines", "\n  \n\r\n", ListErrorKind::NoHeader, 0, 0},
        {"no frequency column", "\nName,Comment\nA,b\n", ListErrorKind::NoFrequencyColumn, 2, 0},
        {"chosen format's column missing", "Name,Frequency\nA,118\n", ListErrorKind::NoFrequencyColumn, 1, 0,
         zt46},
        {"quote never closed", "Name,Frequency\nA,118.0\n\"B,118.1\nC,118.2\n", ListErrorKind::UnclosedQuote,
         3, 1},
        {"quote never closed after a field over two lines",
         "Name,Frequency,Comment\nA,\"118\n.0\",\"open\nz\n", ListErrorKind::UnclosedQuote, 3, 3},
        {"quote inside an unquoted field", "Name,Frequency\nA\"B,118.0\n", ListErrorKind::StrayQuote, 2, 1},
        {"text after a closing quote", "Name,Frequency\nA,\"118.0\"x\n", ListErrorKind::StrayQuote, 2, 2},
        {"more fields than the header", "Name,Frequency\nA,118.0,x\n", ListErrorKind::TooManyFields, 2, 3},
        {"frequency not a number", "Name,Frequency\nA,118.0\nB,1l8.0\n", ListErrorKind::BadValue, 3, 2},
        {"two decimal marks", "Name;Frequency\nA;118.0,5\n", ListErrorKind::BadValue, 2, 2},
        {"column named twice", "Frequency,Name,frequency\n118,A,119\n", ListErrorKind::DuplicateColumn, 1, 3},
        {"location not a number", "Location,Frequency\nx,118\n", ListErrorKind::BadValue, 2, 1},
        {"unknown duplex", "Frequency,Duplex\n118,up\n", ListErrorKind::BadValue, 2, 2},
        {"unknown group", "Group,Channel,Receive\nVFO,1,118.000\n", ListErrorKind::BadValue, 2, 1},
        {"unknown step", "Group,Channel,Receive,AM Step\nMR,2,118.000,7k\n", ListErrorKind::BadValue, 2, 4},
        {"unknown flag", "Group,Channel,Receive,Scan\nMR,2,118.000,maybe\n", ListErrorKind::BadValue, 2, 4},
        {"airport list without airports", "airport_ident,type,frequency_mhz\nEGLL,TWR,118.5\n",
         ListErrorKind::NoAirports, 0, 0},
        {"airport not in the list", "airport_ident,type,frequency_mhz\nEGLL,TWR,118.5\n",
         ListErrorKind::AirportMissing, 0, 0, twoAirports},
    };
    for (const Case& c : cases) {
        const ListError error = ErrorOf(Read(c.bytes, c.options));
        EXPECT_EQ(std::tuple(error.kind, error.line, error.column), std::tuple(c.kind, c.line, c.column))
            << c.name << ": " << error.Text();
    }
    // The message names the line, the column and its header.
    EXPECT_EQ(ErrorOf(Read("Name,Frequency\nB,abc\n")).Text(),
              "line 2, column 2 (Frequency): not a number of MHz: \"abc\"");
}

TEST(ListReadingTest, RowAndSizeLimits) {
    std::string list = "Frequency\n";
    for (int i = 0; i < 10000; ++i)
        list += "118.0\n";
    EXPECT_TRUE(std::holds_alternative<ChannelList>(Read(list)));
    list += "118.0\n";
    const ListError rows = ErrorOf(Read(list));
    EXPECT_EQ(std::pair(rows.kind, rows.line), std::pair(ListErrorKind::TooManyRows, 10002));

    EXPECT_EQ(ErrorOf(Read(std::string(kMaxListBytes + 1, ' '))).kind, ListErrorKind::TooLarge);
    test::TempDir dir;
    const std::string big = dir.File("big.csv");
    test::WriteBytes(big, {'F'});
    std::filesystem::resize_file(big, kMaxListBytes + 1); // refused by its size, not by reading it
    EXPECT_EQ(ErrorOf(ReadChannelListFile(big, {})).kind, ListErrorKind::TooLarge);
    EXPECT_EQ(ErrorOf(ReadChannelListFile(dir.File("missing.csv"), {})).kind, ListErrorKind::Unreadable);
    EXPECT_EQ(ErrorOf(ReadChannelListFile(dir.Path().string(), {})).kind, ListErrorKind::Unreadable);

    // The bytes a caller keeps to read the list again come back unchanged, a byte-order mark included.
    const std::string utf16 = Utf16("Frequency\r\n118.5\r\n", false);
    const std::string small =
        test::WriteBytes(dir.File("small.csv"), std::vector<unsigned char>(utf16.begin(), utf16.end()));
    EXPECT_EQ(std::get<std::string>(ReadListBytes(small)), utf16); // an error throws: the test fails
    EXPECT_EQ(ErrorOf(ReadListBytes(small, utf16.size() - 1)).kind, ListErrorKind::TooLarge);
}

TEST(ListReadingTest, AirportListCountsOnlyTheNamedAirportsRows) {
    // The public list has tens of thousands of rows; only the named airports' rows count against the limit.
    std::string list =
        "\"id\",\"airport_ref\",\"airport_ident\",\"type\",\"description\",\"frequency_mhz\"\n";
    for (int i = 0; i < 20000; ++i)
        list += std::to_string(i) + ",1,\"K" + std::to_string(i) + "\",\"TWR\",\"TOWER\",118.3\n";
    list += "99999,2,\"EGLL\",\"TWR\",\"TOWER\",118.5\n";
    ImportFixture f;
    const ChannelList read = f.Read(list, {std::nullopt, {"egll"}});
    ASSERT_EQ(read.rows.size(), 1u);
    EXPECT_EQ(std::pair(read.format, read.rows[0].line), std::pair(ListFormat::Airports, 20002));
}

// ---- Values ------------------------------------------------------------------------------------------

TEST(ListValuesTest, MegahertzTexts) {
    struct Case {
        const char* text;
        bool commaIsDecimal;
        std::optional<std::int64_t> hz;
    };
    const Case cases[] = {
        {"118.5", false, 118500000},       {" 136.975 ", false, 136975000},   {"118", false, 118000000},
        {"118.0083333", false, 118008333}, {"118.0083335", false, 118008334}, {".5", false, 500000},
        {"121,5", true, 121500000},        {"121,5", false, std::nullopt},    {"", false, std::nullopt},
        {"1.2.3", false, std::nullopt},    {"1e2", false, std::nullopt},      {"-5", false, -5000000},
        {"12345678", false, 999999000000},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ParseMHz(c.text, c.commaIsDecimal), c.hz) << c.text;
}

TEST(ListValuesTest, ChannelNamesAndEightThirtyThreeFrequencies) {
    struct Case {
        std::int64_t hz;
        std::optional<std::int64_t> named;   // as a channel name
        std::optional<std::int64_t> nearest; // as a written 8.33 kHz frequency
    };
    const Case cases[] = {
        {118005000, 118000000, std::nullopt},    {118010000, 118008333, std::nullopt},
        {118015000, 118016666, std::nullopt},    {118000000, std::nullopt, std::nullopt},
        {118025000, std::nullopt, std::nullopt}, {118020000, std::nullopt, std::nullopt},
        {132005000, 132000000, std::nullopt},    {118008330, std::nullopt, 118008333},
        {118016700, std::nullopt, 118016666},    {118012000, std::nullopt, std::nullopt},
        {145005000, std::nullopt, std::nullopt}, // FM: names belong to the airband
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ChannelNameHz(c.hz), c.named) << c.hz;
        EXPECT_EQ(Nearest833Hz(c.hz), c.nearest) << c.hz;
    }
}

TEST(ListValuesTest, TagsAreMadeAsTheGridMakesThem) {
    struct Case {
        const char *text, *tag;
    };
    const Case cases[] = {{"egll twr", "EGLL TWR"}, {"EGLL ATIS", "EGLL ATI"},
                          {"a+b=c*d/", "A+B=C*D/"}, {"x:y-z_(1)", "X:Y-Z_(1"},
                          {"Zürich", "Z RICH"},     {"\xE2\x82\xAC\x35", " 5"}, // €5
                          {"a,b;c!", "A B C "},     {"", ""}};
    for (const Case& c : cases)
        EXPECT_EQ(MakeTag(c.text), c.tag) << c.text;
}

} // namespace
} // namespace zt46
