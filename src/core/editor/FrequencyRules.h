#pragma once
// How every frequency that enters a channel is classified (AM, FM, WX), clamped to its band and
// snapped to its raster, with the value the grid shows.

#include <array>
#include <cstdint>

#include "core/editor/ChannelEntry.h"

namespace zt46 {

struct SystemSettings;

// The settings the rules read, and the ten weather frequencies a receive frequency is matched against.
struct BandContext {
    int WeatherBand = 0;
    int RxExpansion = 0;
    int TxExpansion = 0;
    std::array<std::int32_t, 10> WeatherHz{};

    static BandContext From(const SystemSettings& system);
    // Sets the weather frequencies (and their values in MHz, which every receive snap compares).
    void SetWeather(const std::array<std::int32_t, 10>& hz);
    bool IsWeatherFrequency(double mhz) const;
    int TxBandIndex() const { return RxExpansion ? TxExpansion : 0; }

private:
    std::array<double, 10> m_weatherMHz{};
};

// Lowest and highest receive frequency that may be split (inclusive).
constexpr std::int32_t kSplitLowHz = 108000000;
constexpr std::int32_t kSplitHighHz = 117975000;
constexpr bool SplitAllowedAt(std::int32_t rxHz) {
    return rxHz >= kSplitLowHz && rxHz <= kSplitHighHz;
}

// Whether a receive frequency lies in the radio's bands as the settings stand (a weather frequency
// counts while the weather band is on): a frequency outside them would be clamped by the snap.
bool ReceiveInBand(const BandContext& band, std::int32_t hz);

// Snaps a receive frequency (MHz, in/out) for the entry's steps and returns the mode it belongs to.
// `shown` takes the value the grid shows, except when the frequency ends as exactly 0.
int SnapReceiveFrequency(const ChannelEntry& entry, const BandContext& band, double& mhz, double& shown);
// The same without the weather match (VFO records).
int SnapVfoFrequency(const ChannelEntry& entry, const BandContext& band, double& mhz, double& shown);
// Clamps to the transmit band and snaps to the AM raster of the entry's AM step.
void SnapTransmitFrequency(const ChannelEntry& entry, const BandContext& band, double& mhz, double& shown);
// Default steps for the entry's mode, a fresh receive snap (AM and FM), and no split.
void ResetForMode(ChannelEntry& entry, const BandContext& band);

// The usual callers' forms: snap RxHz / TxHz of the entry in place, display value included.
int SnapEntryReceive(ChannelEntry& entry, const BandContext& band);
void SnapEntryTransmit(ChannelEntry& entry, const BandContext& band);

// Unit flags that go with the steps.
void ApplyAmStepGrids(ChannelEntry& entry);
void ApplyFmStepGrid(ChannelEntry& entry);

} // namespace zt46
