// Writes that look after the radio, against the simulated radio: whose identity a download gives it,
// the read-back after the write, and the reads that leave everything alone.
#include <gtest/gtest.h>

#include "core/util/Messages.h"
#include "e2e/TransferFixture.h"
#include "support/RadioProcess.h"

namespace zt46::test {
namespace {

bool HasText(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

std::vector<std::uint8_t> IdentityOf(const CloneImage& image) {
    return {image.begin() + kIdentityOffset, image.begin() + kIdentityEnd};
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
        RadioProcess radio({"--fast"}, &memory);
        Transfer run;
        if (c.answer) run.prompts.answers = {*c.answer};
        TransferJob job = Job(file, c.privileged);
        job.identity.reset();
        run.Go(TransferMode::WriteRadio, radio.Device(), job);

        Ids expected;
        if (c.answer) expected.push_back(IDS_IDENTITY_QUESTION);
        if (c.written) expected.push_back(IDS_DOWNLOAD_COMPLETED);
        EXPECT_EQ(run.prompts.ids, expected);
        EXPECT_EQ(run.result.identityDeclined, !c.written);
        EXPECT_FALSE(run.result.cancelled);
        const CloneImage after = radio.StopAndReadMemory();
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
        RadioProcess radio({"--fast", "--store-wrong", "400"}, &memory);
        Transfer run;
        TransferJob job = Job(memory);
        job.verify = verify;
        run.Go(TransferMode::WriteRadio, radio.Device(), job);
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

TEST(ReadBack, AFailedWriteNamesTheBackupInItsMessage) {
    const CloneImage memory = PatternImage(35);
    RadioProcess radio({"--fast", "--nak-download", "4"}, &memory);
    Transfer run;
    run.Go(TransferMode::WriteRadio, radio.Device(), Job(memory));
    ASSERT_EQ(run.prompts.ids, Ids{IDS_BCC_ERROR});
    EXPECT_TRUE(HasText(run.prompts.texts[0], "BCC Error\r\nThe radio may now hold part of the new data."));
    EXPECT_TRUE(HasText(run.prompts.texts[0], run.result.backupPath)) << run.prompts.texts[0];
    EXPECT_EQ(run.result.verify, VerifyOutcome::NotRun);
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
        RadioProcess radio({"--fast"}, &memory);
        Transfer run;
        TransferJob job = Job(*c.expected);
        job.backupPath = "backups/KSR-410_before.t46";
        run.Go(TransferMode::VerifyWrite, radio.Device(), job);
        EXPECT_EQ(run.result.verify, c.outcome);
        ASSERT_EQ(run.prompts.ids, Ids{c.message});
        if (c.message == IDS_VERIFY_FAILED) {
            EXPECT_TRUE(HasText(run.prompts.texts[0], "byte 75: alignment block"));
            EXPECT_TRUE(HasText(run.prompts.texts[0], job.backupPath));
        }
        EXPECT_EQ(radio.StopAndReadMemory(), memory);
    }
}

TEST(ReadForCompare, ReadsTheRadioWithoutQuestionMessageOrBackup) {
    const CloneImage memory = PatternImage(37);
    RadioProcess radio({"--fast"}, &memory);
    Transfer run;
    TransferJob job = Job(CloneImage{});
    job.imageModified = true; // an upload would ask before replacing it
    run.Go(TransferMode::ReadForCompare, radio.Device(), job);
    EXPECT_TRUE(run.result.succeeded);
    EXPECT_EQ(run.result.image, memory);
    EXPECT_TRUE(run.prompts.ids.empty());
    EXPECT_FALSE(run.result.firmwareVersion.has_value()); // nothing for the document to take
    EXPECT_FALSE(std::filesystem::exists(run.dir.File("backups")));
    EXPECT_EQ(radio.StopAndReadMemory(), memory);
}

} // namespace
} // namespace zt46::test
