#include "core/document/RadioWrite.h"

#include <algorithm>

#include "core/document/ImageCompare.h"
#include "core/image/Codecs.h"
#include "core/util/Messages.h"

namespace zt46 {
namespace {

constexpr std::size_t kRangesListed = 12; // a message lists this many ranges, then how many more

// The text, then on a line of its own where the backup is (when there is one).
std::string WithBackupSentence(std::string text, const std::string& backupPath) {
    if (!backupPath.empty())
        text += "\r\nWhat the radio held before the write is kept in the backup " + backupPath + ".";
    return text;
}

} // namespace

bool SameSerialNumber(const CloneImage& a, const CloneImage& b) {
    return std::equal(a.begin() + kSerialNumberOffset, a.begin() + kIdentityEnd,
                      b.begin() + kSerialNumberOffset);
}

Prompt IdentityQuestion(const CloneImage& file, const CloneImage& radio) {
    Prompt prompt(IDS_IDENTITY_QUESTION,
                  FormatText(kIdentityQuestionText, DecodeSerialNumber(file), DecodeSerialNumber(radio)),
                  Buttons::YesNoCancel, Icon::Question);
    prompt.buttonTexts = {kKeepRadioIdentity, kWriteFileIdentity, "Cancel"};
    prompt.defaultAnswer = Answer::Yes;
    return prompt;
}

std::optional<IdentityChoice> IdentityFromAnswer(Answer answer) {
    switch (answer) {
    case Answer::Yes:
        return IdentityChoice::Radio;
    case Answer::No:
        return IdentityChoice::File;
    default:
        return std::nullopt;
    }
}

std::optional<IdentityChoice> ParseIdentityChoice(std::string_view text) {
    if (text == "radio") return IdentityChoice::Radio;
    if (text == "file") return IdentityChoice::File;
    return std::nullopt;
}

std::string WriteFailedNote(const std::string& backupPath) {
    return WithBackupSentence("The radio may now hold part of the new data.", backupPath);
}

std::string NotVerifiedNote(const std::string& backupPath) {
    return WithBackupSentence("The radio was written, but it could not be read back to verify it.",
                              backupPath);
}

Prompt DownloadCompletedPrompt(bool verified) {
    std::string text(StringById(IDS_DOWNLOAD_COMPLETED));
    if (verified) text += std::string("\r\n") + kVerifiedText;
    return Prompt(IDS_DOWNLOAD_COMPLETED, text, Buttons::Ok, Icon::Information);
}

Prompt RadioVerifiedPrompt() {
    return Prompt(IDS_RADIO_VERIFIED, kVerifiedText, Buttons::Ok, Icon::Information);
}

Prompt VerifyFailedPrompt(const CloneImage& written, const CloneImage& readBack,
                          const std::string& backupPath) {
    const std::vector<std::string> ranges = DescribeDifferingRanges(written, readBack);
    std::string text = "The radio was read back and does not hold what was written. It differs in:";
    for (std::size_t i = 0; i < ranges.size() && i < kRangesListed; ++i)
        text += "\r\n  " + ranges[i];
    if (ranges.size() > kRangesListed)
        text += "\r\n  and " + std::to_string(ranges.size() - kRangesListed) + " more";
    return Prompt(IDS_VERIFY_FAILED, WithBackupSentence(std::move(text), backupPath), Buttons::Ok,
                  Icon::Stop);
}

Prompt NotVerifiedPrompt(const std::string& backupPath) {
    return Prompt(IDS_NOT_VERIFIED, NotVerifiedNote(backupPath), Buttons::Ok, Icon::Stop);
}

} // namespace zt46
