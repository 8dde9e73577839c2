#include "core/settings/SystemSettingsModel.h"

#include "core/document/Document.h"
#include "core/editor/VfoSettings.h"

namespace zt46 {
namespace {

constexpr const char* kLabels[kSystemRowCount] = {
    "&VFO A/B",       "&Current Mode", "&Emergency Mode",     "&ANL Status",   "D&ual Watch",
    "&Pitch Control", "&Weather Band", "&8.33k TX Expansion", "T&X Expansion", "&Receive Expansion"};

int SystemSettings::*const kFields[kSystemRowCount] = {
    &SystemSettings::VfoSelect,   &SystemSettings::CurrentMode,    &SystemSettings::EmergencyMode,
    &SystemSettings::AnlStatus,   &SystemSettings::DualWatch,      &SystemSettings::ToneControl,
    &SystemSettings::WeatherBand, &SystemSettings::TxExpansion833, &SystemSettings::TxExpansion,
    &SystemSettings::RxExpansion};

bool DualWatchLocked(const SystemSettings& s) {
    return s.CurrentMode == kCurrentModeWx || s.EmergencyMode != 0;
}

} // namespace

const char* SystemRowLabel(int row) {
    return row >= 0 && row < kSystemRowCount ? kLabels[row] : "";
}

unsigned SystemEnableMask(bool privileged, const SystemSettings& s) {
    const bool locked = DualWatchLocked(s);
    if (!privileged) return locked ? 0x02F : 0x03F;
    if (!s.WeatherBand) return locked ? 0x0AF : 0x0BF;
    return locked ? 0x1AF : 0x1BF;
}

std::vector<std::string> SystemRowItems(int row, bool weatherBand) {
    switch (row) {
    case kRowVfoSelect:
        return {"VFO A", "VFO B"};
    case kRowCurrentMode:
        if (weatherBand) return {"VFO    ", "MR     ", "Book MR", "WX     "};
        return {"VFO    ", "MR     ", "Book MR"};
    case kRowEmergencyMode:
        return {"Off", "Emergency"};
    case kRowAnlStatus:
    case kRowDualWatch:
        return {"Off", "On"};
    case kRowToneControl:
        return {"off", "Mode1", "Mode2", "Mode3", "User"};
    default:
        return {"Disable", "Enable"};
    }
}

bool SystemRowVisible(int row, bool privileged) {
    return row < kRowWeatherBand || privileged;
}

SystemSettingsModel::SystemSettingsModel(Document& document, bool privileged)
    : m_document(document), m_privileged(privileged) {}

void SystemSettingsModel::Start() {
    SystemSettings& s = m_document.System();
    s.Load(m_document.Image());
    s.Store(m_document.Image());
    ApplyDualWatchRule();
}

unsigned SystemSettingsModel::EnableMask() const {
    return SystemEnableMask(m_privileged, m_document.System());
}

std::vector<std::string> SystemSettingsModel::Items(int row) const {
    return SystemRowItems(row, m_document.System().WeatherBand != 0);
}

int SystemSettingsModel::Value(int row) const {
    return row >= 0 && row < kSystemRowCount ? m_document.System().*kFields[row] : 0;
}

void SystemSettingsModel::Select(int row, int index) {
    if (row < 0 || row >= kSystemRowCount || index < 0) return;
    SystemSettings& s = m_document.System();
    if (row == kRowTxExpansion) {
        if (index == s.TxExpansion) return;
        s.TxExpansion = index;
        m_txExpansionChanged = true;
        return;
    }
    s.*kFields[row] = index;
    if (row == kRowCurrentMode || row == kRowEmergencyMode) ApplyDualWatchRule();
}

void SystemSettingsModel::ApplyDualWatchRule() {
    SystemSettings& s = m_document.System();
    if (DualWatchLocked(s)) s.DualWatch = 0;
}

void SystemSettingsModel::Accept() {
    CloneImage& image = m_document.Image();
    m_document.System().Store(image);
    if (!m_txExpansionChanged || m_document.System().TxExpansion != 0) return;
    const BandContext band = m_document.Bands();
    for (int i = 0; i < kChannelCount; ++i)
        SnapEntryTransmit(m_document.Channels().Entry(i), band);
    for (VfoSettings vfo : {VfoSettings::A(), VfoSettings::B()}) {
        vfo.Load(image, band);
        if (vfo.Entry().Split == 1) SnapEntryTransmit(vfo.Entry(), band);
        vfo.Store(image, band);
    }
}

void SystemSettingsModel::Reject() {
    m_document.ImageToModels();
}

} // namespace zt46
