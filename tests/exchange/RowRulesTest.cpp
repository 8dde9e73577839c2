#include <gtest/gtest.h>

#include "ExchangeFixture.h"

namespace zt46 {
namespace {

using exchange_test::ImportFixture;

constexpr const char* kGeneric = "Location,Name,Frequency,Duplex,Offset,Mode,TStep,Skip\n";
constexpr const char* kAirports = "id,airport_ref,airport_ident,type,description,frequency_mhz\n";
constexpr const char* kZt46 =
    "Group,Channel,Masked,Mode,Tag,Receive,Transmit,AM Step,FM Step,Clock Shift,Tag Display,Scan,Split\n";

struct RowCase {
    const char *name, *row;
    const char* channel; // where the row goes; "" when refused
    const char* cells;   // columns Mode .. split as the grid will show them, joined by '|'
    RowRefusal refusal = RowRefusal::None;
    int rxExpansion = 0;
};

// One row under its header, imported into the factory document (placed rows go to MR 2 on, the first
// masked channel), airport rows for EGLL. The rows a list of our own writes (and reads back whole) are
// RoundTripTest's; these are the rows only other programs write.
void CheckRows(const char* header, std::initializer_list<RowCase> cases) {
    for (const RowCase& c : cases) {
        ImportFixture f(0, c.rxExpansion);
        const ImportPlan plan = f.Plan(std::string(header) + c.row, {}, {std::nullopt, {"EGLL"}});
        ASSERT_EQ(plan.rows.size(), 1u) << c.name;
        const PlannedRow& row = plan.rows[0];
        EXPECT_EQ(row.refusal, c.refusal) << c.name << ": " << RefusalText(row.refusal);
        if (c.refusal != RowRefusal::None) continue;
        EXPECT_EQ(SlotName(row.index), c.channel) << c.name;
        std::string cells;
        for (std::size_t i = 1; i < row.cells.size(); ++i)
            cells += (i > 1 ? "|" : "") + row.cells[i];
        EXPECT_EQ(cells, c.cells) << c.name;
    }
}

TEST(RowRulesTest, GenericRows) {
    CheckRows(
        kGeneric,
        {
            {"AM 25k", "2,Tower,118.5,,,AM,,", "MR 2", "AM|TOWER   |118.500|-------|25k|----|-|-|v|Simplex"},
            {"8.33 kHz channel name", "3,App,132.005,,,AM,,", "MR 3",
             "AM|APP     |132.005|-------|8.33k|----|-|-|v|Simplex"},
            {"8.33 kHz frequency cut short", "3,App,132.0167,,,,,", "MR 3",
             "AM|APP     |132.015|-------|8.33k|----|-|-|v|Simplex"},
            {"25 kHz channel with the 8.33 step", "4,X,118.000,,,AM,8.33,", "MR 4",
             "AM|X       |118.005|-------|8.33k|----|-|-|v|Simplex"},
            {"off the raster: a 25 kHz channel", "5,X,118.012,,,AM,,S", "MR 5",
             "AM|X       |118.000|-------|25k|----|-|-|-|Simplex"},
            {"FM step from the raster", "6,Ham,146.52,,,FM,,", "MR 6",
             "FM|HAM     |146.520|-------|----|5k|-|-|v|Simplex", RowRefusal::None, 1},
            {"NFM counts as FM", "7,N,145.5,,,NFM,,", "MR 7",
             "FM|N       |145.500|-------|----|25k|-|-|v|Simplex", RowRefusal::None, 1},
            {"duplex plus", "10,D,110.0,+,10.0,AM,,", "MR 10",
             "AM|D       |110.000|120.000|25k|----|-|-|v|Split"},
            {"duplex minus, clamped into the transmit band", "10,D,115.0,-,0.5,AM,,", "MR 10",
             "AM|D       |115.000|118.000|25k|----|-|-|v|Split"},
            {"duplex split where the radio has none", "12,S,125.0,split,121.5,AM,,", "MR 12",
             "AM|S       |125.000|-------|25k|----|-|-|v|Simplex"},
            {"duplex off", "13,O,110.5,off,1,AM,,", "MR 13",
             "AM|O       |110.500|-------|25k|----|-|-|v|Simplex"},
            {"last Book channel", "250,B,119.1,,,,,", "Book 100",
             "AM|B       |119.100|-------|25k|----|-|-|v|Simplex"},
            {"no location: the next masked channel", ",N,119.0,,,,,", "MR 2",
             "AM|N       |119.000|-------|25k|----|-|-|v|Simplex"},
            {"FM without the receive expansion", "6,Ham,145.5,,,FM,,", "", "", RowRefusal::OutOfRange},
            {"a channel name above the band", "16,Hi,136.990,,,,,", "", "", RowRefusal::OutOfRange},
            {"another mode", "8,U,118.5,,,USB,,", "", "", RowRefusal::UnsupportedMode},
            {"no frequency", "9,Empty,,,,,,", "", "", RowRefusal::NoFrequency},
            {"location beyond the radio", "261,X,118.5,,,,,", "", "", RowRefusal::NoSuchChannel},
            {"location 0", "0,X,118.5,,,,,", "", "", RowRefusal::NoSuchChannel},
            {"a weather channel on another frequency", "251,X,118.5,,,,,", "", "",
             RowRefusal::WeatherFrequency},
        });
}

TEST(RowRulesTest, AirportRows) {
    CheckRows(kAirports, {
                             {"tower", "1,2434,EGLL,TWR,TOWER,118.5", "MR 2",
                              "AM|EGLL TWR|118.500|-------|25k|----|-|-|-|Simplex"},
                             {"8.33 kHz channel name", "3,2434,EGLL,APP,APPROACH,132.005", "MR 2",
                              "AM|EGLL APP|132.005|-------|8.33k|----|-|-|-|Simplex"},
                             {"any other value is a 25 kHz channel", "4,2434,EGLL,GND,GROUND,121.520", "MR 2",
                              "AM|EGLL GND|121.525|-------|25k|----|-|-|-|Simplex"},
                             {"FM frequency", "5,2434,EGLL,OPS,OPS,150.0", "", "", RowRefusal::NotAm, 1},
                             {"no frequency", "7,2434,EGLL,UNIC,UNICOM,", "", "", RowRefusal::NoFrequency},
                         });
}

TEST(RowRulesTest, Zt46Rows) {
    CheckRows(kZt46,
              {
                  {"first channel of a block", "MR,5,no,AM,TWR,118.005,-------,8.33k,----,-,-,-,Simplex",
                   "MR 5", "AM|TWR     |118.005|-------|8.33k|----|-|-|-|Simplex"},
                  {"no group, no channel: placed", ",,no,AM,P,119.000,-------,25k,----,-,-,-,Simplex", "MR 2",
                   "AM|P       |119.000|-------|25k|----|-|-|-|Simplex"},
                  {"beyond the group", "Book,101,no,AM,,119.000,-------,25k,----,-,-,-,Simplex", "", "",
                   RowRefusal::NoSuchChannel},
              });
}

TEST(RowRulesTest, NotesSayWhatAChannelDidNotTake) {
    ImportFixture f;
    const ImportPlan plan = f.Plan(std::string(kGeneric) + "2,F,120.0,,,FM,,\n3,S,125.0,split,121.5,AM,,\n" +
                                   "1,M,118.0,,,AM,,\n");
    ASSERT_EQ(plan.rows.size(), 3u);
    EXPECT_EQ(plan.rows[0].notes, std::vector<std::string>{"mode follows the frequency: AM"});
    EXPECT_EQ(plan.rows[1].notes, std::vector<std::string>{"no split at this receive frequency: simplex"});
    const ImportPlan masked = f.Plan(
        std::string(kZt46) + "MR,1,yes,AM,,118.000,-------,25k,----,-,-,-,Simplex\n", {kGroupMr, 1, true});
    EXPECT_EQ(std::pair(masked.rows[0].masked, masked.rows[0].notes),
              std::pair(false, std::vector<std::string>{"MR 1 is never masked"}));
}

TEST(RowRulesTest, WeatherChannelsTakeOnlyTheirScanFlag) {
    ImportFixture f(1);
    const ImportPlan plan = f.Plan(
        std::string(kZt46) + "WX,3,no,WX,NOAA,162.450,-------,----,25k,v,v,v,Simplex\n", {kGroupMr, 1, true});
    ASSERT_TRUE(plan.rows[0].Accepted()) << RefusalText(plan.rows[0].refusal);
    const PlannedRow& row = plan.rows[0];
    EXPECT_EQ(std::tuple(row.cells[kColScan], row.cells[kColClockShift], row.notes),
              std::tuple("v", "-", std::vector<std::string>{"a weather channel keeps its tag"}));
}

} // namespace
} // namespace zt46
