#include "core/editor/ChannelTable.h"

#include <algorithm>

#include "core/editor/ChannelRecordCodec.h"
#include "core/image/SettingsGroups.h"

namespace zt46 {
namespace {

constexpr int kGroupSizes[kGroupCount] = {kMrCount, kBookCount, kWeatherCount};
constexpr int kGroupStarts[kGroupCount] = {0, kFirstBookIndex, kFirstWeatherIndex};

// An empty slot in the channel area becomes a copy of VFO A at 118.000 MHz, clock shift off.
void ReplaceBlankRecord(CloneImage& image, std::size_t offset) {
    std::uint8_t* rec = &image[offset];
    if (rec[10] != 0xFF || rec[11] != 0xFF) return;
    std::copy_n(&image[kVfoAOffset], kRecordSize, rec);
    rec[1] = 0x48;
    rec[10] = 0x49;
    rec[11] = 0xC0;
    rec[12] = 0x49;
    rec[13] = 0xC0;
}

} // namespace

int ChannelTable::GroupSize(int group) {
    return group >= 0 && group < kGroupCount ? kGroupSizes[group] : 0;
}
int ChannelTable::GroupStart(int group) {
    return group >= 0 && group < kGroupCount ? kGroupStarts[group] : 0;
}

int ChannelTable::GroupOf(int index) {
    int total = 0;
    for (int g = 0; g < kGroupCount; ++g) {
        total += kGroupSizes[g];
        if (index < total) return g;
    }
    return kGroupCount;
}

const char* ChannelTable::GroupName(int group) {
    switch (group) {
    case kGroupMr:
        return "MR GROUP";
    case kGroupBook:
        return "BOOK GROUP";
    default:
        return "WEATHER GROUP";
    }
}

BandContext ChannelTable::Bands(const SystemSettings& system) const {
    BandContext band = BandContext::From(system);
    std::array<std::int32_t, kWeatherCount> weather{};
    for (int i = 0; i < kWeatherCount; ++i)
        weather[static_cast<std::size_t>(i)] = m_entries[kFirstWeatherIndex + i].RxHz;
    band.SetWeather(weather);
    return band;
}

void ChannelTable::Load(CloneImage& image, const SystemSettings& system) {
    m_firstNumber = 1;
    m_currentIndex = 0;
    m_currentGroup = kGroupMr;

    // Weather first: the MR and Book receive frequencies are matched against them.
    BandContext band = BandContext::From(system);
    for (int i = kFirstWeatherIndex; i < kChannelCount; ++i) {
        const std::size_t offset = ChannelRecordOffset(i);
        ReplaceBlankRecord(image, offset);
        ChannelEntry& e = m_entries[static_cast<std::size_t>(i)];
        e = ChannelEntry{};
        DecodeRecord(&image[offset], RecordKind::Weather, band, e);
    }
    band = Bands(system);
    for (int i = 0; i < kFirstWeatherIndex; ++i) {
        const std::size_t offset = ChannelRecordOffset(i);
        ReplaceBlankRecord(image, offset);
        ChannelEntry& e = m_entries[static_cast<std::size_t>(i)];
        e = ChannelEntry{};
        DecodeRecord(&image[offset], RecordKind::Channel, band, e);
        e.Masked = (image[kChannelMaskOffset + static_cast<std::size_t>(i / 8)] >> (i % 8)) & 1;
    }
}

void ChannelTable::Store(CloneImage& image, const SystemSettings& system) const {
    const BandContext band = Bands(system);
    for (int i = 0; i < kChannelCount; ++i) {
        const RecordKind kind = i >= kFirstWeatherIndex ? RecordKind::Weather : RecordKind::Channel;
        EncodeRecord(m_entries[static_cast<std::size_t>(i)], kind, band, &image[ChannelRecordOffset(i)]);
    }
    // Byte 39 also takes the (never set) flags of Weather channels 1..6 in its bits 2..7.
    for (std::size_t k = 0; k < kChannelMaskBytes; ++k) {
        std::uint8_t byte = 0;
        for (int bit = 0; bit < 8; ++bit) {
            const std::size_t index = 8 * k + static_cast<std::size_t>(bit);
            if (index < kChannelCount && m_entries[index].Masked)
                byte |= static_cast<std::uint8_t>(1u << bit);
        }
        image[kChannelMaskOffset + k] = byte;
    }
    std::uint8_t& mr = image[kCurrentMrChannelOffset];
    if (mr >= kMrCount || m_entries[mr].Masked) mr = 0;
    std::uint8_t& book = image[kCurrentBookChannelOffset];
    if (book >= kBookCount || m_entries[kFirstBookIndex + book].Masked) book = 0;
}

void ChannelTable::NextGroup(int weatherBand) {
    int group = m_currentGroup + 1;
    for (;;) {
        if (group > 2) group = 0;
        if (kGroupSizes[group] != 0) break;
        group += 1;
    }
    ShowGroup(group, weatherBand);
}

void ChannelTable::ShowGroup(int group, int weatherBand) {
    if (group < 0 || group >= kGroupCount || (group == kGroupWeather && !weatherBand)) group = kGroupMr;
    m_currentGroup = group;
    m_firstNumber = kGroupStarts[group] + 1;
    m_currentIndex = m_firstNumber - 1;
}

} // namespace zt46
