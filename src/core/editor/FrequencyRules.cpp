#include "core/editor/FrequencyRules.h"

#include <cmath>

#include "core/image/SettingsGroups.h"
#include "core/util/Frequency.h"

namespace zt46 {
namespace {

constexpr double kRxLow = 108.0;
constexpr double kRxAmHigh[2] = {136.975, 143.975};
constexpr double kFmLow = 144.0;
constexpr double kFmHigh = 165.0;
constexpr double kTxLow[2] = {118.0, 118.0};
constexpr double kTxHigh[2] = {136.975, 143.975};
constexpr std::int32_t kFmUnit[7] = {5000, 10000, 12500, 5000, 10000, 25000, 50000};
constexpr std::int32_t kAmUnit = 25000;

// n of the rounding: v cut toward zero, plus one when the rest is at least one half.
std::int32_t RoundUnits(double v) {
    auto n = static_cast<std::int32_t>(v);
    if (v - n >= 0.5) ++n;
    return n;
}

// The frequency scaled as the rounding takes it: MHz x 10000.0 x 100.0.
double ScaledHz(double mhz) {
    return mhz * 10000.0 * 100.0;
}

void RoundToUnit(double& mhz, double& shown, std::int32_t unit) {
    const std::int32_t n = RoundUnits(ScaledHz(mhz) / unit);
    const std::int32_t hz = n * unit;
    mhz = hz / 1000000.0;
    shown = (hz / 1000) / 1000.0;
}

// fmod(y, 25000.0) for y >= 0, exactly as fmod computes it but without its slow general loop: the
// quotient's product and the difference are exact for the magnitudes of frequencies in hertz.
double Fmod25k(double y) {
    if (!(y >= 0.0 && y < 1e12)) return std::fmod(y, 25000.0);
    const double q = std::trunc(y / 25000.0);
    double r = y - q * 25000.0;
    if (r < 0.0)
        r += 25000.0;
    else if (r >= 25000.0)
        r -= 25000.0;
    return r;
}

// Three channels to 25 kHz; the shown value is the channel's name (block + 5, 10 or 15 kHz).
void RoundTo833(double& mhz, double& shown) {
    const std::int32_t n = RoundUnits(ScaledHz(mhz) / 25000.0 * 3.0);
    mhz = (n * 25000 / 3) / 1000000.0;
    const double y = mhz * 1000000.0;
    const auto k = static_cast<std::int32_t>(y / 25000.0);
    const auto s = static_cast<std::int32_t>(Fmod25k(y) / 8330.0 + 1.0);
    shown = ((k * 25000 + s * 5000) / 1000) / 1000.0;
}

// Classifies and clamps a receive frequency by band.
int ClassifyReceive(const BandContext& band, double& mhz) {
    const int ex = band.RxExpansion ? 1 : 0;
    if (mhz < kRxLow) {
        mhz = kRxLow;
        return kModeAm;
    }
    if (!ex) {
        if (mhz > kRxAmHigh[0]) mhz = kRxAmHigh[0];
        return kModeAm;
    }
    if (mhz <= kRxAmHigh[1]) return kModeAm;
    if (mhz < kFmLow) {
        mhz = kRxAmHigh[1];
        return kModeAm;
    }
    if (mhz <= kFmHigh) return kModeFm;
    mhz = kFmHigh;
    return kModeFm;
}

int SnapClassified(const ChannelEntry& entry, int mode, double& mhz, double& shown) {
    if (mhz == 0.0) return mode;
    if (mode == kModeAm && entry.AmStep == 0) {
        RoundTo833(mhz, shown);
    } else if (mode == kModeFm) {
        RoundToUnit(mhz, shown, kFmUnit[entry.FmStep >= 0 && entry.FmStep < 7 ? entry.FmStep : 0]);
    } else {
        RoundToUnit(mhz, shown, kAmUnit);
    }
    return mode;
}

} // namespace

BandContext BandContext::From(const SystemSettings& system) {
    BandContext band;
    band.WeatherBand = system.WeatherBand;
    band.RxExpansion = system.RxExpansion;
    band.TxExpansion = system.TxExpansion;
    return band;
}

void BandContext::SetWeather(const std::array<std::int32_t, 10>& hz) {
    WeatherHz = hz;
    for (std::size_t i = 0; i < hz.size(); ++i)
        m_weatherMHz[i] = HzToMHz(hz[i]);
}

bool BandContext::IsWeatherFrequency(double mhz) const {
    bool weather = false;
    for (double w : m_weatherMHz)
        weather = weather || mhz == w;
    return weather;
}

bool ReceiveInBand(const BandContext& band, std::int32_t hz) {
    return ReceiveFit(band, HzToMHz(hz)) == BandFit::Inside;
}

BandFit ReceiveFit(const BandContext& band, double mhz, bool weather) {
    if (weather && band.WeatherBand && band.IsWeatherFrequency(mhz)) return BandFit::Inside;
    if (mhz < kRxLow) return BandFit::Below;
    if (!band.RxExpansion) return mhz > kRxAmHigh[0] ? BandFit::Above : BandFit::Inside;
    if (mhz <= kRxAmHigh[1]) return BandFit::Inside;
    if (mhz < kFmLow) return BandFit::Between;
    return mhz <= kFmHigh ? BandFit::Inside : BandFit::Above;
}

BandFit TransmitFit(const BandContext& band, double mhz) {
    const int index = band.TxBandIndex() ? 1 : 0;
    if (mhz < kTxLow[index]) return BandFit::Below;
    return mhz > kTxHigh[index] ? BandFit::Above : BandFit::Inside;
}

std::optional<std::int32_t> ChannelOfName833(std::int32_t hz) {
    if (hz <= 0 || hz % 1000 != 0) return std::nullopt;
    const std::int32_t intoBlock = hz % 25000;
    if (intoBlock != 5000 && intoBlock != 10000 && intoBlock != 15000) return std::nullopt;
    // The channel's unit count n as the 8.33 kHz rounding makes it, and its frequency n x 25000 / 3.
    const std::int64_t n = std::int64_t{hz - intoBlock} / 25000 * 3 + intoBlock / 5000 - 1;
    return static_cast<std::int32_t>(n * 25000 / 3);
}

std::int32_t MeantReceiveHz(const ChannelEntry& entry, const BandContext& band, std::int32_t typedHz,
                            bool vfo) {
    if (entry.Mode != kModeAm || entry.AmStep != 0) return typedHz;
    const std::optional<std::int32_t> channel = ChannelOfName833(typedHz);
    if (!channel) return typedHz;
    // A name that lands in the FM band (or on a weather frequency) is no 8.33 kHz channel there.
    double mhz = HzToMHz(*channel);
    double shown = 0.0;
    const int mode =
        vfo ? SnapVfoFrequency(entry, band, mhz, shown) : SnapReceiveFrequency(entry, band, mhz, shown);
    return mode == kModeAm ? *channel : typedHz;
}

std::int32_t MeantTransmitHz(const ChannelEntry& entry, std::int32_t typedHz) {
    if (entry.AmStep != 0) return typedHz;
    return ChannelOfName833(typedHz).value_or(typedHz);
}

int SnapReceiveFrequency(const ChannelEntry& entry, const BandContext& band, double& mhz, double& shown) {
    const bool weather = band.WeatherBand && band.IsWeatherFrequency(mhz);
    const int mode = weather ? kModeWx : ClassifyReceive(band, mhz);
    return SnapClassified(entry, mode, mhz, shown);
}

int SnapVfoFrequency(const ChannelEntry& entry, const BandContext& band, double& mhz, double& shown) {
    const int mode = ClassifyReceive(band, mhz);
    return SnapClassified(entry, mode, mhz, shown);
}

void SnapTransmitFrequency(const ChannelEntry& entry, const BandContext& band, double& mhz, double& shown) {
    const int index = band.TxBandIndex() ? 1 : 0;
    if (mhz < kTxLow[index]) mhz = kTxLow[index];
    if (mhz > kTxHigh[index]) mhz = kTxHigh[index];
    if (entry.AmStep == 0) {
        RoundTo833(mhz, shown);
    } else {
        RoundToUnit(mhz, shown, kAmUnit);
    }
}

void ResetForMode(ChannelEntry& entry, const BandContext& band) {
    entry.AmStep = 1;
    entry.FmStep = 5;
    entry.RxGrid833 = 0;
    entry.RxGrid625Fm = 1;
    entry.TxGrid833 = 0;
    if (entry.Mode == kModeAm || entry.Mode == kModeFm) SnapEntryReceive(entry, band);
    entry.Split = 0;
}

int SnapEntryReceive(ChannelEntry& entry, const BandContext& band) {
    double mhz = HzToMHz(entry.RxHz);
    const int mode = SnapReceiveFrequency(entry, band, mhz, entry.RxDisplay);
    entry.RxHz = MHzToHz(mhz);
    return mode;
}

void SnapEntryTransmit(ChannelEntry& entry, const BandContext& band) {
    double mhz = HzToMHz(entry.TxHz);
    SnapTransmitFrequency(entry, band, mhz, entry.TxDisplay);
    entry.TxHz = MHzToHz(mhz);
}

void ApplyAmStepGrids(ChannelEntry& entry) {
    entry.RxGrid833 = entry.AmStep == 0 ? 1 : 0;
    entry.TxGrid833 = entry.RxGrid833;
}

void ApplyFmStepGrid(ChannelEntry& entry) {
    entry.RxGrid625Fm = entry.FmStep == 2 || entry.FmStep == 5 || entry.FmStep == 6 ? 1 : 0;
}

} // namespace zt46
