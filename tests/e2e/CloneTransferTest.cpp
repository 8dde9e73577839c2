// The clone protocol and the transfer runs against the simulated radio on a real pseudo-terminal: upload,
// the faults, download with its merge, the identity the radio gets and the read-back, cancel.
#include <gtest/gtest.h>

#include <atomic>
#include <thread>

#include "core/document/FactoryImage.h"
#include "core/document/RadioWrite.h"
#include "core/util/Messages.h"
#include "link/TransferRuns.h"
#include "support/RadioProcess.h"

namespace zt46::test {
namespace {

using Ids = std::vector<int>;
constexpr TransferMode kUpload = TransferMode::ReadRadio, kDownload = TransferMode::WriteRadio;

class RecordingProgress : public ProgressSink {
public:
    void SetRange(int frames) override { range = frames; }
    void SetStep(int done) override { step = done; }
    void SetText(int id) override { texts.push_back(id); }
    void SetTitle(int) override {}
    int range = 0, step = 0;
    std::vector<int> texts;
};

// One transfer run against the simulated radio (started with --fast and the given switches over the
// memory), its prompts and progress recorded.
struct Transfer {
    explicit Transfer(std::vector<std::string> args = {}, const CloneImage* memory = nullptr)
        : radio((args.push_back("--fast"), args), memory) {}
    RadioProcess radio;
    TempDir dir; // the backups go to its folder "backups" unless the job names another
    RecordingPrompts prompts;
    RecordingProgress progress;
    std::atomic<bool> cancel{false};
    TransferResult result;

    // On the radio's device unless another is named.
    TransferResult& Go(TransferMode mode, TransferJob job, const std::string& device = {}) {
        if (job.backupFolder.empty()) job.backupFolder = dir.File("backups");
        SerialPort port(PortSettings{1, device.empty() ? radio.Device() : device});
        result = RunTransfer(mode, port, job, TransferContext{prompts, progress, cancel});
        return result;
    }
};

// A job for the image. Its serial number is mostly not the radio's: the file's identity is written unless
// told otherwise, as before there was a question about it (which has tests of its own; none: ask).
TransferJob Job(const CloneImage& image, bool privileged = false,
                std::optional<IdentityChoice> identity = IdentityChoice::File) {
    TransferJob job;
    job.image = image;
    job.privileged = privileged;
    job.identity = identity;
    return job;
}

bool HasText(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

std::vector<std::uint8_t> IdentityOf(const CloneImage& image) {
    return {image.begin() + kIdentityOffset, image.begin() + kIdentityEnd};
}

// Every way the radio may come on line, and every frame size, give the radio's memory byte for byte.
TEST(CloneUpload, ReadsTheRadioByteExactInBothHandshakePaths) {
    const std::pair<const char*, std::vector<std::string>> cases[] = {
        {"radio already on", {}},
        {"switched on later", {"--off", "--on-after", "300"}},
        {"0x50 while polling is ignored", {"--on-when-polled"}},
        // A cable powered by the radio echoes nothing until the radio is switched on.
        {"cable powered by the radio", {"--echo-while-on", "--off", "--on-after", "300"}},
        {"cable powered by the radio, on when polled", {"--echo-while-on", "--on-when-polled"}},
        {"frames of 64 bytes", {"--frame-size", "64"}},
        {"frames of 200 bytes", {"--frame-size", "200"}},
    };
    const CloneImage memory = PatternImage(1);
    for (const auto& [name, args] : cases) {
        SCOPED_TRACE(name);
        Transfer run(args, &memory);
        run.Go(kUpload, Job(FactoryImage()));
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
        DocFixture f(FactoryImage());
        f.doc.SetModified(true);
        const CloneImage before = f.doc.Image();
        Transfer run({}, &memory);
        run.prompts.answers = {answer};
        TransferJob job = Job(before);
        job.imageModified = true;
        run.Go(kUpload, job);
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
    DocFixture f(FactoryImage());
    CloneImage expected = f.doc.Image();
    Transfer run(c.args, &memory);
    run.Go(c.mode, Job(expected));
    ApplyTransferResult(f.doc, c.mode, run.result);
    EXPECT_FALSE(run.result.succeeded);
    EXPECT_FALSE(run.result.cancelled);
    EXPECT_EQ(run.prompts.ids, Ids{c.message});
    // A download that failed after the radio was read gives the document the radio's firmware version.
    if (c.mode == kDownload && c.message != IDS_CHECK_LEAD) {
        expected[0] = memory[0];
        expected[1] = memory[1];
    }
    EXPECT_EQ(f.doc.Image(), expected);
    const std::string text = run.prompts.texts.empty() ? std::string() : run.prompts.texts[0];
    EXPECT_TRUE(c.message != IDS_CHECK_LEAD || HasText(text, run.radio.Device())) << text;
    // A write refused part way names the backup of what the radio held; nothing was read back.
    if (c.mode == kDownload && c.message == IDS_BCC_ERROR) {
        EXPECT_TRUE(HasText(text, "BCC Error\r\nThe radio may now hold part of the new data.")) << text;
        EXPECT_TRUE(HasText(text, run.result.backupPath)) << text;
        EXPECT_EQ(run.result.verify, VerifyOutcome::NotRun);
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
// the radio's own elsewhere (the alignment block; the check block unless privileged; the identity when
// privileged or so chosen), the check value renewed; then the read-back says so, and the radio's memory
// before the write is in the backup.
TEST(CloneDownload, MergesTheUsersBytesIntoTheRadiosVerifiesAndKeepsABackup) {
    struct Case {
        const char* name;
        std::vector<std::string> args;
        bool privileged;
        IdentityChoice identity;
    };
    const Case cases[] = {
        {"normal", {}, false, IdentityChoice::File},
        {"normal, the radio's identity", {}, false, IdentityChoice::Radio},
        {"privileged", {}, true, IdentityChoice::File},
        // The read-back after the write does not ask to switch the radio off again.
        {"cable powered by the radio, switched on later",
         {"--echo-while-on", "--off", "--on-after", "300"},
         false,
         IdentityChoice::File},
    };
    const CloneImage radioMemory = PatternImage(4), user = PatternImage(5);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Transfer run(c.args, &radioMemory);
        run.Go(kDownload, Job(user, c.privileged, c.identity));
        EXPECT_TRUE(run.result.succeeded);
        EXPECT_EQ(run.result.verify, VerifyOutcome::Verified);
        ASSERT_EQ(run.prompts.ids, Ids{IDS_DOWNLOAD_COMPLETED});
        EXPECT_EQ(run.prompts.texts[0], std::string("Download is completed\r\n") + kVerifiedText);
        EXPECT_EQ(run.progress.texts, (Ids{IDS_SWITCH_RADIO, IDS_READING_BACK}));
        EXPECT_EQ(run.progress.step, 96); // read, write, read back
        const CloneImage written = run.radio.StopAndReadMemory();
        const bool identityFromUser = !c.privileged && c.identity == IdentityChoice::File;
        for (std::size_t i = 0; i < kImageSize; ++i) {
            const bool fromUser = (i >= 4 && i < 70) || (i >= 94 && i < 112 && c.privileged) ||
                                  (i >= 112 && i < 3792) || (i >= 3792 && i < 3804 && identityFromUser);
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
    Transfer run({}, &radioMemory);
    WriteClone(run.dir.File("backups"), radioMemory); // a file where the folder should be
    run.Go(kDownload, Job(PatternImage(7)));
    EXPECT_FALSE(run.result.succeeded);
    EXPECT_EQ(run.prompts.ids, Ids{IDS_BACKUP_FAILED});
    EXPECT_EQ(run.radio.StopAndReadMemory(), radioMemory);
}

// Another radio's file: the question's answer decides the identity the radio gets, Cancel writes nothing
// (asked before the backup, too); no question for the same radio or in the privileged mode.
TEST(IdentityOnDownload, TheAnswerDecidesTheIdentityBlockAndCancelWritesNothing) {
    struct Case {
        const char* name;
        bool sameSerial, privileged;
        std::optional<Answer> answer; // none: no question expected
        bool written, identityFromFile;
    };
    const Case cases[] = {
        {"keep the radio's", false, false, Answer::Yes, true, false},
        {"write the file's", false, false, Answer::No, true, true},
        {"cancel", false, false, Answer::Cancel, false, false},
        {"same serial number: no question", true, false, std::nullopt, true, true},
        {"privileged: no question, the radio's", false, true, std::nullopt, true, false},
    };
    const CloneImage memory = PatternImage(31);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        CloneImage file = PatternImage(32);
        if (c.sameSerial)
            std::copy_n(memory.begin() + kSerialNumberOffset, 4, file.begin() + kSerialNumberOffset);
        Transfer run({}, &memory);
        if (c.answer) run.prompts.answers = {*c.answer};
        run.Go(kDownload, Job(file, c.privileged, std::nullopt));

        Ids expected;
        if (c.answer) expected.push_back(IDS_IDENTITY_QUESTION);
        if (c.written) expected.push_back(IDS_DOWNLOAD_COMPLETED);
        EXPECT_EQ(run.prompts.ids, expected);
        EXPECT_EQ(run.result.identityDeclined, !c.written);
        EXPECT_FALSE(run.result.cancelled);
        const CloneImage after = run.radio.StopAndReadMemory();
        if (!c.written) {
            EXPECT_EQ(after, memory);
            EXPECT_FALSE(std::filesystem::exists(run.dir.File("backups")));
            continue;
        }
        EXPECT_EQ(IdentityOf(after), IdentityOf(c.identityFromFile ? file : memory));
        EXPECT_TRUE(std::equal(after.begin() + 112, after.begin() + 3792, file.begin() + 112));
    }
}

// Every frame acknowledged, yet the radio stored a byte wrongly: the read-back names it and the backup;
// without the read-back the download seems to succeed.
TEST(ReadBack, AByteStoredWronglyIsNamedWithTheBackup) {
    const CloneImage memory = PatternImage(34);
    for (bool verify : {true, false}) {
        SCOPED_TRACE(verify ? "verify on" : "verify off");
        Transfer run({"--store-wrong", "400"}, &memory);
        TransferJob job = Job(memory);
        job.verify = verify;
        run.Go(kDownload, job);
        EXPECT_TRUE(run.result.written);
        EXPECT_EQ(run.result.succeeded, !verify);
        EXPECT_EQ(run.progress.range, verify ? 96 : 64);
        ASSERT_EQ(run.prompts.ids, Ids{verify ? IDS_VERIFY_FAILED : IDS_DOWNLOAD_COMPLETED});
        if (verify) {
            EXPECT_EQ(run.result.verify, VerifyOutcome::Differs);
            EXPECT_TRUE(HasText(run.prompts.texts[0], "byte 400: channel MR 8")) << run.prompts.texts[0];
            EXPECT_TRUE(HasText(run.prompts.texts[0], run.result.backupPath)) << run.prompts.texts[0];
        } else {
            EXPECT_EQ(run.prompts.texts[0], "Download is completed");
        }
        EXPECT_EQ(ReadImage(run.result.backupPath), memory);
    }
}

TEST(ReadBack, AfterAlignmentTheRadioIsComparedWithWhatWasWritten) {
    const CloneImage memory = PatternImage(36);
    CloneImage other = memory;
    other[75] ^= 0x01;
    struct Case {
        const CloneImage* expected;
        int message;
        VerifyOutcome outcome;
    };
    for (const Case& c : {Case{&memory, IDS_RADIO_VERIFIED, VerifyOutcome::Verified},
                          Case{&other, IDS_VERIFY_FAILED, VerifyOutcome::Differs}}) {
        Transfer run({}, &memory);
        TransferJob job = Job(*c.expected);
        job.backupPath = "backups/KSR-410_before.t46";
        run.Go(TransferMode::VerifyWrite, job);
        EXPECT_EQ(run.result.verify, c.outcome);
        ASSERT_EQ(run.prompts.ids, Ids{c.message});
        if (c.message == IDS_VERIFY_FAILED) {
            EXPECT_TRUE(HasText(run.prompts.texts[0], "byte 75: alignment block"));
            EXPECT_TRUE(HasText(run.prompts.texts[0], job.backupPath));
        }
        EXPECT_EQ(run.radio.StopAndReadMemory(), memory);
    }
}

TEST(ReadForCompare, ReadsTheRadioWithoutQuestionMessageOrBackup) {
    const CloneImage memory = PatternImage(37);
    Transfer run({}, &memory);
    TransferJob job = Job(CloneImage{});
    job.imageModified = true; // an upload would ask before replacing it
    run.Go(TransferMode::ReadForCompare, job);
    EXPECT_TRUE(run.result.succeeded);
    EXPECT_EQ(run.result.image, memory);
    EXPECT_TRUE(run.prompts.ids.empty());
    EXPECT_FALSE(run.result.firmwareVersion.has_value()); // nothing for the document to take
    EXPECT_FALSE(std::filesystem::exists(run.dir.File("backups")));
    EXPECT_EQ(run.radio.StopAndReadMemory(), memory);
}

TEST(CloneTransfer, CancelWhileWaitingForTheRadioEndsSilently) {
    for (TransferMode mode : {kUpload, kDownload}) {
        Transfer run({"--off"});
        std::thread cancel([&] {
            std::this_thread::sleep_for(std::chrono::milliseconds(400));
            run.cancel = true;
        });
        run.Go(mode, Job(FactoryImage()));
        cancel.join();
        EXPECT_FALSE(run.result.succeeded);
        EXPECT_TRUE(run.result.cancelled);
        EXPECT_TRUE(run.prompts.ids.empty());
        EXPECT_FALSE(run.result.firmwareVersion.has_value());
    }
}

TEST(CloneTransfer, APortThatCannotBeOpenedIsMessage80) {
    Transfer run;
    run.Go(kUpload, Job(FactoryImage()), "/nonexistent/tty");
    EXPECT_TRUE(run.result.portFailed);
    EXPECT_EQ(run.prompts.ids, Ids{IDS_COMM_PORT_ERROR});
}

} // namespace
} // namespace zt46::test
