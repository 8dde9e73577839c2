#pragma once
// Where each setting lives: one BitField per field of the memory map, and the fields of a 14-byte
// channel record (offsets relative to the record).

#include "core/image/CloneImage.h"

namespace zt46::fields {

// System settings.
constexpr BitField WeatherBand{7, 2, 1};
constexpr BitField RxExpansion{7, 1, 1};
constexpr BitField HardwareConfiguration{7, 1, 2}; // the two bits a download compares
constexpr BitField VfoSelect{44, 6, 1};
constexpr BitField EmergencyMode{44, 2, 1};
constexpr BitField AnlStatus{45, 7, 1};
constexpr BitField DualWatch{45, 6, 1};
constexpr BitField ToneControl{45, 0, 3};
constexpr BitField TxExpansion833{47, 1, 1};
constexpr BitField TxExpansion{47, 0, 1};
constexpr std::size_t CurrentModeByte = 44; // bits 7, 5, 4, 3: one of them set

// Display & Sound.
constexpr BitField ScanPauseLamp{112, 4, 1};
constexpr BitField LampMode{113, 6, 2};
constexpr BitField Dimmer{115, 2, 2};
constexpr BitField PowerOnBeep{115, 6, 2};
constexpr BitField KeypadBeeper{115, 4, 2};
constexpr BitField PaMonitor{119, 0, 2};
constexpr BitField HeadphoneLevel{120, 0, 4};
constexpr BitField UserToneLow{117, 6, 2};
constexpr BitField UserToneMid{117, 4, 2};
constexpr BitField UserToneHigh{117, 2, 2};
constexpr BitField SensorType{119, 4, 1};
constexpr BitField WxDisplayMode{123, 4, 2};
constexpr BitField BookDisplayMode{123, 2, 2};
constexpr BitField MrDisplayMode{123, 0, 2};

// TX/RX.
constexpr BitField SqlLevel{114, 0, 4};
constexpr BitField RxSave{113, 0, 3};
constexpr BitField ScanStopResume{112, 7, 1};
constexpr BitField DwPri{112, 6, 1};
constexpr BitField PriTime{114, 5, 3};
constexpr BitField Tot{113, 4, 2};

// Key Set/Misc.
constexpr BitField LockStatus{112, 3, 1};
constexpr BitField LockBits{112, 0, 3}; // PTT, Key, Dial
constexpr BitField User1Key{116, 5, 3};
constexpr BitField User2Key{116, 2, 3};
constexpr BitField EmergencyFunction{112, 5, 1};
constexpr BitField WeatherAlert{116, 0, 2};
constexpr BitField TemperatureUnit{119, 7, 1};
constexpr BitField TemperatureOffset{118, 0, 8};
constexpr BitField InternalMic{119, 6, 1};
constexpr BitField Vox{120, 7, 1};
constexpr BitField VoxDelay{120, 4, 2};
constexpr BitField VoxSensitivity{121, 0, 8};

// Channel record (byte offsets within the record).
namespace record {
constexpr BitField Mode{0, 6, 2};
constexpr BitField AmStep{0, 3, 1};
constexpr BitField FmStep{0, 0, 3};
constexpr BitField RxGrid833{1, 7, 1};
constexpr BitField RxGrid625Fm{1, 6, 1};
constexpr BitField TxGrid833{1, 5, 1};
constexpr BitField ClockShift{1, 3, 1};
constexpr BitField TagDisplay{1, 2, 1};
constexpr BitField Scan{1, 1, 1};
constexpr BitField Split{1, 0, 1};
constexpr std::size_t TagOffset = 2;
constexpr std::size_t RxFreqOffset = 10;
constexpr std::size_t TxFreqOffset = 12;
} // namespace record

} // namespace zt46::fields
