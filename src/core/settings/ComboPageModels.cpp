#include "core/settings/ComboPageModels.h"

#include <cstdlib>

#include "core/document/Document.h"
#include "core/editor/EditTexts.h"
#include "core/image/Codecs.h"
#include "core/image/Fields.h"

namespace zt46 {

namespace f = fields;
using D = DisplaySoundSettings;
using T = TxRxSettings;
using K = KeyMiscSettings;

const std::vector<ComboRow<D>>& DisplaySoundRows() {
    static const std::vector<ComboRow<D>> rows = {
        {4700, 4520, "&SCAN Pause LAMP", {"Off", "On"}, &D::ScanPauseLamp, f::ScanPauseLamp},
        {4701, 4521, "L&amp Mode", {"Off", "Continue", "Key on"}, &D::LampMode, f::LampMode},
        {4702, 4522, "&DIMMER", {"LV1", "LV2", "LV3", "LV4"}, &D::Dimmer, f::Dimmer},
        {4703, 4523, "P&ower On Beep", {"Off", "Mode1", "Mode2", "Mode3"}, &D::PowerOnBeep, f::PowerOnBeep},
        {4704, 4524, "&Keypad Beeper", {"off", "on", "DTMF"}, &D::KeypadBeeper, f::KeypadBeeper},
        {4705, 4525, "&PA Monitor", {"Off", "PA", "ALL"}, &D::PaMonitor, f::PaMonitor},
        {4706,
         4526,
         "Headphone le&vel",
         {"0", "1", "2", "3", "4", "5", "6", "7", "8"},
         &D::HeadphoneLevel,
         f::HeadphoneLevel},
        {4707, 4527, "User Pitch Setting(&Low)", {"Off", "+", "-"}, &D::UserToneLow, f::UserToneLow},
        {4708, 4528, "User Pitch Setting(&Mid)", {"Off", "+", "-"}, &D::UserToneMid, f::UserToneMid},
        {4709, 4529, "User Pitch Setting(&High)", {"Off", "+", "-"}, &D::UserToneHigh, f::UserToneHigh},
        {4710, 4530, "Sensor &Type", {"Temperature", "Voltage"}, &D::SensorType, f::SensorType},
        {4711, 4531, "&WX Mode", {"ch", "Freq"}, &D::WxDisplayMode, f::WxDisplayMode},
        {4712, 4532, "&BOOK Mode", {"ch", "Freq", "TAG"}, &D::BookDisplayMode, f::BookDisplayMode},
        {4713, 4533, "M&R Mode", {"ch", "Freq", "TAG"}, &D::MrDisplayMode, f::MrDisplayMode},
    };
    return rows;
}

const std::vector<ComboRow<T>>& TxRxRows() {
    static const std::vector<ComboRow<T>> rows = {
        {4721, 0, "S&QL Level", {"0", "1", "2", "3", "4", "5", "6", "7", "8"}, &T::SqlLevel, f::SqlLevel},
        {4722,
         0,
         "&RX Save",
         {"Off", "ABS", "1 : 1", "1 : 2", "1 : 3", "1 : 4", "1 : 5"},
         &T::RxSave,
         f::RxSave},
        {4723, 0, "&Scan Stop Resume", {"Busy", "5 Sec"}, &T::ScanStopResume, f::ScanStopResume},
        {4724, 0, "&DW/PRI", {"DW", "PRI"}, &T::DwPri, f::DwPri},
        {4725,
         0,
         "&PRI Time",
         {"500 mS", "1 Sec", "1,5 Sec", "2 Sec", "2.5 Sec", "3 Sec"},
         &T::PriTime,
         f::PriTime},
        {4726, 0, "&T.O.T", {"Off", "1 Min", "3 Min", "5 Min"}, &T::Tot, f::Tot},
    };
    return rows;
}

const std::vector<ComboRow<K>>& KeyMiscRows() {
    static const std::vector<ComboRow<K>> rows = {
        {4741, 4561, "&Lock Status", {"Off", "On"}, &K::LockStatus, f::LockStatus},
        {4742,
         4562,
         "&PTT Key Dial Lock",
         {"PTT Lock", "Key Lock", "Dial Lock", "PTT + Key Lock", "PTT + Dial Lock", "Key + Dial Lock",
          "PTT + Key + Dial Lock"},
         &K::LockType,
         f::LockBits},
        {4743, 4563, "[USER&1] Key", {"None", "ANL", "PA", "PITCH"}, &K::User1Key, f::User1Key},
        {4744, 4564, "[USER&2] Key", {"None", "ANL", "PA", "PITCH"}, &K::User2Key, f::User2Key},
        {4745, 4565, "&Emergency Function", {"off", "on"}, &K::EmergencyFunction, f::EmergencyFunction},
        {4746,
         4566,
         "&Weather Alert Function",
         {"off", "Beep", "LED Flash", "Beep + LED Flash"},
         &K::WeatherAlert,
         f::WeatherAlert},
        {4747, 4567, "Temperature &Unit", {"F", "C"}, &K::TemperatureUnit, f::TemperatureUnit},
        {4748, 4569, "&Internal MIC", {"off", "on"}, &K::InternalMic, f::InternalMic},
        {4749, 4570, "&VOX", {"off", "on"}, &K::Vox, f::Vox},
        {4750, 4571, "VOX &Delay", {"0.5s", "1.0s", "1.5s", "2.0s"}, &K::VoxDelay, f::VoxDelay},
        {4751,
         4572,
         "VOX &Sensitivity",
         {"1", "2", "3", "4", "5", "6", "7", "8"},
         &K::VoxSensitivity,
         f::VoxSensitivity},
    };
    return rows;
}

template <typename Group> void SettingsComboPageModel<Group>::Start() {
    m_group.Load(m_document.Image());
    if constexpr (std::is_same_v<Group, DisplaySoundSettings>) {
        if (m_group.WxDisplayMode >= 2) m_group.WxDisplayMode = 0;
    }
    m_started = true;
}

template <typename Group> const ComboRow<Group>* SettingsComboPageModel<Group>::Find(int comboId) const {
    for (const auto& row : m_rows) {
        if (row.comboId == comboId) return &row;
    }
    return nullptr;
}

template <typename Group> int SettingsComboPageModel<Group>::Value(int comboId) const {
    const ComboRow<Group>* row = Find(comboId);
    return row ? m_group.*(row->field) : -1;
}

template <typename Group> bool SettingsComboPageModel<Group>::Enabled(int comboId) const {
    if (comboId == kWxModeComboId || comboId == kWeatherAlertComboId)
        return m_document.System().WeatherBand != 0;
    return Find(comboId) != nullptr;
}

template <typename Group> void SettingsComboPageModel<Group>::Select(int comboId, int index) {
    const ComboRow<Group>* row = Find(comboId);
    if (!row || index < 0 || static_cast<std::size_t>(index) >= row->items.size()) return;
    m_group.*(row->field) = index;
}

template <typename Group> void SettingsComboPageModel<Group>::Accept() {
    if (!m_started) return;
    m_group.Store(m_document.Image());
}

template class SettingsComboPageModel<DisplaySoundSettings>;
template class SettingsComboPageModel<TxRxSettings>;
template class SettingsComboPageModel<KeyMiscSettings>;

std::string KeysMiscPageModel::OffsetText() const {
    return Values().TemperatureOffsetText();
}

std::string KeysMiscPageModel::CommitOffset(std::string_view text) {
    Settings().SetTemperatureOffsetText(text);
    const std::string copy(text);
    const double typed = RoundToOneDecimal(std::strtod(copy.c_str(), nullptr));
    return RangeReason(text, typed, -kTemperatureOffsetLimit, kTemperatureOffsetLimit);
}

} // namespace zt46
