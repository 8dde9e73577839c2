#include <gtest/gtest.h>

#include <optional>

#include "core/editor/FrequencyRules.h"
#include "core/util/Frequency.h"

namespace zt46 {
namespace {

BandContext Band(int rxExpansion, int txExpansion = 0, int weatherBand = 0) {
    BandContext band;
    band.RxExpansion = rxExpansion;
    band.TxExpansion = txExpansion;
    band.WeatherBand = weatherBand;
    return band;
}

// Ten weather frequencies, the fourth of them 162.550 MHz.
std::array<std::int32_t, 10> Weather(std::int32_t others) {
    std::array<std::int32_t, 10> weather{};
    weather.fill(others);
    weather[3] = 162550000;
    return weather;
}

// The mode a receive snap gives, the frequency it leaves and the value it shows, both in hertz.
std::tuple<int, std::int32_t, std::int32_t> SnapReceive(const ChannelEntry& e, const BandContext& band,
                                                        double mhz) {
    double shown = -1;
    const int mode = SnapReceiveFrequency(e, band, mhz, shown);
    return {mode, MHzToHz(mhz), MHzToHz(shown)};
}

TEST(FrequencyRulesTest, ReceiveSnapClassifiesClampsAndRounds) {
    struct Case {
        const char* text;
        int amStep, fmStep, rxExpansion, mode;
        std::int32_t hz, shown;
    };
    const Case cases[] = {
        // 8.33 kHz channels are named by block + 5, 10, 15 kHz.
        {"118.000", 0, 5, 0, kModeAm, 118000000, 118005000},
        {"118.005", 0, 5, 0, kModeAm, 118008333, 118010000},
        {"118.010", 0, 5, 0, kModeAm, 118008333, 118010000},
        {"118.015", 0, 5, 0, kModeAm, 118016666, 118015000},
        {"136.99", 0, 5, 0, kModeAm, 136975000, 136980000},
        {"128.075", 0, 5, 0, kModeAm, 128075000, 128070000}, // named 128.070: the rule as written
        {"118.013", 1, 5, 0, kModeAm, 118025000, 118025000},
        {"118.012", 1, 5, 0, kModeAm, 118000000, 118000000},
        {"150.000", 1, 5, 1, kModeFm, 150000000, 150000000},
        {"143.99", 1, 5, 1, kModeAm, 143975000, 143975000},
        {"170", 1, 5, 1, kModeFm, 165000000, 165000000},
        {"1", 1, 5, 0, kModeAm, 108000000, 108000000},
        {"1180", 1, 5, 0, kModeAm, 136975000, 136975000},    // four digits: 1000 MHz
        {"145.003", 1, 3, 1, kModeFm, 145005000, 145005000}, // 15k lies on the 5 kHz raster
        {"145.013", 1, 2, 1, kModeFm, 145012500, 145012000},
        {"144.015", 1, 1, 1, kModeFm, 144010000, 144010000}, // x = MHz x 10000 x 100 rounds down
    };
    for (const Case& c : cases) {
        const ChannelEntry e{.AmStep = c.amStep, .FmStep = c.fmStep};
        EXPECT_EQ(SnapReceive(e, Band(c.rxExpansion), HzToMHz(MHzTextToHz(c.text))),
                  std::tuple(c.mode, c.hz, c.shown))
            << c.text;
    }
}

TEST(FrequencyRulesTest, WeatherFrequenciesMatchOnlyWithTheWeatherBand) {
    const ChannelEntry e{.AmStep = 1};
    BandContext band = Band(1);
    band.SetWeather(Weather(118000000));
    EXPECT_EQ(std::get<0>(SnapReceive(e, band, 162.55)), kModeFm);
    band.WeatherBand = 1;
    const auto [mode, hz, shown] = SnapReceive(e, band, 162.55);
    EXPECT_EQ(std::pair(mode, hz), std::pair(kModeWx, 162550000));
    double mhz = 162.55, vfoShown = 0;
    EXPECT_EQ(SnapVfoFrequency(e, band, mhz, vfoShown), kModeFm); // VFOs have no weather match
}

TEST(FrequencyRulesTest, TransmitBandFollowsBothExpansions) {
    struct Case {
        double mhz;
        int rx, tx;
        double expected;
    };
    for (const Case& c : {Case{150.0, 0, 0, 136.975}, Case{150.0, 1, 1, 143.975}, Case{150.0, 0, 1, 136.975},
                          Case{150.0, 1, 0, 136.975}, Case{117.0, 0, 0, 118.0}, Case{0.0, 1, 1, 118.0}}) {
        double mhz = c.mhz, shown = 0;
        SnapTransmitFrequency(ChannelEntry{.AmStep = 1}, Band(c.rx, c.tx), mhz, shown);
        EXPECT_DOUBLE_EQ(mhz, c.expected) << c.mhz << " " << c.rx << c.tx;
    }
}

TEST(FrequencyRulesTest, ResetForModeGivesDefaultsAndClearsSplit) {
    ChannelEntry e{.Mode = kModeFm, .AmStep = 0, .FmStep = 0, .RxGrid833 = 1, .Split = 1, .RxHz = 150003000};
    ResetForMode(e, Band(1));
    EXPECT_EQ(std::tuple(e.AmStep, e.FmStep, e.RxGrid833, e.RxGrid625Fm, e.TxGrid833, e.Split),
              std::tuple(1, 5, 0, 1, 0, 0));
    EXPECT_EQ(e.RxHz, 150000000); // snapped again with the 25k FM step
    EXPECT_DOUBLE_EQ(e.RxDisplay, 150.0);
}

TEST(FrequencyRulesTest, EveryEightThirtyThreeChannelOfTheAirbandStaysPut) {
    // Every 8.33 kHz channel from 118 to 137 MHz keeps its frequency under a second snap.
    for (int n = 14160; n <= 17277; ++n) {
        const std::int32_t hz = n * 25000 / 3;
        ASSERT_EQ(std::get<1>(SnapReceive(ChannelEntry{.AmStep = 0}, Band(1), HzToMHz(hz))), hz) << n;
    }
}

TEST(FrequencyRulesTest, ReceiveInBandFollowsTheSettings) {
    struct Case {
        std::int32_t hz;
        int rxExpansion, weatherBand;
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
        BandContext band = Band(c.rxExpansion, 0, c.weatherBand);
        band.SetWeather(Weather(162400000));
        EXPECT_EQ(ReceiveInBand(band, c.hz), c.inBand)
            << c.hz << " ex " << c.rxExpansion << " wx " << c.weatherBand;
    }
}

// A channel name is a whole kilohertz 5, 10 or 15 kHz into its 25 kHz block; its channel is the one the
// 8.33 kHz rounding gives that name to, and the snap shows that channel by the name it came from.
TEST(ChannelNameTest, NamesStandForTheirChannels) {
    const std::pair<std::int32_t, std::optional<std::int32_t>> cases[] = {
        {118005000, 118000000},    {118010000, 118008333},    {118015000, 118016666},
        {136980000, 136975000},    {118000000, std::nullopt}, {118020000, std::nullopt},
        {118005500, std::nullopt}, {0, std::nullopt},
    };
    for (const auto& [hz, channel] : cases) {
        EXPECT_EQ(ChannelOfName833(hz), channel) << hz;
        if (!channel) continue;
        const auto [mode, snapped, shown] = SnapReceive(ChannelEntry{}, BandContext{}, HzToMHz(*channel));
        EXPECT_EQ(std::pair(snapped, shown), std::pair(*channel, hz)) << hz;
    }
}

} // namespace
} // namespace zt46
