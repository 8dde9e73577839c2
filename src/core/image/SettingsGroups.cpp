#include "core/image/SettingsGroups.h"

#include <algorithm>
#include <cstdlib>
#include <string>

#include "core/image/Codecs.h"
#include "core/image/Fields.h"
#include "core/util/TextFormat.h"

namespace zt46 {

namespace f = fields;

int GetCurrentMode(const CloneImage& image) {
    const std::uint8_t b = image[f::CurrentModeByte];
    if (b & 0x20) return kCurrentModeMr;
    if (b & 0x10) return kCurrentModeBook;
    if (b & 0x08) return kCurrentModeWx;
    return kCurrentModeVfo;
}

void SetCurrentMode(CloneImage& image, int mode) {
    static constexpr std::uint8_t kBits[4] = {0x80, 0x20, 0x10, 0x08};
    std::uint8_t& b = image[f::CurrentModeByte];
    b = static_cast<std::uint8_t>((b & ~0xB8) | kBits[mode >= 0 && mode < 4 ? mode : 0]);
}

void SystemSettings::Load(const CloneImage& image) {
    WeatherBand = static_cast<int>(GetField(image, f::WeatherBand));
    RxExpansion = static_cast<int>(GetField(image, f::RxExpansion));
    TxExpansion833 = static_cast<int>(GetField(image, f::TxExpansion833));
    TxExpansion = static_cast<int>(GetField(image, f::TxExpansion));
    VfoSelect = static_cast<int>(GetField(image, f::VfoSelect));
    CurrentMode = GetCurrentMode(image);
    if (WeatherBand == 0 && CurrentMode == kCurrentModeWx) CurrentMode = kCurrentModeVfo;
    EmergencyMode = static_cast<int>(GetField(image, f::EmergencyMode));
    AnlStatus = static_cast<int>(GetField(image, f::AnlStatus));
    DualWatch = static_cast<int>(GetField(image, f::DualWatch));
    ToneControl = static_cast<int>(GetField(image, f::ToneControl));
}

void SystemSettings::Store(CloneImage& image) {
    if (WeatherBand == 0 && CurrentMode == kCurrentModeWx) CurrentMode = kCurrentModeVfo;
    SetField(image, f::WeatherBand, WeatherBand);
    SetField(image, f::RxExpansion, RxExpansion);
    SetField(image, f::TxExpansion833, TxExpansion833);
    SetField(image, f::TxExpansion, TxExpansion);
    SetField(image, f::VfoSelect, VfoSelect);
    SetCurrentMode(image, CurrentMode);
    SetField(image, f::EmergencyMode, EmergencyMode);
    SetField(image, f::AnlStatus, AnlStatus);
    SetField(image, f::DualWatch, DualWatch);
    SetField(image, f::ToneControl, ToneControl);
}

void DisplaySoundSettings::Load(const CloneImage& image) {
    ScanPauseLamp = static_cast<int>(GetField(image, f::ScanPauseLamp));
    LampMode = static_cast<int>(GetField(image, f::LampMode));
    Dimmer = static_cast<int>(GetField(image, f::Dimmer));
    PowerOnBeep = static_cast<int>(GetField(image, f::PowerOnBeep));
    KeypadBeeper = static_cast<int>(GetField(image, f::KeypadBeeper));
    PaMonitor = static_cast<int>(GetField(image, f::PaMonitor));
    HeadphoneLevel = static_cast<int>(GetField(image, f::HeadphoneLevel));
    UserToneLow = static_cast<int>(GetField(image, f::UserToneLow));
    UserToneMid = static_cast<int>(GetField(image, f::UserToneMid));
    UserToneHigh = static_cast<int>(GetField(image, f::UserToneHigh));
    SensorType = static_cast<int>(GetField(image, f::SensorType));
    WxDisplayMode = static_cast<int>(GetField(image, f::WxDisplayMode));
    BookDisplayMode = static_cast<int>(GetField(image, f::BookDisplayMode));
    MrDisplayMode = static_cast<int>(GetField(image, f::MrDisplayMode));
}

void DisplaySoundSettings::Store(CloneImage& image) const {
    SetField(image, f::ScanPauseLamp, ScanPauseLamp);
    SetField(image, f::LampMode, LampMode);
    SetField(image, f::Dimmer, Dimmer);
    SetField(image, f::PowerOnBeep, PowerOnBeep);
    SetField(image, f::KeypadBeeper, KeypadBeeper);
    SetField(image, f::PaMonitor, PaMonitor);
    SetField(image, f::HeadphoneLevel, HeadphoneLevel);
    SetField(image, f::UserToneLow, UserToneLow);
    SetField(image, f::UserToneMid, UserToneMid);
    SetField(image, f::UserToneHigh, UserToneHigh);
    SetField(image, f::SensorType, SensorType);
    SetField(image, f::WxDisplayMode, WxDisplayMode >= 2 ? 0 : WxDisplayMode);
    SetField(image, f::BookDisplayMode, BookDisplayMode);
    SetField(image, f::MrDisplayMode, MrDisplayMode);
}

void TxRxSettings::Load(const CloneImage& image) {
    SqlLevel = static_cast<int>(GetField(image, f::SqlLevel));
    RxSave = static_cast<int>(GetField(image, f::RxSave));
    ScanStopResume = static_cast<int>(GetField(image, f::ScanStopResume));
    DwPri = static_cast<int>(GetField(image, f::DwPri));
    PriTime = static_cast<int>(GetField(image, f::PriTime));
    Tot = static_cast<int>(GetField(image, f::Tot));
}

void TxRxSettings::Store(CloneImage& image) const {
    SetField(image, f::SqlLevel, SqlLevel);
    SetField(image, f::RxSave, RxSave);
    SetField(image, f::ScanStopResume, ScanStopResume);
    SetField(image, f::DwPri, DwPri);
    SetField(image, f::PriTime, PriTime);
    SetField(image, f::Tot, Tot);
}

void KeyMiscSettings::Load(const CloneImage& image) {
    LockStatus = static_cast<int>(GetField(image, f::LockStatus));
    LockType = DecodeLockType(GetField(image, f::LockBits));
    User1Key = static_cast<int>(GetField(image, f::User1Key));
    User2Key = static_cast<int>(GetField(image, f::User2Key));
    EmergencyFunction = static_cast<int>(GetField(image, f::EmergencyFunction));
    WeatherAlert = static_cast<int>(GetField(image, f::WeatherAlert));
    TemperatureUnit = static_cast<int>(GetField(image, f::TemperatureUnit));
    TemperatureOffset =
        DecodeTemperatureOffset(static_cast<std::uint8_t>(GetField(image, f::TemperatureOffset)));
    InternalMic = static_cast<int>(GetField(image, f::InternalMic));
    Vox = static_cast<int>(GetField(image, f::Vox));
    VoxDelay = static_cast<int>(GetField(image, f::VoxDelay));
    VoxSensitivity = static_cast<int>(GetField(image, f::VoxSensitivity));
}

void KeyMiscSettings::Store(CloneImage& image) const {
    SetField(image, f::LockStatus, LockStatus);
    SetField(image, f::LockBits, EncodeLockType(LockType));
    SetField(image, f::User1Key, User1Key);
    SetField(image, f::User2Key, User2Key);
    SetField(image, f::EmergencyFunction, EmergencyFunction);
    SetField(image, f::WeatherAlert, WeatherAlert);
    SetField(image, f::TemperatureUnit, TemperatureUnit);
    SetField(image, f::TemperatureOffset, EncodeTemperatureOffset(TemperatureOffset));
    SetField(image, f::InternalMic, InternalMic);
    SetField(image, f::Vox, Vox);
    SetField(image, f::VoxDelay, VoxDelay);
    SetField(image, f::VoxSensitivity, VoxSensitivity);
}

std::string KeyMiscSettings::TemperatureOffsetText() const {
    return Format("%.1f", TemperatureOffset);
}

void KeyMiscSettings::SetTemperatureOffsetText(std::string_view text) {
    const std::string copy(text);
    const double value = RoundToOneDecimal(std::strtod(copy.c_str(), nullptr));
    TemperatureOffset = std::clamp(value, -kTemperatureOffsetLimit, kTemperatureOffsetLimit);
}

} // namespace zt46
