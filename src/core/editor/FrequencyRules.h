#pragma once
// How every frequency that enters a channel is classified (AM, FM, WX), clamped to its band and
// snapped to its raster, with the value the grid shows.

#include <array>
#include <cstdint>
#include <optional>

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

// Where a frequency lies against the bands before the snap clamps it: Between is the gap from 143.975
// to 144.000 MHz that the receive expansion leaves between its AM and FM bands.
enum class BandFit { Inside, Below, Above, Between };
// The receive bands as the snap clamps them; a weather frequency counts as inside while `weather` is
// asked and the weather band is on (VFO records have no weather match).
BandFit ReceiveFit(const BandContext& band, double mhz, bool weather = true);
BandFit TransmitFit(const BandContext& band, double mhz);

// The channel an 8.33 kHz channel name stands for: a whole kilohertz 5, 10 or 15 kHz into its 25 kHz
// block names the first, second or third channel of the block (118.005 is 118.000000 MHz, 118.010 is
// 118.008333, 118.015 is 118.016666). Nullopt for a value that is no channel name.
std::optional<std::int32_t> ChannelOfName833(std::int32_t hz);
// The frequency a typed value stands for on an entry. On a channel with the 8.33k step a channel name is
// that channel, as long as that channel is an AM one; any other value stands for itself (and is snapped
// as usual). `vfo`: the VFO records' snap, without the weather match.
std::int32_t MeantReceiveHz(const ChannelEntry& entry, const BandContext& band, std::int32_t typedHz,
                            bool vfo = false);
std::int32_t MeantTransmitHz(const ChannelEntry& entry, std::int32_t typedHz);

// Unit flags that go with the steps.
void ApplyAmStepGrids(ChannelEntry& entry);
void ApplyFmStepGrid(ChannelEntry& entry);

} // namespace zt46
