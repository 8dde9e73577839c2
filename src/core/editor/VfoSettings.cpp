#include "core/editor/VfoSettings.h"

#include <cstdlib>
#include <string>

#include "core/editor/ChannelRecordCodec.h"
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

void VfoSettings::SetRxText(std::string_view text, const BandContext& band) {
    const std::string copy(text);
    double mhz = HzToMHz(MHzToHz(std::strtod(copy.c_str(), nullptr)));
    const int mode = SnapVfoFrequency(m_entry, band, mhz, m_entry.RxDisplay);
    m_entry.RxHz = MHzToHz(mhz);
    if (mode != m_entry.Mode) {
        m_entry.Mode = mode;
        ResetForMode(m_entry, band);
    } else if ((m_entry.Mode == kModeAm && m_entry.RxHz > kSplitHighHz) || m_entry.RxHz < kSplitLowHz) {
        m_entry.Split = 0;
    }
}

void VfoSettings::SetTxText(std::string_view text, const BandContext& band) {
    m_entry.TxGrid833 = m_entry.RxGrid833;
    const std::string copy(text);
    double mhz = HzToMHz(MHzToHz(std::strtod(copy.c_str(), nullptr)));
    SnapTransmitFrequency(m_entry, band, mhz, m_entry.TxDisplay);
    m_entry.TxHz = MHzToHz(mhz);
}

} // namespace zt46
