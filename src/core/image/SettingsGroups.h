#pragma once
// The settings groups of the image: plain integer fields with load (all getters) and store (all
// setters).

#include <string>
#include <string_view>

#include "core/image/CloneImage.h"

namespace zt46 {

// CurrentMode values.
constexpr int kCurrentModeVfo = 0;
constexpr int kCurrentModeMr = 1;
constexpr int kCurrentModeBook = 2;
constexpr int kCurrentModeWx = 3;

int GetCurrentMode(const CloneImage& image);
void SetCurrentMode(CloneImage& image, int mode);

struct SystemSettings {
    int WeatherBand = 0;
    int RxExpansion = 0;
    int TxExpansion833 = 0;
    int TxExpansion = 0;
    int VfoSelect = 0;
    int CurrentMode = 0;
    int EmergencyMode = 0;
    int AnlStatus = 0;
    int DualWatch = 0;
    int ToneControl = 0;

    // Loading and storing both turn a WX mode into VFO while the weather band is off.
    void Load(const CloneImage& image);
    void Store(CloneImage& image);
};

struct DisplaySoundSettings {
    int ScanPauseLamp = 0;
    int LampMode = 0;
    int Dimmer = 0;
    int PowerOnBeep = 0;
    int KeypadBeeper = 0;
    int PaMonitor = 0;
    int HeadphoneLevel = 0;
    int UserToneLow = 0;
    int UserToneMid = 0;
    int UserToneHigh = 0;
    int SensorType = 0;
    int WxDisplayMode = 0;
    int BookDisplayMode = 0;
    int MrDisplayMode = 0;

    void Load(const CloneImage& image);
    void Store(CloneImage& image) const; // a WX display mode of 2 or more is stored as 0
};

struct TxRxSettings {
    int SqlLevel = 0;
    int RxSave = 0;
    int ScanStopResume = 0;
    int DwPri = 0;
    int PriTime = 0;
    int Tot = 0;

    void Load(const CloneImage& image);
    void Store(CloneImage& image) const;
};

constexpr double kTemperatureOffsetLimit = 12.7;

struct KeyMiscSettings {
    int LockStatus = 0;
    int LockType = 0;
    int User1Key = 0;
    int User2Key = 0;
    int EmergencyFunction = 0;
    int WeatherAlert = 0;
    int TemperatureUnit = 0;
    double TemperatureOffset = 0.0; // degrees
    int InternalMic = 0;
    int Vox = 0;
    int VoxDelay = 0;
    int VoxSensitivity = 0;

    void Load(const CloneImage& image);
    void Store(CloneImage& image) const;
    // "%.1f" of the offset.
    std::string TemperatureOffsetText() const;
    // Reads a typed offset: a number, rounded to one decimal, clamped to -12.7..+12.7 (the byte has no
    // code for -12.8).
    void SetTemperatureOffsetText(std::string_view text);
};

} // namespace zt46
