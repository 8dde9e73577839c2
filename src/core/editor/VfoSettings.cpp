#include "core/editor/VfoSettings.h"

#include <cstdlib>
#include <string>

#include "core/editor/ChannelRecordCodec.h"
#include "core/editor/EditTexts.h"
#include "core/util/Frequency.h"
#include "core/util/TextFormat.h"

namespace zt46 {

void VfoSettings::Load(const CloneImage& image, const BandContext& band) {
    m_entry = ChannelEntry{};
    DecodeRecord(&image[m_offset], RecordKind::Vfo, band, m_entry);
}

void VfoSettings::Store(CloneImage& image, const BandContext& band) const {
    EncodeRecord(m_entry, RecordKind::Vfo, band, &image[m_offset]);
}

std::string VfoSettings::RxText() const {
    return Format("%.3f", m_entry.RxDisplay);
}
std::string VfoSettings::TxText() const {
    return Format("%.3f", m_entry.TxDisplay);
}

std::string VfoSettings::SetRxText(std::string_view text, const BandContext& band) {
    const std::string copy(text);
    const std::int32_t typedHz = MHzToHz(std::strtod(copy.c_str(), nullptr));
    const std::int32_t meantHz = MeantReceiveHz(m_entry, band, typedHz, true);
    double mhz = HzToMHz(meantHz);
    const BandFit fit = ReceiveFit(band, mhz, false);
    const int mode = SnapVfoFrequency(m_entry, band, mhz, m_entry.RxDisplay);
    m_entry.RxHz = MHzToHz(mhz);
    if (mode != m_entry.Mode) {
        m_entry.Mode = mode;
        ResetForMode(m_entry, band);
    } else if ((m_entry.Mode == kModeAm && m_entry.RxHz > kSplitHighHz) || m_entry.RxHz < kSplitLowHz) {
        m_entry.Split = 0;
    }
    return FrequencyReason(text, fit, typedHz, meantHz, m_entry.RxHz, m_entry.RxDisplay, StepName(m_entry));
}

std::string VfoSettings::SetTxText(std::string_view text, const BandContext& band) {
    m_entry.TxGrid833 = m_entry.RxGrid833;
    const std::string copy(text);
    const std::int32_t typedHz = MHzToHz(std::strtod(copy.c_str(), nullptr));
    const std::int32_t meantHz = MeantTransmitHz(m_entry, typedHz);
    double mhz = HzToMHz(meantHz);
    const BandFit fit = TransmitFit(band, mhz);
    SnapTransmitFrequency(m_entry, band, mhz, m_entry.TxDisplay);
    m_entry.TxHz = MHzToHz(mhz);
    return FrequencyReason(text, fit, typedHz, meantHz, m_entry.TxHz, m_entry.TxDisplay, StepName(m_entry));
}

} // namespace zt46
