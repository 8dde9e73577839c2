#pragma once
// One VFO record (VFO A or VFO B) decoded into a ChannelEntry.

#include <cstddef>
#include <string>
#include <string_view>

#include "core/editor/ChannelEntry.h"
#include "core/editor/FrequencyRules.h"
#include "core/image/CloneImage.h"

namespace zt46 {

class VfoSettings {
public:
    explicit VfoSettings(std::size_t offset) : m_offset(offset) {}
    static VfoSettings A() { return VfoSettings(kVfoAOffset); }
    static VfoSettings B() { return VfoSettings(kVfoBOffset); }

    // Decodes the record (no blank-slot replacement; the receive frequency snapped as a VFO's).
    void Load(const CloneImage& image, const BandContext& band);
    void Store(CloneImage& image, const BandContext& band) const;

    ChannelEntry& Entry() { return m_entry; }
    const ChannelEntry& Entry() const { return m_entry; }
    std::size_t Offset() const { return m_offset; }

    // "%.3f" of the shown frequencies.
    std::string RxText() const;
    std::string TxText() const;
    // A typed receive frequency: snapped as a VFO's; a new mode brings its defaults, otherwise the split
    // is cleared where it is not allowed. On the 8.33k step a channel name is that channel. Returns why
    // the stored value is not what was typed (empty when it is).
    std::string SetRxText(std::string_view text, const BandContext& band);
    // A typed transmit frequency, on the receive frequency's raster; returns the reason likewise.
    std::string SetTxText(std::string_view text, const BandContext& band);

private:
    std::size_t m_offset;
    ChannelEntry m_entry;
};

} // namespace zt46
