#include <gtest/gtest.h>

#include "support/TestSupport.h"

#include "core/document/FactoryImage.h"
#include "core/editor/ChannelTable.h"
#include "core/image/Fields.h"
#include "core/image/SettingsGroups.h"

namespace zt46 {
namespace {

using test::Record;
using test::SetRecord;

struct Loaded {
    CloneImage image = FactoryImage();
    SystemSettings system;
    ChannelTable table;
    void Load() {
        system.Load(image);
        table.Load(image, system);
    }
};

TEST(ChannelTableTest, BlankChannelSlotBecomesVfoACopy) {
    Loaded t;
    std::fill_n(Record(t.image, 4) + 10, 2, 0xFF);
    t.image[kVfoAOffset + 2] = 10; // VFO A tag starts with "A"
    std::fill_n(&t.image[kVfoBOffset + 10], 2, 0xFF);
    t.Load();
    const std::uint8_t expected[14] = {0x0D, 0x48, 10,   0x24, 0x24, 0x24, 0x24,
                                       0x24, 0x24, 0x24, 0x49, 0xC0, 0x49, 0xC0};
    EXPECT_TRUE(std::equal(std::begin(expected), std::end(expected), Record(t.image, 4)));
    EXPECT_EQ(std::pair(t.table.Entry(4).RxHz, t.table.Entry(4).Tag[0]), std::pair(118000000, 'A'));
    EXPECT_EQ(t.image[kVfoBOffset + 10], 0xFF); // the VFO records are never replaced
}

TEST(ChannelTableTest, MaskBitsLeastSignificantBitFirst) {
    Loaded t;
    t.Load();
    // Factory: everything masked except MR 1 (bit 0 of byte 8) and Book 1 (index 150: byte 26 bit 6).
    for (int i = 0; i < kMaskedChannelCount; ++i)
        EXPECT_EQ(t.table.Entry(i).Masked, i == 0 || i == 150 ? 0 : 1) << i;
    t.table.Entry(9).Masked = 0;
    t.table.Store(t.image, t.system);
    // Byte 39 bits 2..7: Weather channels, never masked.
    EXPECT_EQ(std::tuple(t.image[9], t.image[26], t.image[39]), std::tuple(0xFD, 0xBF, 0x03));
}

TEST(ChannelTableTest, CurrentChannelsMustBeInUse) {
    struct Case {
        std::uint8_t mr, book, expectedMr, expectedBook;
    };
    for (const Case& c : {Case{0, 0, 0, 0}, Case{200, 120, 0, 0}, Case{5, 7, 0, 0}, Case{9, 3, 9, 3}}) {
        Loaded t;
        t.Load();
        t.table.Entry(9).Masked = 0;
        t.table.Entry(153).Masked = 0;
        t.image[kCurrentMrChannelOffset] = c.mr;
        t.image[kCurrentBookChannelOffset] = c.book;
        t.table.Store(t.image, t.system);
        EXPECT_EQ(std::pair(t.image[kCurrentMrChannelOffset], t.image[kCurrentBookChannelOffset]),
                  std::pair(c.expectedMr, c.expectedBook));
    }
}

// Without the weather band the groups alternate MR, Book; with it Weather comes third.
TEST(ChannelTableTest, GroupNavigation) {
    ChannelTable table;
    std::vector<int> seen;
    for (int weatherBand : {0, 0, 0, 0, 1, 1, 1}) {
        table.NextGroup(weatherBand);
        seen.push_back(table.CurrentGroup());
    }
    EXPECT_EQ(seen, (std::vector<int>{1, 0, 1, 0, 1, 2, 0}));
    table.NextGroup(1);
    EXPECT_EQ(std::pair(table.FirstNumber(), table.CurrentIndex()), std::pair(151, 150));
    EXPECT_EQ(std::tuple(ChannelTable::GroupOf(149), ChannelTable::GroupOf(250), ChannelTable::GroupOf(260)),
              std::tuple(kGroupMr, kGroupWeather, kGroupCount)); // numbers in a group: CellTextTest
}

TEST(ChannelTableTest, LoadAppliesTheFrequencyRules) {
    Loaded t;
    // MR 2: AM split at 120 MHz (split is cleared), tx 140 MHz.
    SetRecord(t.image, 1, {0x08, 0x49, 36, 36, 36, 36, 36, 36, 36, 36, 0x4B, 0x00, 0x57, 0x80});
    // MR 3: AM split at 110 MHz, tx high byte 0 (transmits on receive frequency, snapped into 118..136.975).
    SetRecord(t.image, 2, {0x08, 0x49, 36, 36, 36, 36, 36, 36, 36, 36, 0x44, 0xC0, 0x00, 0x00});
    // MR 4: AM record at 150 MHz with RX expansion: becomes FM with the default steps.
    SetRecord(t.image, 3, {0x00, 0xC0, 36, 36, 36, 36, 36, 36, 36, 36, 0x46, 0x50, 0x49, 0xC0});
    SetField(t.image, fields::RxExpansion, 1);
    t.Load();
    EXPECT_EQ(std::tuple(t.table.Entry(1).Split, t.table.Entry(2).Split, t.table.Entry(2).TxHz),
              std::tuple(0, 1, 118000000));
    const ChannelEntry& fm = t.table.Entry(3); // the other defaults are FrequencyRulesTest's
    EXPECT_EQ(std::tuple(fm.Mode, fm.FmStep, fm.RxHz), std::tuple(kModeFm, 5, 150000000));
    // An 8.33 kHz record's decoding and its name are CodecsTest's and FrequencyRulesTest's.
    // Simplex transmit frequency decodes as 0 and is snapped into the transmit band.
    EXPECT_EQ(t.table.Entry(0).TxHz, 118000000);
}

TEST(ChannelTableTest, StoreAfterLoadKeepsAnOnStepImage) {
    Loaded t;
    SetField(t.image, fields::RxExpansion, 1);
    SetRecord(t.image, 3, {0x45, 0x49, 10, 11, 12, 36, 36, 36, 36, 95, 0x5A, 0xA0, 0x00, 0x00});
    SetRecord(t.image, 4, {0x30, 0xA8, 36, 36, 36, 36, 36, 36, 36, 36, 0x37, 0x51, 0x37, 0x51});
    t.Load();
    CloneImage stored = t.image;
    t.table.Store(stored, t.system);
    // The FM record keeps its 6.25 kHz count and its tag; its split is gone (145 MHz), its transmit
    // frequency is the receive one clamped into the transmit band; a code of 49 or more reads as the end
    // of the text and is written back as 64. Bits 5..4 of byte 0 survive.
    const std::uint8_t fm[14] = {0x45, 0x48, 10, 11, 12, 36, 36, 36, 36, 64, 0x5A, 0xA0, 0x55, 0x9C};
    EXPECT_TRUE(std::equal(std::begin(fm), std::end(fm), Record(stored, 3)));
    EXPECT_EQ(std::tuple(Record(stored, 4)[0], Record(stored, 4)[10], Record(stored, 4)[11]),
              std::tuple(0x30, 0x37, 0x51));
}

TEST(ChannelTableTest, WeatherMatchMakesAnMrChannelWx) {
    Loaded t;
    SetField(t.image, fields::WeatherBand, 1);
    SetField(t.image, fields::RxExpansion, 1);
    SetRecord(t.image, 250, {0x80, 0x48, 36, 36, 36, 36, 36, 36, 36, 36, 0x65, 0x98, 0x49, 0xC0});
    SetRecord(t.image, 0, {0x40, 0x49, 36, 36, 36, 36, 36, 36, 36, 36, 0x65, 0x98, 0x49, 0xC0}); // FM 162.550
    t.Load();
    const ChannelEntry& mr = t.table.Entry(0);
    EXPECT_EQ(std::tuple(t.table.Entry(250).RxHz, mr.Mode, mr.Split, mr.RxHz),
              std::tuple(162550000, kModeWx, 0, 162550000));
}

} // namespace
} // namespace zt46
