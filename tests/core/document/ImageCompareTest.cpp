// Two images compared by meaning, the differing ranges named, and what a write says about them.
#include <gtest/gtest.h>

#include "core/document/FactoryImage.h"
#include "core/document/ImageCompare.h"
#include "core/document/RadioWrite.h"
#include "core/editor/CellEdit.h"
#include "core/editor/VfoSettings.h"
#include "core/image/Fields.h"
#include "core/settings/ComboPageModels.h"
#include "support/TestSupport.h"

namespace zt46 {
namespace {

using Lines = std::vector<std::string>;

Lines LinesOf(const std::vector<ImageDifference>& differences) {
    Lines lines;
    for (const ImageDifference& d : differences)
        lines.push_back(d.line);
    return lines;
}

// The factory image with MR 1..3 and Book MR 1 in use, as the program holds it.
CloneImage Base() {
    test::DocFixture f(FactoryImage());
    for (int i : {0, 1, 2, kFirstBookIndex})
        f.doc.Channels().Entry(i).Masked = 0;
    f.doc.ModelsToImage();
    return f.doc.Image();
}

// One change of every kind the comparison knows, made the way the program makes it.
CloneImage EveryKindChanged(const CloneImage& base) {
    test::DocFixture f(base);
    Document& doc = f.doc;
    doc.System().DualWatch = 1;
    doc.System().CurrentMode = kCurrentModeMr;
    CellEdit cells(doc.Channels(), doc.Bands(), f.prompts);
    cells.SetCellText(0, kColTag, "TOWER");
    cells.SetCellText(kFirstBookIndex, kColReceive, "121.5");
    doc.Channels().Entry(2).Masked = 1;
    doc.Channels().Entry(kFirstWeatherIndex).Scan ^= 1;
    doc.ModelsToImage();
    CloneImage image = doc.Image();
    SetField(image, fields::Dimmer, 3);
    KeyMiscSettings keys;
    keys.Load(image);
    keys.TemperatureOffset = 1.5;
    keys.Store(image);
    VfoSettings vfo = VfoSettings::A();
    vfo.Load(image, doc.Bands());
    vfo.SetRxText("119.1", doc.Bands());
    vfo.Store(image, doc.Bands());
    image[kCurrentMrChannelOffset] = 1;                            // MR 2
    image[75] = 100;                                               // TX power
    image[74] = static_cast<std::uint8_t>((image[74] & 0xF0) | 5); // AM squelch hysteresis
    image[0] = 0x01;                                               // firmware 1.02
    image[1] = 0x02;
    const std::uint8_t serial[] = {0x11, 0x22, 0x33, 0x44}; // serial 1C223344
    std::copy_n(serial, 4, &image[kSerialNumberOffset]);
    image[45] ^= 0x08;                      // nobody's bit, in the byte of Dual Watch
    image[48] ^= 0x01;                      // nobody's byte
    image[kMrOffset + kRecordSize] ^= 0x30; // MR 2, bits nobody reads
    image[3900] ^= 0xFF;
    image[3901] ^= 0xFF;
    return image;
}

TEST(ImageCompare, ListsEveryKindOfDifferenceInTheGridsAndDialogsWords) {
    const CloneImage base = Base();
    const CloneImage changed = EveryKindChanged(base);
    const std::string serial = DecodeSerialNumber(base);
    const Lines expected = {
        "Identity / Serial number: " + serial + " → 1C223344",
        "Identity / Firmware version: 0.00 → 1.02",
        "System / Current Mode: VFO → MR",
        "System / Dual Watch: Off → On",
        "Display & Sound / DIMMER: LV3 → LV4",
        "Key Set/Misc / Temperature Offset: 0.0 → 1.5",
        "VFO A / Receive Frequency: 118.000 → 119.100",
        "Current channel / MR: 1 → 2",
        "MR 1 / TAG: (blank) → TOWER",
        "MR 3 / Chn: in use → not in use",
        "Book MR 1 / Receive: 118.000 → 121.500",
        "Weather 1 / SC: - → v",
        "Alignment / TX Power Level: 127 → 100",
        "Alignment / Squelch Hyst. Lv. (AM): 1 → 5",
        "Byte 45 (System settings): 38 → 70", // beside Dual Watch, which has its own line
        "Byte 48 (not interpreted): 00 → 01",
        "Byte 306 (channel MR 2): 0D → 3D",
        "Bytes 3900..3901 (not interpreted): FF FF → 00 00",
    };
    const std::vector<ImageDifference> differences = CompareImages(base, changed);
    EXPECT_EQ(LinesOf(differences), expected);
    EXPECT_EQ(CompareSummary(differences), "18 differences.");
    // Each line has its kind.
    EXPECT_EQ(std::tuple(differences.front().kind, differences[8].kind, differences[12].kind,
                         differences.back().kind),
              std::tuple(DifferenceKind::Identity, DifferenceKind::Channel, DifferenceKind::Alignment,
                         DifferenceKind::Bytes));
}

// Each row of the Common pages, changed alone, is one line under its page and label: its bits are where
// the comparison looks for it.
template <typename Group> void EachRowAlone(const char* page, const std::vector<ComboRow<Group>>& rows) {
    const CloneImage base = Base();
    for (const ComboRow<Group>& row : rows) {
        CloneImage changed = base;
        Group group;
        group.Load(changed);
        group.*(row.field) = (group.*(row.field) + 1) % static_cast<int>(row.items.size());
        group.Store(changed);
        const Lines lines = LinesOf(CompareImages(base, changed));
        ASSERT_EQ(lines.size(), 1u) << row.label;
        std::string label(row.label);
        std::erase(label, '&');
        EXPECT_EQ(lines[0].rfind(std::string(page) + " / " + label + ": ", 0), 0u) << lines[0];
    }
}

TEST(ImageCompare, EachCommonSettingIsOneLineUnderItsLabel) {
    EachRowAlone("Display & Sound", DisplaySoundRows());
    EachRowAlone("TX/RX", TxRxRows());
    EachRowAlone("Key Set/Misc", KeyMiscRows());
}

TEST(ImageCompare, ImagesAsLoadedDifferOnlyWhereTheProgramWouldShowIt) {
    // A blank channel record reads as VFO A at 118.000 MHz: blank and filled in are the same channel.
    CloneImage blank = FactoryImage();
    std::fill_n(&blank[kMrOffset + 10], 2, 0xFF);
    EXPECT_FALSE(CompareImages(blank, FactoryImage()).empty());
    EXPECT_TRUE(CompareImages(AsLoaded(blank), AsLoaded(FactoryImage())).empty()); // equal: no lines
    EXPECT_TRUE(DifferingRanges(blank, blank).empty());
}

TEST(ImageCompare, ReadsCloneFilesWithTheChecksOfOpen) {
    test::TempDir dir;
    test::RecordingPrompts prompts;
    const std::string good = test::WriteClone(dir.File("good.t46"), FactoryImage());
    EXPECT_EQ(ReadCloneAsLoaded(good, prompts), AsLoaded(FactoryImage()));
    const std::string shortFile = test::WriteBytes(dir.File("short.t46"), std::vector<unsigned char>(100, 0));
    EXPECT_FALSE(ReadCloneAsLoaded(shortFile, prompts).has_value());
    EXPECT_EQ(prompts.ids.size(), 1u); // the message of File > Open
}

TEST(ImageCompare, NamesTheDifferingRangesByWhatTheyHold) {
    struct Case {
        std::vector<std::size_t> bytes;
        Lines described;
    };
    const Case cases[] = {
        {{3800, 3801, 3802, 3803}, {"bytes 3800..3803: identity block"}},
        {{292, 304, 305, 306},
         {"byte 292: channel MR 1", "bytes 304..305: channel MR 1", "byte 306: channel MR 2"}},
        {{152, 2392, 3791},
         {"byte 152: channel Weather 1", "byte 2392: channel Book MR 1", "byte 3791: channel Book MR 100"}},
        {{44, 45, 46, 47},
         {"bytes 44..45: System settings", "byte 46: not interpreted", "byte 47: System settings"}},
        {{0, 2, 75, 100, 112, 130, 145},
         {"byte 0: firmware version", "byte 2: alignment check value", "byte 75: alignment block",
          "byte 100: alignment check block", "byte 112: Common settings", "byte 130: VFO A",
          "byte 145: VFO B"}},
    };
    for (const Case& c : cases) {
        CloneImage changed = FactoryImage();
        for (std::size_t b : c.bytes)
            changed[b] ^= 0x5A;
        EXPECT_EQ(DescribeDifferingRanges(FactoryImage(), changed), c.described);
    }
}

TEST(RadioWrite, VerifyFailureNamesRangesAndBackup) {
    CloneImage readBack = FactoryImage();
    readBack[kMrOffset + 3] ^= 0x01;
    const Prompt failed = VerifyFailedPrompt(FactoryImage(), readBack, "backups/KSR-410_x.t46");
    EXPECT_EQ(failed.id, IDS_VERIFY_FAILED);
    EXPECT_NE(failed.text.find("byte 295: channel MR 1"), std::string::npos) << failed.text;
    EXPECT_NE(failed.text.find("backups/KSR-410_x.t46"), std::string::npos) << failed.text;
    // Many ranges: a dozen are listed, then how many more.
    CloneImage scattered = FactoryImage();
    for (std::size_t i = 0; i < 40; ++i)
        scattered[kMrOffset + i * kRecordSize] ^= 0x40;
    const Prompt many = VerifyFailedPrompt(FactoryImage(), scattered, "");
    EXPECT_NE(many.text.find("and 28 more"), std::string::npos) << many.text;
    EXPECT_EQ(many.text.find("backup"), std::string::npos);
}

TEST(RadioWrite, TheIdentityQuestionNamesBothSerialNumbersAndItsThreeAnswers) {
    CloneImage file = FactoryImage(), radio = FactoryImage();
    EXPECT_TRUE(SameSerialNumber(file, radio));
    radio[kSerialNumberOffset + 3] = 0x99;
    EXPECT_FALSE(SameSerialNumber(file, radio));
    const Prompt q = IdentityQuestion(file, radio);
    EXPECT_EQ(q.text, "This file was read from radio " + DecodeSerialNumber(file) +
                          ". The radio connected is " + DecodeSerialNumber(radio) + ".");
    EXPECT_EQ(std::pair(q.buttons, q.defaultAnswer), std::pair(Buttons::YesNoCancel, Answer::Yes));
    EXPECT_EQ(std::tuple(IdentityFromAnswer(Answer::Yes), IdentityFromAnswer(Answer::No),
                         IdentityFromAnswer(Answer::Cancel)),
              std::tuple(IdentityChoice::Radio, IdentityChoice::File, std::nullopt));
}

} // namespace
} // namespace zt46
