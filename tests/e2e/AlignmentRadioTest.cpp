// The alignment model over the serial link against the simulated radio in alignment mode: what each
// step leaves in the radio's memory and in the image, and how each kind of fault is met.
#include <gtest/gtest.h>

#include <fstream>

#include "RadioProcess.h"
#include "core/alignment/AlignmentModel.h"
#include "core/document/FactoryImage.h"
#include "core/editor/ChannelTable.h"
#include "core/image/SettingsGroups.h"
#include "link/SerialAlignmentRadio.h"
#include "link/TransferRuns.h"

namespace zt46::test {
namespace {

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
        RecordingProgress progress;
        const TransferContext context{prompts, progress, cancel};
        TransferJob job;
        job.image = FactoryImage();
        entry = RunAlignmentEntry(port, job, context);
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

TEST(AlignmentRadio, EverySlotReachesItsWordAndImageBytes) {
    for (const bool byCode : {false, true}) {
        SCOPED_TRACE(byCode ? "accepted with the command code" : "accepted with 0x06");
        Session s(byCode ? std::vector<std::string>{"--accept-code"} : std::vector<std::string>{});
        ASSERT_TRUE(s.entry.succeeded);
        ASSERT_EQ(s.image, s.memory);
        ASSERT_TRUE(s.model->SelectChannel(0));

        struct Case {
            int slot;
            const char* text;
        };
        const Case cases[] = {{0, "1"},   {1, "2"},   {2, "3"},   {3, "4"},   {4, "5"},
                              {5, "6"},   {6, "7"},   {7, "8"},   {9, "9"},   {10, "10"},
                              {11, "11"}, {12, "12"}, {13, "13"}, {14, "14"}, {15, "-15"}};
        for (const Case& c : cases) {
            SCOPED_TRACE(c.slot);
            EXPECT_TRUE(s.model->CommitValue(c.slot, c.text));
        }
        EXPECT_FALSE(s.model->LinkLost());
        s.model->Leave();

        CloneImage expected = s.memory;
        const std::pair<std::size_t, std::uint8_t> bytes[] = {
            {70, 1},
            {71, 2},
            {72, 3},
            {73, 4},
            {75, 5},
            {76, 6},
            {77, 7},
            {78, 8},
            {81, 9},
            {87, 10},
            {93, 11},
            {80, 0xF1},
            {74, 0xDC},                                                  // FM hysteresis 13 high, AM 12 low
            {79, static_cast<std::uint8_t>((s.memory[79] & 0xF0) | 14)}, // high nibble kept
        };
        for (const auto& [at, value] : bytes)
            expected[at] = value;
        EXPECT_EQ(s.image, expected); // the image: the values, nothing else
        // The radio also took the test channel's frequency (118.000 MHz in 10 Hz) for both RX tunes.
        const std::uint8_t frequency[] = {0x00, 0xB4, 0x0D, 0xC0};
        for (std::size_t i = 0; i < 4; ++i)
            expected[82 + i] = expected[88 + i] = frequency[i];
        const CloneImage after = s.radio.StopAndReadMemory();
        for (std::size_t i = 0; i < after.size(); ++i)
            ASSERT_EQ(after[i], expected[i]) << "radio byte " << i;
    }
}

TEST(AlignmentRadio, MeasuredAndDrivenValues) {
    Session s({});
    ASSERT_TRUE(s.model->SelectChannel(0));
    EXPECT_TRUE(s.model->Measure(1)); // SQS
    EXPECT_TRUE(s.model->Measure(7)); // RSSI
    EXPECT_TRUE(s.model->Measure(8)); // bearing 1000: 17 rest 31, rounded up
    EXPECT_EQ(s.model->FormatValue(1), "99");
    EXPECT_EQ(s.model->FormatValue(7), "17");
    EXPECT_EQ(s.model->FormatValue(8), "18");

    ASSERT_TRUE(s.model->StartLive(4));
    EXPECT_TRUE(s.model->TransmitterKeyed());
    EXPECT_EQ(s.model->SetLive(4, 200), RadioReply::Accepted);
    s.model->FinishLive(4, 200);
    EXPECT_FALSE(s.model->TransmitterKeyed());
    EXPECT_EQ(s.model->FormatValue(4), "200");
    s.model->Leave();
    EXPECT_EQ(s.image[71], 99);
    EXPECT_EQ(s.image[78], 17);
    EXPECT_EQ(s.image[75], 200);
    const CloneImage after = s.radio.StopAndReadMemory();
    EXPECT_EQ(after[71], 99);
    EXPECT_EQ(after[78], 17);
    EXPECT_EQ(after[75], 200);
}

TEST(AlignmentRadio, FaultsEndTheStepAndLeaveRadioAndImageAlone) {
    struct Case {
        const char* name;
        std::vector<std::string> args;
        int slot;      // the step tried: a measure (0..3, 7, 8), a typed value (12..15) or a driven start
        bool linkLost; // the radio fell silent
    };
    const Case cases[] = {
        {"status refused", {"--align-refuse", "31"}, 0, false},
        {"status not answered", {"--align-silent", "31"}, 0, true},
        {"bearing with a bad checksum byte", {"--align-bad-byte", "38"}, 8, false},
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
        s.model->Leave();
        EXPECT_EQ(s.image, s.memory);
        EXPECT_EQ(s.radio.StopAndReadMemory(), s.memory);
    }
    // A test channel the radio refuses: every value shows "Error" and no step sends anything.
    Session s({"--align-refuse", "30"});
    EXPECT_FALSE(s.model->SelectChannel(0));
    EXPECT_TRUE(s.model->NoChannel());
    EXPECT_EQ(s.model->FormatValue(0), "Error");
    EXPECT_FALSE(s.model->CommitValue(0, "5"));
    EXPECT_EQ(s.radio.StopAndReadMemory(), s.memory);
}

// The radio's readings follow its surroundings while it runs; out of alignment mode it answers nothing.
TEST(AlignmentRadio, ReadingsFollowTheRadioUntilItLeavesAlignmentMode) {
    TempDir dir;
    Session s({"--readings", dir.File("readings.txt")});
    ASSERT_TRUE(s.entry.succeeded);
    std::array<std::uint8_t, align::kStatusBytes> status{};
    std::uint16_t vor = 0;
    ASSERT_EQ(s.link.ReadStatus(status), RadioReply::Accepted);
    EXPECT_EQ(status[align::kStatusSqs], 99);
    std::ofstream(dir.File("readings.txt")) << "sqs 5\nvor 2000\n";
    ASSERT_EQ(s.link.ReadStatus(status), RadioReply::Accepted);
    EXPECT_EQ(status[align::kStatusRssi], 17);
    EXPECT_EQ(status[align::kStatusSqs], 5);
    ASSERT_EQ(s.link.ReadVor(vor), RadioReply::Accepted);
    EXPECT_EQ(vor, 2000);
    EXPECT_EQ(s.link.SelectChannel(150), RadioReply::Refused); // a channel the radio has not got

    EXPECT_EQ(s.link.LeaveAlignment(), RadioReply::Accepted);
    EXPECT_EQ(s.link.ReadStatus(status), RadioReply::Silent);
}

} // namespace
} // namespace zt46::test
