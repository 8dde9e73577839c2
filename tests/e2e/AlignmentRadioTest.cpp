// Alignment entry, the alignment commands and the alignment model over the serial link against the
// simulated radio in alignment mode: what each step leaves in the radio's memory and in the image, and
// how each kind of fault is met.
#include <gtest/gtest.h>

#include <fstream>

#include "core/alignment/AlignmentModel.h"
#include "core/document/FactoryImage.h"
#include "core/editor/ChannelTable.h"
#include "core/image/SettingsGroups.h"
#include "link/AlignCommands.h"
#include "link/SerialAlignmentRadio.h"
#include "link/TransferRuns.h"
#include "support/RadioProcess.h"

namespace zt46::test {
namespace {

using Word = std::pair<std::uint8_t, std::uint8_t>;

// The factory image (MR 1 in use, AM, 118.000 MHz) with distinct bytes in the alignment block.
CloneImage Memory() {
    CloneImage image = FactoryImage();
    for (std::size_t i = 70; i <= 93; ++i)
        image[i] = static_cast<std::uint8_t>(0x11 * (i - 69));
    return image;
}

// A radio taken into alignment mode by the entry run, and the model working on the image as read.
struct Session {
    explicit Session(std::vector<std::string> args)
        : radio(Args(std::move(args)), &memory), port(PortSettings{1, radio.Device()}), link(port) {
        std::atomic<bool> cancel{false};
        NullProgress progress;
        TransferJob job;
        job.image = FactoryImage();
        job.backupFolder = backups.File("backups");
        entry = RunAlignmentEntry(port, job, TransferContext{prompts, progress, cancel});
        image = entry.image;
        system.Load(image);
        channels.Load(image, system);
        model = std::make_unique<AlignmentModel>(channels, image, link);
    }
    static std::vector<std::string> Args(std::vector<std::string> args) {
        args.insert(args.end(), {"--fast", "--rssi", "17", "--sqs", "99", "--vor", "1000"});
        return args;
    }
    CloneImage memory = Memory();
    TempDir backups;
    RadioProcess radio;
    SerialPort port;
    SerialAlignmentRadio link;
    RecordingPrompts prompts;
    TransferResult entry;
    CloneImage image{};
    SystemSettings system;
    ChannelTable channels;
    std::unique_ptr<AlignmentModel> model;
};

class AlignmentCommands : public ::testing::TestWithParam<bool> {};

// Both ways of accepting a command: 0x06, or the command's own code.
INSTANTIATE_TEST_SUITE_P(Acceptance, AlignmentCommands, ::testing::Values(false, true),
                         [](const auto& info) { return info.param ? "ByCode" : "ByAck"; });

TEST_P(AlignmentCommands, EntryReadsTheRadioThenWordsStatusAndLiveCommandsWork) {
    TempDir dir;
    std::vector<std::string> args{"--readings", dir.File("readings.txt")};
    if (GetParam()) args.push_back("--accept-code");
    Session s(args);
    ASSERT_TRUE(s.entry.succeeded);
    EXPECT_TRUE(s.entry.imageTaken);
    EXPECT_EQ(s.entry.image, s.memory);
    EXPECT_TRUE(s.prompts.ids.empty()); // the entry run shows no completion message
    EXPECT_EQ(ReadImage(s.entry.backupPath), s.memory);

    RadioReply ok = RadioReply::Accepted;
    std::uint8_t first = 0, second = 0;
    ASSERT_EQ(s.link.ReadWord(0x23, first, second), ok);
    EXPECT_EQ(Word(first, second), Word(s.memory[70], s.memory[71]));
    ASSERT_EQ(s.link.WriteWord(0x23, 0x80, 0x40), ok);
    ASSERT_EQ(s.link.ReadWord(0x23, first, second), ok);
    EXPECT_EQ(Word(first, second), Word(0x80, 0x40));

    // The readings (set at the start, measured in MeasuredAndDrivenValues) follow the radio's surroundings
    // while it runs.
    std::ofstream(dir.File("readings.txt")) << "sqs 5\nvor 2000\n";
    std::array<std::uint8_t, align::kStatusBytes> status{};
    std::uint16_t vor = 0;
    ASSERT_EQ(s.link.ReadStatus(status), ok);
    EXPECT_EQ(status[align::kStatusSqs], 5);
    ASSERT_EQ(s.link.ReadVor(vor), ok);
    EXPECT_EQ(vor, 2000);

    EXPECT_EQ(s.link.SelectChannel(5), ok);
    EXPECT_EQ(s.link.SelectChannel(150), RadioReply::Refused); // a channel the radio has not got
    EXPECT_EQ(s.link.EndLive(), ok);
    EXPECT_EQ(s.link.KeyTransmitter(), ok);
    for (const std::uint8_t command : {align::kLiveTxPower, align::kLiveModulation, align::kLiveReferenceTune,
                                       align::kLiveSidetone, align::kLiveRxTune})
        EXPECT_EQ(s.link.Live(command, 200), ok) << int(command);
    EXPECT_EQ(s.link.EndLive(), ok);
    EXPECT_EQ(s.link.LeaveAlignment(), ok);
    // Out of alignment mode the radio no longer answers commands.
    EXPECT_EQ(s.link.ReadStatus(status), RadioReply::Silent);

    const CloneImage after = s.radio.StopAndReadMemory();
    EXPECT_EQ(Word(after[70], after[71]), Word(0x80, 0x40));
}

// Typed, measured and driven values reach the radio's words and the image's bytes, and nothing else does.
TEST(AlignmentRadio, EverySlotReachesItsWordAndImageBytes) {
    Session s({});
    ASSERT_TRUE(s.entry.succeeded);
    ASSERT_EQ(s.image, s.memory);
    ASSERT_TRUE(s.model->SelectChannel(0));
    const std::pair<int, const char*> typed[] = {{0, "1"},   {1, "2"},   {2, "3"},   {3, "4"},   {4, "5"},
                                                 {5, "6"},   {6, "7"},   {7, "8"},   {9, "9"},   {10, "10"},
                                                 {11, "11"}, {12, "12"}, {13, "13"}, {14, "14"}, {15, "-15"}};
    for (const auto& [slot, text] : typed)
        EXPECT_TRUE(s.model->CommitValue(slot, text)) << slot;
    // Measured over the typed values: SQS 99, RSSI 17, the bearing of 1000 (17 rest 31, rounded up).
    for (const int slot : {1, 7, 8})
        EXPECT_TRUE(s.model->Measure(slot)) << slot;
    EXPECT_EQ(s.model->FormatValue(8), "18");
    // Driven: the TX power keyed, set to 200 and unkeyed.
    ASSERT_TRUE(s.model->StartLive(4));
    EXPECT_TRUE(s.model->TransmitterKeyed());
    EXPECT_EQ(s.model->SetLive(4, 200), RadioReply::Accepted);
    s.model->FinishLive(4, 200);
    EXPECT_FALSE(s.model->TransmitterKeyed());
    EXPECT_FALSE(s.model->LinkLost());
    s.model->Leave();

    CloneImage expected = s.memory;
    // Byte 74: FM hysteresis 13 high, AM 12 low.
    const std::pair<std::size_t, std::uint8_t> bytes[] = {{70, 1},  {71, 99},   {72, 3},   {73, 4}, {75, 200},
                                                          {76, 6},  {77, 7},    {78, 17},  {81, 9}, {87, 10},
                                                          {93, 11}, {80, 0xF1}, {74, 0xDC}};
    for (const auto& [at, value] : bytes)
        expected[at] = value;
    expected[79] = (expected[79] & 0xF0) | 14; // the high nibble kept
    EXPECT_EQ(s.image, expected);              // the image: the values, nothing else
    // The radio also took the test channel's frequency (118.000 MHz in 10 Hz) for both RX tunes.
    const std::uint8_t frequency[] = {0x00, 0xB4, 0x0D, 0xC0};
    for (std::size_t i = 0; i < 4; ++i)
        expected[82 + i] = expected[88 + i] = frequency[i];
    const CloneImage after = s.radio.StopAndReadMemory();
    for (std::size_t i = 0; i < after.size(); ++i)
        ASSERT_EQ(after[i], expected[i]) << "radio byte " << i;
}

TEST(AlignmentRadio, FaultsEndTheStepLeaveRadioAndImageAloneAndTheLinkGoesOn) {
    struct Case {
        const char* name;
        std::vector<std::string> args;
        int slot;      // the step tried: a measure (0..3, 7, 8), a typed value (12..15) or a driven start
        bool linkLost; // the radio fell silent
    };
    const Case cases[] = {
        {"status refused", {"--align-refuse", "31"}, 0, false},
        {"status not answered", {"--align-silent", "31"}, 0, true},
        {"bearing not answered", {"--align-silent", "38"}, 8, true},
        {"bearing with a bad checksum byte", {"--align-bad-byte", "38"}, 8, false},
        {"status with a bad checksum byte", {"--align-bad-byte", "31"}, 1, false},
        {"word read reply too long", {"--align-bad-length", "f0"}, 12, false},
        {"word write refused", {"--align-refuse", "f1"}, 15, false},
        {"key transmitter refused", {"--align-refuse", "34"}, 4, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Session s(c.args);
        ASSERT_TRUE(s.model->SelectChannel(0));
        const std::string before = s.model->FormatValue(c.slot);
        bool ok = false;
        if (c.slot >= 12) {
            ok = s.model->CommitValue(c.slot, "9");
        } else if (c.slot == 4) {
            ok = s.model->StartLive(c.slot);
            EXPECT_FALSE(s.model->TransmitterKeyed());
        } else {
            ok = s.model->Measure(c.slot);
        }
        EXPECT_FALSE(ok);
        EXPECT_EQ(s.model->LinkLost(), c.linkLost);
        EXPECT_EQ(s.model->FormatValue(c.slot), before);
        EXPECT_FALSE(s.model->Dirty());
        // Whatever the bad reply left on the line, the next command is understood.
        EXPECT_EQ(s.link.SelectChannel(0), RadioReply::Accepted);
        s.model->Leave();
        EXPECT_EQ(s.image, s.memory);
        EXPECT_EQ(s.radio.StopAndReadMemory(), s.memory);
    }
}

} // namespace
} // namespace zt46::test
