// The clone protocol and the transfer runs against the simulated radio on a real pseudo-terminal.
#include <gtest/gtest.h>

#include <csignal>
#include <thread>

#include "core/document/FactoryImage.h"
#include "core/document/RadioWrite.h"
#include "core/image/Fields.h"
#include "core/util/Messages.h"
#include "e2e/TransferFixture.h"
#include "support/RadioProcess.h"

namespace zt46::test {
namespace {

constexpr TransferMode kUpload = TransferMode::ReadRadio, kDownload = TransferMode::WriteRadio;

// Every way the radio may come on line, and every frame size, give the radio's memory byte for byte.
TEST(CloneUpload, ReadsTheRadioByteExactInBothHandshakePaths) {
    struct Case {
        const char* name;
        std::vector<std::string> args;
        bool switchOnBySignal;
    };
    const Case cases[] = {
        {"radio already on", {"--fast"}, false},
        {"switched on later", {"--fast", "--off", "--on-after", "300"}, false},
        {"switched on by the user", {"--fast", "--off"}, true},
        {"0x50 while polling is ignored", {"--fast", "--on-when-polled"}, false},
        // A cable powered by the radio echoes nothing until the radio is switched on.
        {"cable powered by the radio", {"--fast", "--echo-while-on", "--off", "--on-after", "300"}, false},
        {"cable powered by the radio, on when polled",
         {"--fast", "--echo-while-on", "--on-when-polled"},
         false},
        {"frames of 64 bytes", {"--fast", "--frame-size", "64"}, false},
        {"frames of 200 bytes", {"--fast", "--frame-size", "200"}, false},
    };
    const CloneImage memory = PatternImage(1);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        RadioProcess radio(c.args, &memory);
        std::thread switchOn;
        if (c.switchOnBySignal) {
            switchOn = std::thread([&] {
                std::this_thread::sleep_for(std::chrono::milliseconds(300));
                radio.Signal(SIGUSR2);
            });
        }
        Transfer run;
        run.Go(kUpload, radio.Device(), Job(FactoryImage()));
        if (switchOn.joinable()) switchOn.join();
        EXPECT_TRUE(run.result.succeeded);
        EXPECT_TRUE(run.result.imageTaken);
        EXPECT_EQ(run.result.image, memory);
        EXPECT_EQ(run.prompts.ids, Ids{IDS_UPLOAD_COMPLETED});
        EXPECT_EQ(run.progress.texts, Ids{IDS_SWITCH_RADIO});
    }
}

// Modified data is replaced only when the user says so; declined, the document stays exactly as it was,
// though the radio (its firmware version included) was read.
TEST(CloneUpload, AsksBeforeReplacingModifiedDataAndADeclineChangesNothing) {
    const CloneImage memory = PatternImage(2);
    for (Answer answer : {Answer::No, Answer::Yes}) {
        RadioProcess radio({"--fast"}, &memory);
        DocFixture f(FactoryImage());
        f.doc.SetModified(true);
        const CloneImage before = f.doc.Image();
        Transfer run;
        run.prompts.answers = {answer};
        TransferJob job = Job(before);
        job.imageModified = true;
        run.Go(kUpload, radio.Device(), job);
        ApplyTransferResult(f.doc, kUpload, run.result);
        const bool taken = answer == Answer::Yes;
        EXPECT_EQ(run.prompts.ids,
                  (taken ? Ids{IDS_OVERWRITE_DATA, IDS_UPLOAD_COMPLETED} : Ids{IDS_OVERWRITE_DATA}));
        EXPECT_EQ(f.doc.Image(), taken ? memory : before);
        EXPECT_EQ(f.doc.ImageModified(), !taken);
    }
}

struct FaultCase {
    const char* name;
    TransferMode mode;
    std::vector<std::string> args;
    int message;
};

void PrintTo(const FaultCase& c, std::ostream* os) {
    *os << c.name;
}

class CloneFault : public ::testing::TestWithParam<FaultCase> {};

TEST_P(CloneFault, EndsWithItsMessageAndLeavesTheDocumentAlone) {
    const FaultCase& c = GetParam();
    const CloneImage memory = PatternImage(3);
    std::vector<std::string> args = c.args;
    args.push_back("--fast");
    RadioProcess radio(args, &memory);
    Transfer run;
    run.Go(c.mode, radio.Device(), Job(FactoryImage()));
    EXPECT_FALSE(run.result.succeeded);
    EXPECT_FALSE(run.result.imageTaken);
    EXPECT_FALSE(run.result.cancelled);
    EXPECT_EQ(run.prompts.ids, Ids{c.message});
    // A download that failed after the radio was read carries the radio's firmware version.
    const bool radioRead = c.mode == kDownload && c.message != IDS_CHECK_LEAD;
    ASSERT_EQ(run.result.firmwareVersion.has_value(), radioRead);
    if (radioRead) {
        EXPECT_EQ(*run.result.firmwareVersion, (std::array<std::uint8_t, 2>{memory[0], memory[1]}));
    }
    if (c.message == IDS_CHECK_LEAD) {
        EXPECT_NE(run.prompts.texts[0].find(radio.Device()), std::string::npos);
    }
}

// Each fault the radio or the cable can show, and the message it ends with.
INSTANTIATE_TEST_SUITE_P(
    Radio, CloneFault,
    ::testing::Values(
        FaultCase{"BadCheckByte", kUpload, {"--bad-check", "3"}, IDS_BCC_ERROR},
        FaultCase{"SilentAfterFrame", kUpload, {"--silent-after", "5"}, IDS_TIMEOUT},
        FaultCase{"FrameCutShort", kUpload, {"--truncate", "2"}, IDS_TIMEOUT},
        FaultCase{"LengthBelowThree", kUpload, {"--bad-length", "0:2"}, IDS_COMM_ERROR},
        FaultCase{"LengthPastTheImage", kUpload, {"--frame-size", "100", "--overrun"}, IDS_COMM_ERROR},
        FaultCase{"NoEcho", kUpload, {"--no-echo"}, IDS_CHECK_LEAD},
        FaultCase{"NoEchoDownload", kDownload, {"--no-echo"}, IDS_CHECK_LEAD},
        // Waited for while the radio was off, a cable that never echoes fails once it is on.
        FaultCase{"NoEchoRadioSwitchedOnLater", kUpload, {"--no-echo", "--on-after", "300"}, IDS_CHECK_LEAD},
        FaultCase{"DownloadRefused", kDownload, {"--nak-download", "4"}, IDS_BCC_ERROR},
        FaultCase{"DownloadNotAnswered", kDownload, {"--mute-download", "2"}, IDS_TIMEOUT},
        FaultCase{"OtherHardware", kDownload, {"--hardware", "2"}, IDS_HARDWARE_MISMATCH}),
    [](const auto& info) { return std::string(info.param.name); });

// What the radio holds after a download, byte for byte: the user's bytes where a download writes them,
// the radio's own elsewhere (the alignment block; in the privileged mode the identity), the check value
// renewed; then the read-back says so, and the radio's memory before the write is in the backup.
TEST(CloneDownload, MergesTheUsersBytesIntoTheRadiosVerifiesAndKeepsABackup) {
    struct Case {
        const char* name;
        std::vector<std::string> args;
        bool privileged;
    };
    const Case cases[] = {
        {"normal", {"--fast"}, false},
        {"privileged", {"--fast"}, true},
        // The read-back after the write does not ask to switch the radio off again.
        {"cable powered by the radio, switched on later",
         {"--fast", "--echo-while-on", "--off", "--on-after", "300"},
         false},
    };
    const CloneImage radioMemory = PatternImage(4), user = PatternImage(5);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        RadioProcess radio(c.args, &radioMemory);
        Transfer run;
        run.Go(kDownload, radio.Device(), Job(user, c.privileged));
        EXPECT_TRUE(run.result.succeeded);
        EXPECT_EQ(run.result.verify, VerifyOutcome::Verified);
        ASSERT_EQ(run.prompts.ids, Ids{IDS_DOWNLOAD_COMPLETED});
        EXPECT_EQ(run.prompts.texts[0], std::string("Download is completed\r\n") + kVerifiedText);
        EXPECT_EQ(run.progress.texts, (Ids{IDS_SWITCH_RADIO, IDS_READING_BACK}));
        EXPECT_EQ(run.progress.step, 96); // read, write, read back
        const CloneImage written = radio.StopAndReadMemory();
        for (std::size_t i = 0; i < kImageSize; ++i) {
            const bool fromUser = (i >= 4 && i < 70) || (i >= 94 && i < 112 && c.privileged) ||
                                  (i >= 112 && i < 3792) || (i >= 3792 && i < 3804 && !c.privileged);
            if (i == 2 || i == 3) continue;
            ASSERT_EQ(written[i], fromUser ? user[i] : radioMemory[i]) << "byte " << i;
        }
        EXPECT_EQ(StoredAdjustChecksum(written), ComputeAdjustChecksum(written));
        EXPECT_EQ(written, run.result.image);
        EXPECT_EQ(ReadImage(run.result.backupPath), radioMemory);
    }
}

TEST(CloneDownload, NothingIsWrittenWhenTheBackupCannotBe) {
    const CloneImage radioMemory = PatternImage(6);
    RadioProcess radio({"--fast"}, &radioMemory);
    Transfer run;
    WriteClone(run.dir.File("backups"), radioMemory); // a file where the folder should be
    run.Go(kDownload, radio.Device(), Job(PatternImage(7)));
    EXPECT_FALSE(run.result.succeeded);
    EXPECT_EQ(run.prompts.ids, Ids{IDS_BACKUP_FAILED});
    EXPECT_EQ(radio.StopAndReadMemory(), radioMemory);
}

TEST(CloneDownload, HardwareMismatchLeavesTheDocumentWithTheRadiosFirmwareVersionOnly) {
    CloneImage radioMemory = PatternImage(8), image = FactoryImage();
    SetField(radioMemory, fields::HardwareConfiguration, 2);
    SetField(image, fields::HardwareConfiguration, 3);
    RadioProcess radio({"--fast"}, &radioMemory);
    DocFixture f(image);
    CloneImage expected = f.doc.Image();
    Transfer run;
    run.Go(kDownload, radio.Device(), Job(f.doc.Image()));
    ApplyTransferResult(f.doc, kDownload, run.result);
    expected[0] = radioMemory[0];
    expected[1] = radioMemory[1];
    EXPECT_EQ(f.doc.Image(), expected);
    EXPECT_EQ(radio.StopAndReadMemory(), radioMemory);
}

TEST(CloneTransfer, CancelWhileWaitingForTheRadioEndsSilently) {
    for (TransferMode mode : {kUpload, kDownload}) {
        RadioProcess radio({"--fast", "--off"});
        Transfer run;
        std::thread cancel([&] {
            std::this_thread::sleep_for(std::chrono::milliseconds(400));
            run.cancel = true;
        });
        run.Go(mode, radio.Device(), Job(FactoryImage()));
        cancel.join();
        EXPECT_FALSE(run.result.succeeded);
        EXPECT_TRUE(run.result.cancelled);
        EXPECT_TRUE(run.prompts.ids.empty());
        EXPECT_FALSE(run.result.firmwareVersion.has_value());
    }
}

TEST(CloneTransfer, APortThatCannotBeOpenedIsMessage80) {
    Transfer run;
    run.Go(kUpload, "/nonexistent/tty", Job(FactoryImage()));
    EXPECT_TRUE(run.result.portFailed);
    EXPECT_EQ(run.prompts.ids, Ids{IDS_COMM_PORT_ERROR});
}

} // namespace
} // namespace zt46::test
