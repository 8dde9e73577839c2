#include <gtest/gtest.h>

#include <optional>

#include "core/editor/FrequencyRules.h"
#include "core/util/Frequency.h"

namespace zt46 {
namespace {

struct SnapCase {
    const char* text;
    int amStep;
    int fmStep;
    int rxExpansion;
    std::int32_t hz;
    double shown;
    int mode;
};

class ReceiveSnapTest : public ::testing::TestWithParam<SnapCase> {};

TEST_P(ReceiveSnapTest, ClassifiesClampsAndRounds) {
    const SnapCase& c = GetParam();
    ChannelEntry e;
    e.AmStep = c.amStep;
    e.FmStep = c.fmStep;
    BandContext band;
    band.RxExpansion = c.rxExpansion;
    double mhz = HzToMHz(MHzTextToHz(c.text));
    double shown = -1;
    EXPECT_EQ(SnapReceiveFrequency(e, band, mhz, shown), c.mode);
    EXPECT_EQ(MHzToHz(mhz), c.hz);
    EXPECT_DOUBLE_EQ(shown, c.shown);
}

INSTANTIATE_TEST_SUITE_P(
    Frequencies, ReceiveSnapTest,
    ::testing::Values(
        // 8.33 kHz channels are named by block + 5, 10, 15 kHz.
        SnapCase{"118.000", 0, 5, 0, 118000000, 118.005, kModeAm},
        SnapCase{"118.005", 0, 5, 0, 118008333, 118.010, kModeAm},
        SnapCase{"118.010", 0, 5, 0, 118008333, 118.010, kModeAm},
        SnapCase{"118.015", 0, 5, 0, 118016666, 118.015, kModeAm},
        SnapCase{"136.99", 0, 5, 0, 136975000, 136.980, kModeAm},
        SnapCase{"128.075", 0, 5, 0, 128075000, 128.070, kModeAm}, // named 128.070: the rule as written
        SnapCase{"118.013", 1, 5, 0, 118025000, 118.025, kModeAm},
        SnapCase{"118.012", 1, 5, 0, 118000000, 118.000, kModeAm},
        SnapCase{"150.000", 1, 5, 0, 136975000, 136.975, kModeAm},
        SnapCase{"150.000", 1, 5, 1, 150000000, 150.000, kModeFm},
        SnapCase{"143.99", 1, 5, 1, 143975000, 143.975, kModeAm},
        SnapCase{"170", 1, 5, 1, 165000000, 165.000, kModeFm},
        SnapCase{"100.000", 1, 5, 0, 108000000, 108.000, kModeAm},
        SnapCase{"1", 1, 5, 0, 108000000, 108.000, kModeAm},
        SnapCase{"1180", 1, 5, 0, 136975000, 136.975, kModeAm},    // four digits: 1000 MHz
        SnapCase{"145.003", 1, 3, 1, 145005000, 145.005, kModeFm}, // 15k lies on the 5 kHz raster
        SnapCase{"145.013", 1, 2, 1, 145012500, 145.012, kModeFm},
        SnapCase{"144.015", 1, 1, 1, 144010000, 144.010, kModeFm})); // x = MHz x 10000 x 100 rounds down

TEST(FrequencyRulesTest, WeatherFrequenciesMatchOnlyWithTheWeatherBand) {
    ChannelEntry e;
    e.AmStep = 1;
    BandContext band;
    band.RxExpansion = 1;
    std::array<std::int32_t, 10> weather{};
    weather.fill(118000000);
    weather[3] = 162550000;
    band.SetWeather(weather);
    double mhz = 162.55, shown = 0;
    EXPECT_EQ(SnapReceiveFrequency(e, band, mhz, shown), kModeFm);
    band.WeatherBand = 1;
    mhz = 162.55;
    EXPECT_EQ(SnapReceiveFrequency(e, band, mhz, shown), kModeWx);
    EXPECT_EQ(MHzToHz(mhz), 162550000);
    mhz = 162.55;
    EXPECT_EQ(SnapVfoFrequency(e, band, mhz, shown), kModeFm); // VFOs have no weather match
}

TEST(FrequencyRulesTest, TransmitBandFollowsBothExpansions) {
    ChannelEntry e;
    e.AmStep = 1;
    struct Case {
        double mhz;
        int rx, tx;
        double expected;
    };
    for (const Case& c : {Case{150.0, 0, 0, 136.975}, Case{150.0, 1, 1, 143.975}, Case{150.0, 0, 1, 136.975},
                          Case{150.0, 1, 0, 136.975}, Case{117.0, 0, 0, 118.0}, Case{0.0, 1, 1, 118.0}}) {
        BandContext band;
        band.RxExpansion = c.rx;
        band.TxExpansion = c.tx;
        double mhz = c.mhz, shown = 0;
        SnapTransmitFrequency(e, band, mhz, shown);
        EXPECT_DOUBLE_EQ(mhz, c.expected) << c.mhz << " " << c.rx << c.tx;
    }
}

TEST(FrequencyRulesTest, ResetForModeGivesDefaultsAndClearsSplit) {
    ChannelEntry e;
    e.Mode = kModeFm;
    e.AmStep = 0;
    e.FmStep = 0;
    e.RxGrid833 = 1;
    e.Split = 1;
    e.RxHz = 150003000;
    BandContext band;
    band.RxExpansion = 1;
    ResetForMode(e, band);
    EXPECT_EQ(e.AmStep, 1);
    EXPECT_EQ(e.FmStep, 5);
    EXPECT_EQ(e.RxGrid833, 0);
    EXPECT_EQ(e.RxGrid625Fm, 1);
    EXPECT_EQ(e.TxGrid833, 0);
    EXPECT_EQ(e.Split, 0);
    EXPECT_EQ(e.RxHz, 150000000); // snapped again with the 25k FM step
    EXPECT_DOUBLE_EQ(e.RxDisplay, 150.0);
}

TEST(FrequencyRulesTest, EveryEightThirtyThreeChannelOfTheAirbandStaysPut) {
    // Every 8.33 kHz channel from 118 to 137 MHz keeps its frequency under a second snap.
    ChannelEntry e;
    e.AmStep = 0;
    BandContext band;
    band.RxExpansion = 1;
    for (int n = 14160; n <= 17277; ++n) {
        const std::int32_t hz = n * 25000 / 3;
        double mhz = HzToMHz(hz), shown = 0;
        SnapReceiveFrequency(e, band, mhz, shown);
        ASSERT_EQ(MHzToHz(mhz), hz) << n;
    }
}

TEST(FrequencyRulesTest, ReceiveInBandFollowsTheSettings) {
    struct Case {
        std::int32_t hz;
        int rxExpansion;
        int weatherBand;
        bool inBand;
    };
    const Case cases[] = {
        {108000000, 0, 0, true},  {107999999, 0, 0, false}, {136975000, 0, 0, true},
        {136975001, 0, 0, false}, {143975000, 0, 0, false}, {143975000, 1, 0, true},
        {143990000, 1, 0, false}, {144000000, 1, 0, true},  {165000000, 1, 0, true},
        {165000001, 1, 0, false}, {150000000, 0, 0, false}, {162550000, 0, 0, false},
        {162550000, 0, 1, true},  {162560000, 0, 1, false}, {0, 0, 0, false},
    };
    for (const Case& c : cases) {
        BandContext band;
        band.RxExpansion = c.rxExpansion;
        band.WeatherBand = c.weatherBand;
        std::array<std::int32_t, 10> weather{};
        weather.fill(162400000);
        weather[3] = 162550000;
        band.SetWeather(weather);
        EXPECT_EQ(ReceiveInBand(band, c.hz), c.inBand)
            << c.hz << " ex " << c.rxExpansion << " wx " << c.weatherBand;
    }
}

// A channel name is a whole kilohertz 5, 10 or 15 kHz into its 25 kHz block; its channel is the one the
// 8.33 kHz rounding gives that name to.
TEST(ChannelNameTest, NamesStandForTheirChannels) {
    const std::pair<std::int32_t, std::optional<std::int32_t>> cases[] = {
        {118005000, 118000000},    {118010000, 118008333},    {118015000, 118016666},
        {136980000, 136975000},    {118000000, std::nullopt}, {118020000, std::nullopt},
        {118005500, std::nullopt}, {0, std::nullopt},
    };
    for (const auto& [hz, channel] : cases) {
        EXPECT_EQ(ChannelOfName833(hz), channel) << hz;
        if (!channel) continue;
        // The channel's own name, as the snap shows it, is the name it came from.
        ChannelEntry e;
        e.AmStep = 0;
        double mhz = HzToMHz(*channel);
        double shown = 0;
        SnapReceiveFrequency(e, BandContext{}, mhz, shown);
        EXPECT_EQ(MHzToHz(mhz), *channel) << hz;
        EXPECT_EQ(MHzToHz(shown), hz) << hz;
    }
}

} // namespace
} // namespace zt46
