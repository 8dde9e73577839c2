// The clone protocol and the transfer runs against the simulated radio on a real pseudo-terminal.
#include <gtest/gtest.h>

#include <csignal>
#include <thread>

#include "core/document/Backup.h"
#include "core/document/Document.h"
#include "core/document/FactoryImage.h"
#include "core/image/Fields.h"
#include "core/util/Messages.h"
#include "e2e/TransferFixture.h"
#include "link/TransferRuns.h"
#include "support/RadioProcess.h"

namespace zt46::test {
namespace {

using Ids = std::vector<int>;

// The images of these runs carry other serial numbers than the radio's: the file's identity is written,
// as before there was a question about it (which has tests of its own).
TransferJob Job(const CloneImage& image, bool privileged = false) {
    TransferJob job;
    job.image = image;
    job.privileged = privileged;
    job.identity = IdentityChoice::File;
    return job;
}

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
        run.Go(TransferMode::ReadRadio, radio.Device(), Job(FactoryImage()));
        if (switchOn.joinable()) switchOn.join();
        EXPECT_TRUE(run.result.succeeded);
        EXPECT_TRUE(run.result.imageTaken);
        EXPECT_EQ(run.result.image, memory);
        EXPECT_EQ(run.prompts.ids, Ids{IDS_UPLOAD_COMPLETED});
        EXPECT_EQ(run.progress.title, IDS_UPLOAD_FUNCTION);
        EXPECT_EQ(run.progress.range, 32);
        EXPECT_EQ(run.progress.texts, Ids{IDS_SWITCH_RADIO});
    }
}

TEST(CloneUpload, AsksBeforeReplacingModifiedData) {
    const CloneImage memory = PatternImage(2);
    for (Answer answer : {Answer::No, Answer::Yes}) {
        RadioProcess radio({"--fast"}, &memory);
        Transfer run;
        run.prompts.answers = {answer};
        TransferJob job = Job(FactoryImage());
        job.imageModified = true;
        run.Go(TransferMode::ReadRadio, radio.Device(), job);
        EXPECT_TRUE(run.result.succeeded);
        EXPECT_EQ(run.result.imageTaken, answer == Answer::Yes);
        const Ids expected =
            answer == Answer::Yes ? Ids{IDS_OVERWRITE_DATA, IDS_UPLOAD_COMPLETED} : Ids{IDS_OVERWRITE_DATA};
        EXPECT_EQ(run.prompts.ids, expected);
    }
}

// A declined upload leaves the document exactly as it was, though the radio (its firmware version
// included) was read.
TEST(CloneUpload, ADeclinedUploadLeavesTheDocumentAsItWas) {
    const CloneImage memory = PatternImage(9);
    RadioProcess radio({"--fast"}, &memory);
    DocFixture f;
    f.doc.LoadFactoryImage();
    f.doc.SetModified(true);
    const CloneImage before = f.doc.Image();
    Transfer run;
    run.prompts.answers = {Answer::No};
    TransferJob job = Job(f.doc.Image());
    job.imageModified = true;
    run.Go(TransferMode::ReadRadio, radio.Device(), job);
    ApplyTransferResult(f.doc, TransferMode::ReadRadio, run.result);
    EXPECT_EQ(f.doc.Image(), before);
    EXPECT_TRUE(f.doc.ImageModified());
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
    const bool radioRead = c.mode == TransferMode::WriteRadio && c.message != IDS_CHECK_LEAD;
    ASSERT_EQ(run.result.firmwareVersion.has_value(), radioRead);
    if (radioRead) {
        EXPECT_EQ(*run.result.firmwareVersion, (std::array<std::uint8_t, 2>{memory[0], memory[1]}));
    }
    if (c.message == IDS_CHECK_LEAD) {
        EXPECT_NE(run.prompts.texts[0].find(radio.Device()), std::string::npos);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Radio, CloneFault,
    ::testing::Values(
        FaultCase{"BadCheckByte", TransferMode::ReadRadio, {"--bad-check", "3"}, IDS_BCC_ERROR},
        FaultCase{"SilentAfterFrame", TransferMode::ReadRadio, {"--silent-after", "5"}, IDS_TIMEOUT},
        FaultCase{"FrameCutShort", TransferMode::ReadRadio, {"--truncate", "2"}, IDS_TIMEOUT},
        FaultCase{"LengthBelowThree", TransferMode::ReadRadio, {"--bad-length", "0:2"}, IDS_COMM_ERROR},
        FaultCase{"LengthPastTheImage",
                  TransferMode::ReadRadio,
                  {"--frame-size", "100", "--overrun"},
                  IDS_COMM_ERROR},
        FaultCase{"NoEcho", TransferMode::ReadRadio, {"--no-echo"}, IDS_CHECK_LEAD},
        FaultCase{"NoEchoDownload", TransferMode::WriteRadio, {"--no-echo"}, IDS_CHECK_LEAD},
        // Waited for while the radio was off, a cable that never echoes fails once the radio is on.
        FaultCase{"NoEchoRadioSwitchedOnLater",
                  TransferMode::ReadRadio,
                  {"--no-echo", "--on-after", "300"},
                  IDS_CHECK_LEAD},
        FaultCase{"DownloadRefused", TransferMode::WriteRadio, {"--nak-download", "4"}, IDS_BCC_ERROR},
        FaultCase{"DownloadNotAnswered", TransferMode::WriteRadio, {"--mute-download", "2"}, IDS_TIMEOUT},
        FaultCase{"OtherHardware", TransferMode::WriteRadio, {"--hardware", "2"}, IDS_HARDWARE_MISMATCH}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(CloneDownload, MergesTheUsersBytesIntoTheRadiosInBothModes) {
    const CloneImage radioMemory = PatternImage(4);
    const CloneImage user = PatternImage(5);
    for (bool privileged : {false, true}) {
        SCOPED_TRACE(privileged ? "privileged" : "normal");
        RadioProcess radio({"--fast"}, &radioMemory);
        Transfer run;
        TempDir backups;
        TransferJob job = Job(user, privileged);
        job.backupFolder = backups.File("backups");
        run.Go(TransferMode::WriteRadio, radio.Device(), job);
        EXPECT_TRUE(run.result.succeeded);
        EXPECT_EQ(run.prompts.ids, Ids{IDS_DOWNLOAD_COMPLETED});
        EXPECT_EQ(run.result.verify, VerifyOutcome::Verified);
        EXPECT_EQ(run.progress.range, 96); // read, write, read back
        EXPECT_EQ(run.progress.step, 96);
        const CloneImage written = radio.StopAndReadMemory();
        for (std::size_t i = 0; i < kImageSize; ++i) {
            const bool fromUser = (i >= 4 && i < 70) || (i >= 94 && i < 112 && privileged) ||
                                  (i >= 112 && i < 3792) || (i >= 3792 && i < 3804 && !privileged);
            if (i == 2 || i == 3) continue;
            ASSERT_EQ(written[i], fromUser ? user[i] : radioMemory[i]) << "byte " << i;
        }
        EXPECT_EQ(StoredAdjustChecksum(written), ComputeAdjustChecksum(written));
        EXPECT_EQ(written, run.result.image);
        // What the radio held before the write is kept, unmerged.
        EXPECT_EQ(ReadImage(run.result.backupPath), radioMemory);
        EXPECT_TRUE(IsBackupFileName(std::filesystem::path(run.result.backupPath).filename().string()));
    }
}

TEST(CloneDownload, WritesThroughACablePoweredByTheRadioSwitchedOnLater) {
    const CloneImage radioMemory = PatternImage(10);
    const CloneImage user = PatternImage(11);
    RadioProcess radio({"--fast", "--echo-while-on", "--off", "--on-after", "300"}, &radioMemory);
    Transfer run;
    run.Go(TransferMode::WriteRadio, radio.Device(), Job(user));
    EXPECT_TRUE(run.result.succeeded);
    EXPECT_EQ(run.prompts.ids, Ids{IDS_DOWNLOAD_COMPLETED});
    // The read-back after the write does not ask to switch the radio off again.
    EXPECT_EQ(run.progress.texts, (Ids{IDS_SWITCH_RADIO, IDS_READING_BACK}));
    EXPECT_EQ(radio.StopAndReadMemory(), run.result.image);
}

TEST(CloneDownload, NothingIsWrittenWhenTheBackupCannotBe) {
    const CloneImage radioMemory = PatternImage(6);
    RadioProcess radio({"--fast"}, &radioMemory);
    TempDir dir;
    WriteClone(dir.File("backups"), radioMemory); // a file where the folder should be
    Transfer run;
    TransferJob job = Job(PatternImage(7));
    job.backupFolder = dir.File("backups");
    run.Go(TransferMode::WriteRadio, radio.Device(), job);
    EXPECT_FALSE(run.result.succeeded);
    EXPECT_EQ(run.prompts.ids, Ids{IDS_BACKUP_FAILED});
    EXPECT_EQ(radio.StopAndReadMemory(), radioMemory);
}

TEST(CloneDownload, HardwareMismatchLeavesTheDocumentWithTheRadiosFirmwareVersionOnly) {
    CloneImage radioMemory = PatternImage(8);
    SetField(radioMemory, fields::HardwareConfiguration, 2);
    RadioProcess radio({"--fast"}, &radioMemory);
    RecordingPrompts prompts;
    ScriptedDialogs dialogs;
    TempDir dir;
    Document document(prompts, dialogs, {dir.Path().string(), dir.Path().string()});
    document.LoadFactoryImage();
    SetField(document.Image(), fields::HardwareConfiguration, 3);
    document.ImageToModels();
    CloneImage before = document.Image();
    Transfer run;
    run.Go(TransferMode::WriteRadio, radio.Device(), Job(document.Image()));
    ApplyTransferResult(document, TransferMode::WriteRadio, run.result);
    EXPECT_EQ(run.prompts.ids, Ids{IDS_HARDWARE_MISMATCH});
    before[0] = radioMemory[0];
    before[1] = radioMemory[1];
    EXPECT_EQ(document.Image(), before);
    EXPECT_EQ(radio.StopAndReadMemory(), radioMemory);
}

TEST(CloneTransfer, CancelWhileWaitingForTheRadioEndsSilently) {
    for (TransferMode mode : {TransferMode::ReadRadio, TransferMode::WriteRadio}) {
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
    run.Go(TransferMode::ReadRadio, "/nonexistent/tty", Job(FactoryImage()));
    EXPECT_TRUE(run.result.portFailed);
    EXPECT_EQ(run.prompts.ids, Ids{IDS_COMM_PORT_ERROR});
}

} // namespace
} // namespace zt46::test
