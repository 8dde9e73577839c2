#include "core/alignment/AlignmentModel.h"

#include <algorithm>
#include <cctype>

#include "core/editor/ChannelTable.h"
#include "core/image/Codecs.h"
#include "core/image/ValueTexts.h"
#include "core/util/Frequency.h"
#include "core/util/TextFormat.h"

namespace zt46 {
namespace {

// Where a value sits in its radio word: a whole byte, or a nibble of the first or the second byte.
constexpr int kFirst = 0, kSecond = 1, kLowNibble = 2, kHighNibble = 3, kSecondLowNibble = 4;

bool IsLowNibble(int part) {
    return part == kLowNibble || part == kSecondLowNibble;
}
using K = AlignSlotKind;

constexpr AlignSlot kSlots[kAlignSlotCount] = {
    {"Threshold Squelch Lv.", K::Measured, 70, 0x23, kFirst, 0, 255, 0, false},
    {"Tight Squelch Lv.", K::Measured, 71, 0x23, kSecond, 0, 255, 0, false},
    {"Threshold Squelch Lv.", K::Measured, 72, 0x24, kFirst, 0, 255, 0, false},
    {"Tight Squelch Lv.", K::Measured, 73, 0x24, kSecond, 0, 255, 0, false},
    {"TX Power Level", K::Driven, 75, 0x25, kSecond, 0, 255, 0x32, true},
    {"Mod Level", K::Driven, 76, 0x26, kFirst, 0, 255, 0x33, true},
    {"Reference Tune Lv.", K::Driven, 77, 0x26, kSecond, 0, 255, 0x37, true},
    {"VOR Level", K::Measured, 78, 0x27, kFirst, 0, 255, 0, false},
    {"VOR Angle", K::Shown, -1, 0, kFirst, -128, 127, 0, false},
    {"Sidetone Level", K::Driven, 81, 0x28, kSecond, 0, 255, 0x39, true},
    {"RX Tune Level(Low)", K::Driven, 87, 0x2B, kSecond, 0, 255, 0x3A, false},
    {"RX Tune Level(High)", K::Driven, 93, 0x2E, kSecond, 0, 255, 0x3A, false},
    {"Squelch Hyst. Lv.", K::Typed, 74, 0x25, kLowNibble, 0, 15, 0, false},
    {"Squelch Hyst. Lv.", K::Typed, 74, 0x25, kHighNibble, 0, 15, 0, false},
    {"VOR Hysteresis Level", K::Typed, 79, 0x27, kSecondLowNibble, 0, 15, 0, false},
    {"VOR Degree Adjustment", K::Typed, 80, 0x28, kFirst, -15, 15, 0, false},
};

constexpr std::uint8_t kReferenceTune = 0x37;

void WriteBe32(CloneImage& image, std::size_t at, std::uint32_t v) {
    for (int i = 0; i < 4; ++i)
        image[at + static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(v >> (24 - 8 * i));
}

int SignedByte(int value) {
    const int low = value & 0xFF;
    return low & 0x80 ? (low & 0x7F) - 128 : low;
}

} // namespace

std::uint32_t ReadBe32(const CloneImage& image, std::size_t at) {
    return static_cast<std::uint32_t>(image[at]) << 24 | static_cast<std::uint32_t>(image[at + 1]) << 16 |
           static_cast<std::uint32_t>(image[at + 2]) << 8 | image[at + 3];
}

const AlignSlot& AlignSlotInfo(int slot) {
    return kSlots[std::clamp(slot, 0, kAlignSlotCount - 1)];
}

SquelchBand SquelchBandOf(int slot) {
    switch (slot) {
    case 0: // threshold, tight and hysteresis
    case 1:
    case 12:
        return SquelchBand::Am;
    case 2:
    case 3:
    case 13:
        return SquelchBand::Fm;
    default:
        return SquelchBand::None;
    }
}

AlignmentModel::AlignmentModel(ChannelTable& channels, CloneImage& image, AlignmentRadio& radio)
    : m_channels(channels), m_image(image), m_radio(radio) {
    for (int i = 0; i < kMrCount; ++i) {
        if (Listable(channels.Entry(i), i)) m_listable.push_back(i);
    }
    m_noChannel = m_listable.empty();
    m_currentIndex = m_noChannel ? 0 : m_listable.front();
}

bool AlignmentModel::Listable(const ChannelEntry& entry, int index) {
    return index >= 0 && index < kMrCount && !entry.Masked && entry.Mode != kModeWx;
}

bool AlignmentModel::CanStart(const ChannelTable& channels) {
    if (channels.CurrentGroup() == kGroupWeather) return false;
    for (int i = 0; i < kMrCount; ++i) {
        if (Listable(channels.Entry(i), i)) return true;
    }
    return false;
}

std::vector<std::string> AlignmentModel::ChannelItems() const {
    std::vector<std::string> items;
    for (int index : m_listable)
        items.push_back(Format("%2d", index + 1));
    return items;
}

int& AlignmentModel::Field(int slot) {
    AlignValues& v = m_values;
    int* fields[kAlignSlotCount] = {&v.AmThresholdSquelch,
                                    &v.AmTightSquelch,
                                    &v.FmThresholdSquelch,
                                    &v.FmTightSquelch,
                                    &v.TxPowerLevel,
                                    &v.ModLevel,
                                    &v.ReferenceTuneLevel,
                                    &v.VorLevel,
                                    &v.VorAngle,
                                    &v.SidetoneLevel,
                                    &v.RxTuneLowLevel,
                                    &v.RxTuneHighLevel,
                                    &v.AmSquelchHysteresis,
                                    &v.FmSquelchHysteresis,
                                    &v.VorHysteresis,
                                    &v.VorDegreeAdjustment};
    return *fields[std::clamp(slot, 0, kAlignSlotCount - 1)];
}

int AlignmentModel::FieldValue(int slot) const {
    return const_cast<AlignmentModel*>(this)->Field(slot);
}

int AlignmentModel::Value(int slot) const {
    return FieldValue(slot);
}

void AlignmentModel::LoadFromImage() {
    for (int slot = 0; slot < kAlignSlotCount; ++slot) {
        const AlignSlot& s = kSlots[slot];
        if (s.imageByte < 0) continue;
        const int byte = m_image[static_cast<std::size_t>(s.imageByte)];
        Field(slot) = IsLowNibble(s.part) ? byte & 0x0F : s.part == kHighNibble ? byte >> 4 : byte;
    }
    m_values.VorAngle = m_values.VorDegreeAdjustment;
    m_values.RxTuneLowFrequency = static_cast<int>(ReadBe32(m_image, kRxTuneLowOffset));
    m_values.RxTuneHighFrequency = static_cast<int>(ReadBe32(m_image, kRxTuneHighOffset));
    m_shownReading.fill(std::nullopt);
}

void AlignmentModel::StoreToImage() {
    for (int slot = 0; slot < kAlignSlotCount; ++slot) {
        const AlignSlot& s = kSlots[slot];
        if (s.imageByte < 0) continue;
        std::uint8_t& byte = m_image[static_cast<std::size_t>(s.imageByte)];
        const int value = FieldValue(slot);
        if (IsLowNibble(s.part)) {
            byte = static_cast<std::uint8_t>((byte & 0xF0) | (value & 0x0F));
        } else if (s.part == kHighNibble) {
            byte = static_cast<std::uint8_t>((byte & 0x0F) | ((value & 0x0F) << 4));
        } else {
            byte = static_cast<std::uint8_t>(value);
        }
    }
    WriteBe32(m_image, kRxTuneLowOffset, static_cast<std::uint32_t>(m_values.RxTuneLowFrequency));
    WriteBe32(m_image, kRxTuneHighOffset, static_cast<std::uint32_t>(m_values.RxTuneHighFrequency));
}

RadioReply AlignmentModel::Check(RadioReply reply) {
    if (reply == RadioReply::Silent) m_linkLost = true;
    return reply;
}

bool AlignmentModel::SelectChannel(int position) {
    if (m_listable.empty()) {
        m_noChannel = true;
        return false;
    }
    m_selection = std::clamp(position, 0, static_cast<int>(m_listable.size()) - 1);
    m_currentIndex = m_listable[static_cast<std::size_t>(m_selection)];
    m_noChannel = false;
    if (Check(m_radio.SelectChannel(m_currentIndex)) != RadioReply::Accepted) {
        m_noChannel = true;
        return false;
    }
    if (m_dirty) {
        StoreToImage();
        m_dirty = false;
    }
    LoadFromImage();
    return true;
}

bool AlignmentModel::CommitValue(int slot, std::string_view text) {
    const AlignSlot& s = AlignSlotInfo(slot);
    if (m_noChannel || s.word == 0) return false;
    const int value = static_cast<int>(
        std::clamp<std::int64_t>(LeadingInteger(text), s.minimum, s.maximum)); // no digits: 0
    std::uint8_t word[2] = {0, 0};
    if (Check(m_radio.ReadWord(s.word, word[0], word[1])) != RadioReply::Accepted) return false;
    switch (s.part) {
    case kLowNibble:
        word[0] = static_cast<std::uint8_t>((word[0] & 0xF0) | (value & 0x0F));
        break;
    case kHighNibble:
        word[0] = static_cast<std::uint8_t>((word[0] & 0x0F) | ((value * 16) & 0xF0));
        break;
    case kSecondLowNibble:
        word[1] = static_cast<std::uint8_t>((word[1] & 0xF0) | (value & 0x0F));
        break;
    default:
        word[s.part] = static_cast<std::uint8_t>(value);
        break; // slot 15: two's complement
    }
    if (Check(m_radio.WriteWord(s.word, word[0], word[1])) != RadioReply::Accepted) return false;
    Field(slot) = value;
    m_shownReading[static_cast<std::size_t>(slot)].reset();
    m_dirty = true;
    if (slot == 10 || slot == 11) WriteChannelFrequency(slot);
    return true;
}

bool AlignmentModel::WriteChannelFrequency(int slot) {
    const ChannelEntry* entry = Current();
    if (!entry) return false;
    const auto f = static_cast<std::uint32_t>(entry->RxHz / 10);
    const std::uint8_t bytes[4] = {static_cast<std::uint8_t>(f >> 24), static_cast<std::uint8_t>(f >> 16),
                                   static_cast<std::uint8_t>(f >> 8), static_cast<std::uint8_t>(f)};
    const std::uint16_t firstWord = slot == 10 ? 0x29 : 0x2C;
    bool ok = true;
    for (int half = 0; half < 2; ++half) {
        std::uint8_t a = 0, b = 0;
        const auto address = static_cast<std::uint16_t>(firstWord + half);
        if (Check(m_radio.ReadWord(address, a, b)) != RadioReply::Accepted) {
            ok = false;
            continue;
        }
        ok =
            Check(m_radio.WriteWord(address, bytes[2 * half], bytes[2 * half + 1])) == RadioReply::Accepted &&
            ok;
    }
    return ok;
}

bool AlignmentModel::Measure(int slot) {
    if (m_noChannel) return false;
    const int id = kFirstAdjButtonId + slot;
    if (m_activeAdjustment == 0) {
        m_activeAdjustment = id;
    } else {
        if (m_activeAdjustment == id) m_activeAdjustment = 0;
        return false;
    }
    bool ok = false;
    if (slot == 8) {
        std::uint16_t raw = 0;
        if (Check(m_radio.ReadVor(raw)) == RadioReply::Accepted) {
            m_values.VorAngle = raw / 57 + (raw % 57 > 28 ? 1 : 0);
            ok = true;
        }
    } else {
        std::array<std::uint8_t, 6> status{};
        if (Check(m_radio.ReadStatus(status)) == RadioReply::Accepted) {
            const int reading = slot == 7 ? status[0] : status[3];
            ok = CommitValue(slot, std::to_string(reading));
            // The field shows the reading even when the radio did not take it; the model (and so the
            // image) keeps only what the radio holds.
            if (!ok) m_shownReading[static_cast<std::size_t>(slot)] = reading;
        }
    }
    m_activeAdjustment = 0;
    return ok;
}

bool AlignmentModel::StartLive(int slot) {
    const AlignSlot& s = AlignSlotInfo(slot);
    if (m_noChannel || s.kind != K::Driven) return false;
    const auto level = static_cast<std::uint8_t>(FieldValue(slot));
    if (!s.keyed) return Check(m_radio.Live(s.liveCommand, level)) == RadioReply::Accepted;
    if (Check(m_radio.EndLive()) != RadioReply::Accepted) return false;
    if (Check(m_radio.KeyTransmitter()) != RadioReply::Accepted) return false;
    m_keyed = true;
    return Check(m_radio.Live(s.liveCommand, level)) == RadioReply::Accepted;
}

RadioReply AlignmentModel::SetLive(int slot, int level) {
    const AlignSlot& s = AlignSlotInfo(slot);
    if (m_noChannel || s.kind != K::Driven) return RadioReply::Refused;
    return Check(m_radio.Live(s.liveCommand, static_cast<std::uint8_t>(level)));
}

void AlignmentModel::Unkey() {
    if (!m_keyed) return;
    if (Check(m_radio.EndLive()) == RadioReply::Accepted) m_keyed = false;
}

void AlignmentModel::FinishLive(int slot, std::optional<int> acceptedLevel) {
    const AlignSlot& s = AlignSlotInfo(slot);
    if (acceptedLevel) {
        if (Check(m_radio.EndLive()) == RadioReply::Accepted) m_keyed = false;
        CommitValue(slot, Format("%3d", *acceptedLevel & 0xFF));
        return;
    }
    if (s.liveCommand == kReferenceTune) {
        Check(m_radio.Live(kReferenceTune, static_cast<std::uint8_t>(m_values.ReferenceTuneLevel)));
    }
    if (Check(m_radio.EndLive()) == RadioReply::Accepted) m_keyed = false;
}

void AlignmentModel::Leave() {
    m_activeAdjustment = 0;
    if (m_keyed) Unkey();
    StoreToImage();
    m_radio.LeaveAlignment();
}

const ChannelEntry* AlignmentModel::Current() const {
    if (m_listable.empty()) return nullptr;
    return &m_channels.Entry(m_currentIndex);
}

std::string AlignmentModel::FormatValue(int slot) const {
    if (m_noChannel) return "Error";
    const auto& shown = m_shownReading[static_cast<std::size_t>(std::clamp(slot, 0, kAlignSlotCount - 1))];
    const int value = shown ? *shown : FieldValue(slot);
    if (slot == 8 || slot == 15) return Format("%d", SignedByte(value));
    return Format("%d", value);
}

std::string AlignmentModel::Band() const {
    const ChannelEntry* e = Current();
    return m_noChannel || !e ? "Error"
                             : std::string(texts::kMode[static_cast<std::size_t>(std::clamp(e->Mode, 0, 2))]);
}

std::string AlignmentModel::AmStepText() const {
    const ChannelEntry* e = Current();
    if (m_noChannel || !e) return "Error";
    return e->Mode == kModeAm ? texts::Pick(texts::kAmStep, e->AmStep) : "---";
}

std::string AlignmentModel::FmStepText() const {
    const ChannelEntry* e = Current();
    if (m_noChannel || !e) return "Error";
    return e->Mode == kModeFm ? texts::Pick(texts::kFmStep, e->FmStep) : "---";
}

std::string AlignmentModel::RxText() const {
    const ChannelEntry* e = Current();
    return m_noChannel || !e ? "Error" : Format("%7.3f", e->RxDisplay);
}

std::string AlignmentModel::TxText() const {
    const ChannelEntry* e = Current();
    if (m_noChannel || !e) return "Error";
    return e->Split ? Format("%3.6f", HzToMHz(e->TxHz)) : "---.---";
}

std::string AlignmentModel::SplitText() const {
    const ChannelEntry* e = Current();
    return m_noChannel || !e ? "Error" : texts::Pick(texts::kSplit, e->Split);
}

bool AlignmentModel::CurrentIsFm() const {
    const ChannelEntry* e = Current();
    return e && e->Mode == kModeFm;
}

bool AlignmentModel::SlotLive(int slot) const {
    const SquelchBand band = SquelchBandOf(slot);
    return band == SquelchBand::None || (band == SquelchBand::Fm) == CurrentIsFm();
}

} // namespace zt46
