#include <gtest/gtest.h>

#include <functional>
#include <set>

#include "core/alignment/AlignmentModel.h"
#include "core/document/FactoryImage.h"
#include "core/editor/ChannelTable.h"
#include "core/image/SettingsGroups.h"

namespace zt46 {
namespace {

// A radio in alignment mode, in memory: its words start as the image's, every command is logged, and
// commands can be refused or met with silence.
class FakeRadio : public AlignmentRadio {
public:
    explicit FakeRadio(const CloneImage& image) : memory(image) {}

    RadioReply SelectChannel(int index) override { return Log(0x30, index); }
    RadioReply ReadWord(std::uint16_t a, std::uint8_t& first, std::uint8_t& second) override {
        return Log(0xF0, a, [&] { std::tie(first, second) = std::pair(memory[2u * a], memory[2u * a + 1]); });
    }
    RadioReply WriteWord(std::uint16_t a, std::uint8_t first, std::uint8_t second) override {
        return Log(0xF1, a, [&] { std::tie(memory[2u * a], memory[2u * a + 1]) = std::pair(first, second); });
    }
    RadioReply ReadStatus(std::array<std::uint8_t, 6>& s) override {
        return Log(0x31, 0, [&] { s = {rssi, 0, 0, sqs, 0, 0}; });
    }
    RadioReply ReadVor(std::uint16_t& raw) override {
        return Log(0x38, 0, [&] { raw = vor; });
    }
    RadioReply Live(std::uint8_t command, std::uint8_t level) override { return Log(command, level); }
    RadioReply KeyTransmitter() override { return Log(0x34, 0); }
    RadioReply EndLive() override { return Log(0x35, 0); }
    RadioReply LeaveAlignment() override { return Log(0x36, 0); }

    // Logs the command; when the radio accepts it, `accepted` does what the radio does.
    RadioReply Log(int command, int argument, const std::function<void()>& accepted = nullptr) {
        log.emplace_back(command, argument);
        if (silent) return RadioReply::Silent;
        if (refused.count(command)) return RadioReply::Refused;
        if (accepted) accepted();
        return RadioReply::Accepted;
    }
    std::vector<int> Commands() const {
        std::vector<int> c;
        for (const auto& [command, argument] : log)
            c.push_back(command);
        return c;
    }

    CloneImage memory;
    std::vector<std::pair<int, int>> log;
    std::set<int> refused;
    bool silent = false;
    std::uint8_t rssi = 0, sqs = 0;
    std::uint16_t vor = 0;
};

struct Fixture {
    CloneImage image = FactoryImage();
    SystemSettings system;
    ChannelTable table;
    std::unique_ptr<FakeRadio> radio;
    std::unique_ptr<AlignmentModel> model;

    explicit Fixture(std::initializer_list<int> unmasked = {0, 2}, int fmChannel = -1) {
        image[kChannelMaskOffset] |= 1; // the factory's MR 1 is in use: start from none
        for (int i : unmasked)
            image[kChannelMaskOffset + static_cast<std::size_t>(i / 8)] &=
                static_cast<std::uint8_t>(~(1u << (i % 8)));
        if (fmChannel >= 0) {
            image[7] |= 0x02;
            for (const auto& [at, value] :
                 {std::pair{0, 0x45}, {1, 0x48}, {10, 0x5A}, {11, 0xA0}}) // FM 145 MHz
                image[ChannelRecordOffset(fmChannel) + at] = static_cast<std::uint8_t>(value);
        }
        system.Load(image);
        table.Load(image, system);
        radio = std::make_unique<FakeRadio>(image);
        model = std::make_unique<AlignmentModel>(table, image, *radio);
    }
};

// MR 1 and MR 3 in use, MR 1 selected.
struct Selected : Fixture {
    Selected() { EXPECT_TRUE(model->SelectChannel(0)); }
};

TEST(AlignmentModelTest, ChannelListSkipsMaskedAndWxChannels) {
    Fixture f({0, 2});
    EXPECT_EQ(f.model->ChannelItems(), (std::vector<std::string>{" 1", " 3"}));
    ASSERT_TRUE(f.model->SelectChannel(1));
    EXPECT_EQ(f.radio->log.back(), (std::pair<int, int>{0x30, 2}));
    EXPECT_TRUE(AlignmentModel::CanStart(f.table));
    Fixture none({});
    EXPECT_EQ(std::pair(AlignmentModel::CanStart(none.table), none.model->NoChannel()),
              std::pair(false, true));
    EXPECT_FALSE(none.model->SelectChannel(0));
    EXPECT_TRUE(none.radio->log.empty()); // nothing to select, nothing sent
    f.table.NextGroup(1);
    f.table.NextGroup(1);
    ASSERT_EQ(f.table.CurrentGroup(), kGroupWeather);
    EXPECT_FALSE(AlignmentModel::CanStart(f.table)); // not on the Weather group
}

// A typed value is clamped, shown as clamped (the VOR adjustment signed), and written to the radio's
// word and the image's byte, leaving the bits of that byte other slots own. Where every slot's value lands
// in the radio's memory, byte for byte, is AlignmentRadioTest's, over the simulated radio.
TEST(AlignmentModelTest, EachSlotWritesItsWordAndImageBytes) {
    struct Case {
        int slot;
        const char* text;
        std::size_t byte;
        std::uint8_t expected; // the image (and radio) byte afterwards
        std::uint8_t mask;     // the bits of that byte the slot owns
        const char* shown;
    };
    for (const Case& c : {Case{0, "12", 70, 12, 0xFF, "12"}, Case{1, "300", 71, 255, 0xFF, "255"},
                          Case{3, "-4", 73, 0, 0xFF, "0"}, Case{12, "99", 74, 0x0F, 0x0F, "15"},
                          Case{13, "5", 74, 0x50, 0xF0, "5"}, Case{14, "3", 79, 0x03, 0x0F, "3"},
                          Case{15, "-20", 80, 0xF1, 0xFF, "-15"}}) {
        Selected f;
        const CloneImage before = f.image;
        ASSERT_TRUE(f.model->CommitValue(c.slot, c.text)) << c.slot;
        const int byte = f.radio->memory[c.byte], others = ~c.mask & 0xFF;
        EXPECT_EQ(std::tuple(f.model->FormatValue(c.slot), byte & c.mask, byte & others),
                  std::tuple(c.shown, c.expected, before[c.byte] & others))
            << c.slot;
        f.model->Leave();
        EXPECT_EQ(f.image[c.byte], f.radio->memory[c.byte]) << c.slot;
        EXPECT_EQ(f.radio->log.back().first, 0x36);
    }
}

TEST(AlignmentModelTest, MeasuredValuesAndVorBearing) {
    Selected f;
    f.radio->sqs = 77;
    f.radio->rssi = 150;
    EXPECT_TRUE(f.model->Measure(2));
    EXPECT_EQ(f.radio->memory[72], 77);
    EXPECT_TRUE(f.model->Measure(7));
    EXPECT_EQ(f.radio->memory[78], 150);
    for (const auto& [raw, angle] : {std::pair{997, 17}, {1000, 18}, {0, 0}}) {
        f.radio->vor = static_cast<std::uint16_t>(raw);
        EXPECT_TRUE(f.model->Measure(8));
        EXPECT_EQ(f.model->Value(8), angle) << raw;
    }
    // A status that cannot be read changes nothing.
    f.radio->refused.insert(0x31);
    EXPECT_FALSE(f.model->Measure(2));
    EXPECT_EQ(f.model->Value(2), 77);
    // A reading the radio refuses to store shows, but the image keeps the radio's value.
    f.radio->refused = {0xF1};
    f.radio->sqs = 5;
    EXPECT_FALSE(f.model->Measure(0));
    EXPECT_EQ(f.model->FormatValue(0), "5");
    f.model->Leave();
    EXPECT_EQ(f.image[70], FactoryImage()[70]);
}

TEST(AlignmentModelTest, DrivenSlotKeysAndUnkeysInOrder) {
    Selected f;
    f.radio->log.clear();
    ASSERT_TRUE(f.model->StartLive(4));
    EXPECT_TRUE(f.model->TransmitterKeyed());
    EXPECT_EQ(f.model->SetLive(4, 100), RadioReply::Accepted);
    f.model->FinishLive(4, 100);
    EXPECT_FALSE(f.model->TransmitterKeyed());
    EXPECT_EQ(f.radio->Commands(), (std::vector<int>{0x35, 0x34, 0x32, 0x32, 0x35, 0xF0, 0xF1}));
    EXPECT_EQ(f.radio->memory[75], 100);
    // Cancelling the reference tune sends its stored level again before ending.
    f.radio->log.clear();
    ASSERT_TRUE(f.model->StartLive(6));
    f.model->SetLive(6, 3);
    f.model->FinishLive(6, std::nullopt);
    EXPECT_EQ(f.radio->log[f.radio->log.size() - 2], (std::pair<int, int>{0x37, FactoryImage()[77]}));
    EXPECT_EQ(f.radio->log.back().first, 0x35);
    // RX tune drives without keying.
    f.radio->log.clear();
    ASSERT_TRUE(f.model->StartLive(10));
    EXPECT_FALSE(f.model->TransmitterKeyed());
    EXPECT_EQ(f.radio->Commands(), (std::vector<int>{0x3A}));
}

TEST(AlignmentModelTest, RefusedLevelAndRefusedChannel) {
    Selected f;
    f.radio->refused.insert(0x33);
    EXPECT_EQ(f.model->SetLive(5, 9), RadioReply::Refused);
    f.radio->refused = {0x30};
    EXPECT_FALSE(f.model->SelectChannel(1));
    EXPECT_EQ(std::tuple(f.model->NoChannel(), f.model->FormatValue(0), f.model->Band()),
              std::tuple(true, "Error", "Error"));
    f.radio->log.clear();
    EXPECT_FALSE(f.model->CommitValue(0, "5"));
    EXPECT_FALSE(f.model->StartLive(4));
    EXPECT_TRUE(f.radio->log.empty()); // nothing is sent while no channel is selected
}

TEST(AlignmentModelTest, ChangingChannelStoresWrittenValuesFirst) {
    Selected f;
    ASSERT_TRUE(f.model->CommitValue(9, "66"));
    EXPECT_TRUE(f.model->Dirty());
    ASSERT_TRUE(f.model->SelectChannel(1));
    EXPECT_FALSE(f.model->Dirty());
    EXPECT_EQ(std::pair(f.image[81] + 0, f.model->Value(9)), std::pair(66, 66));
}

TEST(AlignmentModelTest, SilentRadioIsReportedAndUnkeyed) {
    Selected f;
    ASSERT_TRUE(f.model->StartLive(9));
    f.radio->silent = true;
    EXPECT_EQ(f.model->SetLive(9, 1), RadioReply::Silent);
    EXPECT_TRUE(f.model->LinkLost());
    f.model->Unkey();
    EXPECT_EQ(f.radio->log.back().first, 0x35); // the way out tries to unkey
}

TEST(AlignmentModelTest, OnlyTheTestChannelsBandHasLiveSquelchControls) {
    Selected am;
    Fixture fm({0, 2}, 2);
    ASSERT_TRUE(fm.model->SelectChannel(1));
    struct Case {
        int slot;
        bool liveOnAm, liveOnFm;
    };
    for (const Case& c : {Case{0, true, false}, Case{1, true, false}, Case{12, true, false},
                          Case{2, false, true}, Case{3, false, true}, Case{13, false, true},
                          Case{4, true, true}, Case{8, true, true}, Case{15, true, true}}) {
        EXPECT_EQ(am.model->SlotLive(c.slot), c.liveOnAm) << c.slot;
        EXPECT_EQ(fm.model->SlotLive(c.slot), c.liveOnFm) << c.slot;
    }
    EXPECT_EQ(
        std::tuple(fm.model->CurrentIsFm(), fm.model->Band(), fm.model->FmStepText(), fm.model->RxText()),
        std::tuple(true, "FM", "25k", "145.000"));
}

} // namespace
} // namespace zt46
