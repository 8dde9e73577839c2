// Alignment entry and the alignment commands against the simulated radio.
#include <gtest/gtest.h>

#include <fstream>

#include "RadioProcess.h"
#include "core/document/FactoryImage.h"
#include "link/AlignCommands.h"
#include "link/TransferRuns.h"

namespace zt46::test {
namespace {

// A radio put into alignment mode through the entry run, and the port that did it.
struct AlignedRadio {
    explicit AlignedRadio(std::vector<std::string> args, const CloneImage& memory)
        : radio(Args(std::move(args)), &memory), port(PortSettings{1, radio.Device()}) {
        std::atomic<bool> cancel{false};
        RecordingProgress progress;
        const TransferContext context{prompts, progress, cancel};
        TransferJob job;
        job.image = FactoryImage();
        job.backupFolder = backups.File("backups");
        entry = RunAlignmentEntry(port, job, context);
    }
    static std::vector<std::string> Args(std::vector<std::string> args) {
        args.insert(args.end(), {"--fast", "--rssi", "17", "--sqs", "99", "--vor", "1000"});
        return args;
    }
    TempDir backups;
    RadioProcess radio;
    SerialPort port;
    RecordingPrompts prompts;
    TransferResult entry;
};

class AlignmentRun : public ::testing::TestWithParam<bool> {};

// Both ways of accepting a command: 0x06, or the command's own code.
INSTANTIATE_TEST_SUITE_P(Acceptance, AlignmentRun, ::testing::Values(false, true),
                         [](const auto& info) { return info.param ? "ByCode" : "ByAck"; });

TEST_P(AlignmentRun, EntryReadsTheRadioThenWordsStatusAndLiveCommandsWork) {
    const CloneImage memory = PatternImage(11);
    TempDir dir;
    std::vector<std::string> args{"--readings", dir.File("readings.txt")};
    if (GetParam()) args.push_back("--accept-code");
    AlignedRadio a(args, memory);
    ASSERT_TRUE(a.entry.succeeded);
    EXPECT_TRUE(a.entry.imageTaken);
    EXPECT_EQ(a.entry.image, memory);
    EXPECT_TRUE(a.prompts.ids.empty()); // the entry run shows no completion message
    EXPECT_EQ(ReadImageFile(a.entry.backupPath), memory);

    std::uint8_t first = 0, second = 0;
    ASSERT_TRUE(ReadAlignWord(a.port, 0x23, first, second));
    EXPECT_EQ(first, memory[70]);
    EXPECT_EQ(second, memory[71]);
    ASSERT_TRUE(WriteAlignWord(a.port, 0x23, 0x80, 0x40));
    ASSERT_TRUE(ReadAlignWord(a.port, 0x23, first, second));
    EXPECT_EQ(first, 0x80);
    EXPECT_EQ(second, 0x40);

    std::array<std::uint8_t, align::kStatusBytes> status{};
    ASSERT_TRUE(ReadAlignStatus(a.port, status));
    EXPECT_EQ(status[align::kStatusRssi], 17);
    EXPECT_EQ(status[align::kStatusSqs], 99);
    std::uint16_t vor = 0;
    ASSERT_TRUE(ReadVorRaw(a.port, vor));
    EXPECT_EQ(vor, 1000);
    // The readings follow the radio's surroundings while it runs.
    std::ofstream(dir.File("readings.txt")) << "sqs 5\nvor 2000\n";
    ASSERT_TRUE(ReadAlignStatus(a.port, status));
    EXPECT_EQ(status[align::kStatusRssi], 17);
    EXPECT_EQ(status[align::kStatusSqs], 5);
    ASSERT_TRUE(ReadVorRaw(a.port, vor));
    EXPECT_EQ(vor, 2000);

    EXPECT_TRUE(SelectChannel(a.port, 5));
    EXPECT_FALSE(SelectChannel(a.port, 150)); // the radio refuses a channel it has not got
    EXPECT_TRUE(EndLiveAdjustment(a.port));
    EXPECT_TRUE(KeyTransmitter(a.port));
    EXPECT_TRUE(LiveTxPower(a.port, 200));
    EXPECT_TRUE(LiveModulation(a.port, 1));
    EXPECT_TRUE(LiveReferenceTune(a.port, 2));
    EXPECT_TRUE(LiveSidetone(a.port, 3));
    EXPECT_TRUE(LiveRxTune(a.port, 4));
    EXPECT_TRUE(EndLiveAdjustment(a.port));
    EXPECT_TRUE(LeaveAlignment(a.port));
    // Out of alignment mode the radio no longer answers commands.
    EXPECT_EQ(SendAlignCommand(a.port, align::kReadStatus, {}), kLinkTimeout);

    const CloneImage after = a.radio.StopAndReadMemory();
    EXPECT_EQ(after[70], 0x80);
    EXPECT_EQ(after[71], 0x40);
}

TEST(Alignment, FaultsOfACommandFailItWithTheRightResult) {
    struct Case {
        const char* name;
        std::vector<std::string> args;
        std::uint8_t command;
        int sendResult;  // what SendAlignCommand gives
        bool replyFails; // accepted, but the reply frame fails the operation
    };
    const Case cases[] = {
        {"refused", {"--align-refuse", "31"}, align::kReadStatus, kLinkError, false},
        {"not answered", {"--align-silent", "38"}, align::kReadVor, kLinkTimeout, false},
        {"reply too long", {"--align-bad-length", "f0"}, align::kReadWord, kLinkOk, true},
        {"bad checksum byte", {"--align-bad-byte", "31"}, align::kReadStatus, kLinkOk, true},
    };
    const CloneImage memory = PatternImage(12);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        AlignedRadio a(c.args, memory);
        ASSERT_TRUE(a.entry.succeeded);
        std::vector<std::uint8_t> data;
        if (c.command == align::kReadWord) data = {0x00, 0x23};
        EXPECT_EQ(SendAlignCommand(a.port, c.command, data), c.sendResult);
        if (c.sendResult == kLinkOk) {
            std::uint8_t length = 0;
            std::array<std::uint8_t, 6> reply{};
            const std::uint8_t expected = c.command == align::kReadStatus ? 7 : 3;
            EXPECT_EQ(ReadAlignReply(a.port, c.command, expected, length, reply), kLinkError);
        }
        // The whole operation fails too, and the next command still works.
        std::array<std::uint8_t, align::kStatusBytes> status{};
        std::uint8_t first = 0, second = 0;
        std::uint16_t vor = 0;
        bool ok = true;
        if (c.command == align::kReadStatus) ok = ReadAlignStatus(a.port, status);
        if (c.command == align::kReadWord) ok = ReadAlignWord(a.port, 0x23, first, second);
        if (c.command == align::kReadVor) ok = ReadVorRaw(a.port, vor);
        EXPECT_FALSE(ok);
        EXPECT_TRUE(SelectChannel(a.port, 0));
    }
}

} // namespace
} // namespace zt46::test
