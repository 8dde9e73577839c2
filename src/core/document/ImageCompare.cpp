#include "core/document/ImageCompare.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <string_view>

#include "core/alignment/AlignmentModel.h"
#include "core/document/Document.h"
#include "core/editor/CellEdit.h"
#include "core/editor/ChannelTable.h"
#include "core/editor/EditTexts.h"
#include "core/editor/VfoSettings.h"
#include "core/image/Codecs.h"
#include "core/image/Fields.h"
#include "core/image/SettingsGroups.h"
#include "core/settings/ComboPageModels.h"
#include "core/settings/SystemSettingsModel.h"
#include "core/settings/VfoPageModel.h"
#include "core/util/TextFormat.h"
#include "core/util/UserPrompts.h"

namespace zt46 {
namespace {

namespace f = fields;

constexpr std::string_view kArrow = " \xE2\x86\x92 "; // " → "
constexpr std::size_t kHexShown = 8;                  // bytes of a range spelled out before "…"

// The bits of a channel record the grid shows something of (byte 0 bits 5..4 and byte 1 bit 4 are
// nobody's).
constexpr std::array<std::uint8_t, kRecordSize> kRecordMeaning{0xCF, 0xEF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF,
                                                               0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF};

std::string TrimRight(std::string text) {
    while (!text.empty() && text.back() == ' ')
        text.pop_back();
    return text;
}

std::string WithoutAccelerator(std::string_view label) {
    std::string text;
    for (char c : label) {
        if (c != '&') text += c;
    }
    return text;
}

template <typename Items> std::string ItemText(const Items& items, int value) {
    if (value >= 0 && static_cast<std::size_t>(value) < items.size())
        return TrimRight(std::string(items[static_cast<std::size_t>(value)]));
    return std::to_string(value);
}

std::string Hex(const CloneImage& image, std::size_t first, std::size_t last) {
    std::string text;
    for (std::size_t i = first; i <= last && i < first + kHexShown; ++i)
        text += Format(i == first ? "%02X" : " %02X", image[i]);
    if (last - first + 1 > kHexShown) text += " \xE2\x80\xA6"; // " …"
    return text;
}

// The runs of bytes for which `differs(i)` holds, each cut where the region changes.
template <typename Differs> std::vector<ByteRange> RunsWithinRegions(const Differs& differs) {
    std::vector<ByteRange> ranges;
    std::size_t i = 0;
    while (i < kImageSize) {
        if (!differs(i)) {
            ++i;
            continue;
        }
        const std::string region = RegionName(i);
        std::size_t last = i;
        while (last + 1 < kImageSize && differs(last + 1) && RegionName(last + 1) == region)
            ++last;
        ranges.push_back({i, last});
        i = last + 1;
    }
    return ranges;
}

int ChannelIndexAt(std::size_t offset) {
    if (offset < kMrOffset)
        return kFirstWeatherIndex + static_cast<int>((offset - kWeatherOffset) / kRecordSize);
    if (offset < kBookOffset) return static_cast<int>((offset - kMrOffset) / kRecordSize);
    return kFirstBookIndex + static_cast<int>((offset - kBookOffset) / kRecordSize);
}

// Collects the lines and keeps, byte by byte, the differing bits that no line has accounted for yet.
class Comparison {
public:
    Comparison(const CloneImage& first, const CloneImage& second) : a(first), b(second) {
        for (std::size_t i = 0; i < kImageSize; ++i)
            m_open[i] = static_cast<std::uint8_t>(a[i] ^ b[i]);
    }

    bool Differs(std::size_t first, std::size_t count) const {
        return std::memcmp(a.data() + first, b.data() + first, count) != 0;
    }
    // A line when the two texts differ; the bits it accounts for are then taken off the open ones.
    bool Report(DifferenceKind kind, std::string_view where, std::string_view name, const std::string& first,
                const std::string& second) {
        if (first == second) return false;
        const auto shown = [](const std::string& text) -> std::string_view {
            return text.empty() ? "(blank)" : std::string_view(text);
        };
        std::string line;
        line.reserve(where.size() + name.size() + first.size() + second.size() + 20);
        line.append(where)
            .append(" / ")
            .append(name)
            .append(": ")
            .append(shown(first))
            .append(kArrow)
            .append(shown(second));
        m_lines.push_back({kind, std::move(line)});
        return true;
    }
    void Explain(std::size_t byte, unsigned mask) { m_open[byte] &= static_cast<std::uint8_t>(~mask); }
    void Explain(BitField field) { Explain(field.byte, FieldMask(field)); }
    void ExplainBytes(std::size_t first, std::size_t count) {
        std::fill_n(m_open.begin() + static_cast<long>(first), count, 0);
    }

    // The differing bits left over, as ranges of bytes within one region each.
    std::vector<ImageDifference> Finish() {
        for (const auto [i, last] : RunsWithinRegions([this](std::size_t at) { return m_open[at] != 0; })) {
            const std::string where = i == last ? Format("Byte %zu", i) : Format("Bytes %zu..%zu", i, last);
            m_lines.push_back({DifferenceKind::Bytes, where + " (" + RegionName(i) + "): " + Hex(a, i, last) +
                                                          std::string(kArrow) + Hex(b, i, last)});
        }
        return std::move(m_lines);
    }

    const CloneImage& a;
    const CloneImage& b;

private:
    std::array<std::uint8_t, kImageSize> m_open{};
    std::vector<ImageDifference> m_lines;
};

void CompareIdentity(Comparison& c) {
    if (c.Differs(kSerialNumberOffset, 4) && c.Report(DifferenceKind::Identity, "Identity", "Serial number",
                                                      DecodeSerialNumber(c.a), DecodeSerialNumber(c.b))) {
        c.ExplainBytes(kSerialNumberOffset, 4);
    }
    if (c.Differs(kFirmwareVersionOffset, 2) &&
        c.Report(DifferenceKind::Identity, "Identity", "Firmware version",
                 FormatFirmwareVersion(DecodeFirmwareVersion(c.a)),
                 FormatFirmwareVersion(DecodeFirmwareVersion(c.b)))) {
        c.ExplainBytes(kFirmwareVersionOffset, 2);
    }
}

void CompareSystem(Comparison& c, const SystemSettings& a, const SystemSettings& b) {
    struct Row {
        int SystemSettings::*field;
        std::size_t byte;
        unsigned mask;
    };
    const auto at = [](int SystemSettings::*field, BitField bits) {
        return Row{field, bits.byte, FieldMask(bits)};
    };
    static const Row kRows[kSystemRowCount] = {
        at(&SystemSettings::VfoSelect, f::VfoSelect),
        {&SystemSettings::CurrentMode, f::CurrentModeByte, 0xB8}, // bits 7, 5, 4 and 3
        at(&SystemSettings::EmergencyMode, f::EmergencyMode),
        at(&SystemSettings::AnlStatus, f::AnlStatus),
        at(&SystemSettings::DualWatch, f::DualWatch),
        at(&SystemSettings::ToneControl, f::ToneControl),
        at(&SystemSettings::WeatherBand, f::WeatherBand),
        at(&SystemSettings::TxExpansion833, f::TxExpansion833),
        at(&SystemSettings::TxExpansion, f::TxExpansion),
        at(&SystemSettings::RxExpansion, f::RxExpansion),
    };
    for (int row = 0; row < kSystemRowCount; ++row) {
        const Row& r = kRows[row];
        const int va = a.*r.field, vb = b.*r.field;
        if (va == vb) continue;
        const std::vector<std::string> items = SystemRowItems(row, true);
        if (c.Report(DifferenceKind::Setting, "System", WithoutAccelerator(SystemRowLabel(row)),
                     ItemText(items, va), ItemText(items, vb)))
            c.Explain(r.byte, r.mask);
    }
}

template <typename Group>
void ComparePage(Comparison& c, std::string_view page, const std::vector<ComboRow<Group>>& rows) {
    Group a, b;
    a.Load(c.a);
    b.Load(c.b);
    for (const ComboRow<Group>& row : rows) {
        const int va = a.*(row.field), vb = b.*(row.field);
        if (va != vb && c.Report(DifferenceKind::Setting, page, WithoutAccelerator(row.label),
                                 ItemText(row.items, va), ItemText(row.items, vb))) {
            c.Explain(row.bits);
        }
    }
    if constexpr (std::is_same_v<Group, KeyMiscSettings>) {
        if (c.Report(DifferenceKind::Setting, page, WithoutAccelerator(kTemperatureOffsetLabel),
                     a.TemperatureOffsetText(), b.TemperatureOffsetText())) {
            c.Explain(f::TemperatureOffset);
        }
    }
}

void ExplainRecord(Comparison& c, std::size_t offset) {
    for (std::size_t i = 0; i < kRecordSize; ++i)
        c.Explain(offset + i, kRecordMeaning[i]);
}

void CompareVfo(Comparison& c, const char* name, std::size_t offset, const BandContext& bandA,
                const BandContext& bandB) {
    if (!c.Differs(offset, kRecordSize)) return;
    VfoSettings a(offset), b(offset);
    a.Load(c.a, bandA);
    b.Load(c.b, bandB);
    const ChannelEntry& ea = a.Entry();
    const ChannelEntry& eb = b.Entry();
    const auto combo = [&](VfoCombo which, int va, int vb) {
        return c.Report(DifferenceKind::Setting, name, WithoutAccelerator(VfoComboLabel(which)),
                        ItemText(VfoComboItems(which), va), ItemText(VfoComboItems(which), vb));
    };
    bool any = c.Report(DifferenceKind::Setting, name, WithoutAccelerator(VfoComboLabel(VfoCombo::Mode)),
                        ModeText(ea.Mode), ModeText(eb.Mode));
    any |= c.Report(DifferenceKind::Setting, name, WithoutAccelerator(kVfoRxLabel), a.RxText(), b.RxText());
    any |= c.Report(DifferenceKind::Setting, name, WithoutAccelerator(kVfoTxLabel), a.TxText(), b.TxText());
    any |= combo(VfoCombo::Split, ea.Split, eb.Split);
    any |= combo(VfoCombo::AmStep, ea.AmStep, eb.AmStep);
    any |= combo(VfoCombo::FmStep, ea.FmStep, eb.FmStep);
    any |= combo(VfoCombo::ClockShift, ea.ClockShift, eb.ClockShift);
    if (any) ExplainRecord(c, offset);
}

void CompareCurrentChannels(Comparison& c) {
    for (const auto& [offset, name] :
         {std::pair{kCurrentMrChannelOffset, "MR"}, std::pair{kCurrentBookChannelOffset, "Book MR"}}) {
        if (c.Report(DifferenceKind::Setting, "Current channel", name, std::to_string(c.a[offset] + 1),
                     std::to_string(c.b[offset] + 1))) {
            c.ExplainBytes(offset, 1);
        }
    }
}

// The grid's cells of every channel whose record or in-use bit differs, in index order.
void CompareChannels(Comparison& c, ChannelTable& a, ChannelTable& b) {
    SilentPrompts quiet;
    const CellEdit cellsA(a, BandContext{}, quiet);
    const CellEdit cellsB(b, BandContext{}, quiet);
    for (int i = 0; i < kChannelCount; ++i) {
        if (i == kFirstWeatherIndex) {
            // A Weather channel's cells are the ones the grid shows with the Weather group on screen.
            a.ShowGroup(kGroupWeather, 1);
            b.ShowGroup(kGroupWeather, 1);
        }
        const std::string name = ChannelName(i);
        if (i < kMaskedChannelCount) {
            const std::size_t byte = kChannelMaskOffset + static_cast<std::size_t>(i / 8);
            const unsigned bit = 1u << (i % 8);
            if ((c.a[byte] ^ c.b[byte]) & bit &&
                c.Report(DifferenceKind::Channel, name, GridHeaderBottom(kColChn),
                         a.Entry(i).Masked ? "not in use" : "in use",
                         b.Entry(i).Masked ? "not in use" : "in use")) {
                c.Explain(byte, bit);
            }
        }
        const std::size_t offset = ChannelRecordOffset(i);
        if (!c.Differs(offset, kRecordSize)) continue;
        bool any = false;
        for (int column = kColMode; column < kGridColumnCount; ++column) {
            any |= c.Report(DifferenceKind::Channel, name, GridColumnName(column),
                            TrimRight(cellsA.CellText(i, column)), TrimRight(cellsB.CellText(i, column)));
        }
        if (any) ExplainRecord(c, offset);
    }
}

// The alignment values as the Alignment dialog shows them.
void CompareAlignment(Comparison& c) {
    if (!c.Differs(kAdjustBlockAOffset, kAdjustBlockAEnd - kAdjustBlockAOffset)) return;
    for (int slot = 0; slot < kAlignSlotCount; ++slot) {
        const AlignSlot& s = AlignSlotInfo(slot);
        if (s.imageByte < 0) continue;
        const auto byte = static_cast<std::size_t>(s.imageByte);
        // Parts: 0 and 1 whole bytes, 2 and 4 low nibbles, 3 the high nibble.
        const unsigned mask = s.part == 2 || s.part == 4 ? 0x0F : s.part == 3 ? 0xF0 : 0xFF;
        const auto value = [&](const CloneImage& image) {
            const int raw = static_cast<int>((image[byte] & mask) >> (s.part == 3 ? 4 : 0));
            return s.minimum < 0 && raw > 127 ? raw - 256 : raw;
        };
        const SquelchBand band = SquelchBandOf(slot);
        const char* group = band == SquelchBand::Am ? " (AM)" : band == SquelchBand::Fm ? " (FM)" : "";
        if (c.Report(DifferenceKind::Alignment, "Alignment", std::string(s.label) + group,
                     std::to_string(value(c.a)), std::to_string(value(c.b)))) {
            c.Explain(byte, mask);
        }
    }
    for (const auto& [offset, name] : {std::pair{kRxTuneLowOffset, "RX Tune Frequency(Low)"},
                                       std::pair{kRxTuneHighOffset, "RX Tune Frequency(High)"}}) {
        const auto mhz = [&](const CloneImage& image) {
            return Format("%.5f", ReadBe32(image, offset) / 100000.0);
        };
        if (c.Differs(offset, 4) &&
            c.Report(DifferenceKind::Alignment, "Alignment", name, mhz(c.a), mhz(c.b)))
            c.ExplainBytes(offset, 4);
    }
}

} // namespace

std::vector<ImageDifference> CompareImages(const CloneImage& first, const CloneImage& second) {
    if (first == second) return {};
    Comparison c(first, second);
    CompareIdentity(c);

    // The models decode copies: a blank channel record is filled in as it is loaded.
    CloneImage imageA = first, imageB = second;
    SystemSettings systemA, systemB;
    systemA.Load(imageA);
    systemB.Load(imageB);
    ChannelTable tableA, tableB;
    tableA.Load(imageA, systemA);
    tableB.Load(imageB, systemB);

    CompareSystem(c, systemA, systemB);
    ComparePage(c, "Display & Sound", DisplaySoundRows());
    ComparePage(c, "TX/RX", TxRxRows());
    ComparePage(c, "Key Set/Misc", KeyMiscRows());
    const BandContext bandsA = tableA.Bands(systemA), bandsB = tableB.Bands(systemB);
    CompareVfo(c, "VFO A", kVfoAOffset, bandsA, bandsB);
    CompareVfo(c, "VFO B", kVfoBOffset, bandsA, bandsB);
    CompareCurrentChannels(c);
    CompareChannels(c, tableA, tableB);
    CompareAlignment(c);
    return c.Finish();
}

std::string CompareSummary(const std::vector<ImageDifference>& differences) {
    if (differences.empty()) return "No differences.";
    if (differences.size() == 1) return "1 difference.";
    return std::to_string(differences.size()) + " differences.";
}

CloneImage AsLoaded(const CloneImage& image) {
    SilentPrompts prompts;
    NoFileDialogs dialogs;
    Document document(prompts, dialogs, Document::Folders{});
    document.Image() = image;
    document.ImageToModels();
    document.ModelsToImage();
    return document.Image();
}

std::optional<CloneImage> ReadCloneAsLoaded(const std::string& path, UserPrompts& prompts) {
    NoFileDialogs dialogs;
    Document document(prompts, dialogs, Document::Folders{});
    if (!document.LoadFileStrict(path)) return std::nullopt;
    document.ModelsToImage();
    return document.Image();
}

std::string RegionName(std::size_t offset) {
    if (offset < 2) return "firmware version";
    if (offset < 4) return "alignment check value";
    if (offset == kHardwareOptionsOffset) return "hardware options";
    if (offset >= kChannelMaskOffset && offset < kChannelMaskOffset + kChannelMaskBytes)
        return "channels in use";
    if (offset == kCurrentMrChannelOffset) return "current MR channel";
    if (offset == kCurrentBookChannelOffset) return "current Book MR channel";
    if (offset == 44 || offset == 45 || offset == 47) return "System settings";
    if (offset >= kAdjustBlockAOffset && offset < kAdjustBlockAEnd) return "alignment block";
    if (offset >= kAdjustBlockBOffset && offset < kAdjustBlockBEnd) return "alignment check block";
    if (offset >= kCommonSettingsOffset && offset < kVfoAOffset) return "Common settings";
    if (offset >= kVfoAOffset && offset < kVfoBOffset) return "VFO A";
    if (offset >= kVfoBOffset && offset < kWeatherOffset) return "VFO B";
    if (offset >= kWeatherOffset && offset < kIdentityOffset)
        return "channel " + ChannelName(ChannelIndexAt(offset));
    if (offset >= kIdentityOffset && offset < kIdentityEnd) return "identity block";
    return "not interpreted";
}

std::vector<ByteRange> DifferingRanges(const CloneImage& first, const CloneImage& second) {
    return RunsWithinRegions([&](std::size_t at) { return first[at] != second[at]; });
}

std::vector<std::string> DescribeDifferingRanges(const CloneImage& first, const CloneImage& second) {
    std::vector<std::string> lines;
    for (const ByteRange& r : DifferingRanges(first, second)) {
        const std::string where =
            r.first == r.last ? Format("byte %zu", r.first) : Format("bytes %zu..%zu", r.first, r.last);
        lines.push_back(where + ": " + RegionName(r.first));
    }
    return lines;
}

} // namespace zt46
