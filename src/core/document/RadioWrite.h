#pragma once
// What a write to the radio says and asks beyond the clone protocol's own messages: whose identity a
// normal-mode download gives the radio when the serial numbers differ, and what the read-back after a
// write found. Every message about a failed or unchecked write names the backup taken before it.

#include <optional>
#include <string>
#include <string_view>

#include "core/image/CloneImage.h"
#include "core/util/Messages.h"
#include "core/util/UserPrompts.h"

namespace zt46 {

// Whose identity block (bytes 3792..3803, the serial number among them) the radio gets.
enum class IdentityChoice { Radio, File };

inline constexpr const char* kIdentityQuestionText =
    "This file was read from radio %1. The radio connected is %2.";
inline constexpr const char* kKeepRadioIdentity = "Keep the radio's identity";
inline constexpr const char* kWriteFileIdentity = "Write the file's identity";
inline constexpr const char* kVerifiedText =
    "The radio was read back and verified: it holds what was written.";

// Whether the two images carry the same serial number (bytes 3800..3803).
bool SameSerialNumber(const CloneImage& a, const CloneImage& b);
// The question asked before the first byte is written: keep the radio's identity (Yes, the default),
// write the file's (No), or write nothing (Cancel).
Prompt IdentityQuestion(const CloneImage& file, const CloneImage& radio);
// The answer to that question; nullopt for Cancel.
std::optional<IdentityChoice> IdentityFromAnswer(Answer answer);
// "radio" or "file", as the command line names them.
std::optional<IdentityChoice> ParseIdentityChoice(std::string_view text);

// Added to a protocol failure while frames are being written, with "What the radio held before the write
// is kept in the backup <path>." when there is a backup.
std::string WriteFailedNote(const std::string& backupPath);
// Added to a protocol failure while the radio is read back, with the backup likewise.
std::string NotVerifiedNote(const std::string& backupPath);

// "Download is completed", with the verified line when the radio was read back.
Prompt DownloadCompletedPrompt(bool verified);
// The radio was read back after Alignment wrote into it and holds what was written.
Prompt RadioVerifiedPrompt();
// The radio holds something else: the differing byte ranges, what they are, and the backup.
Prompt VerifyFailedPrompt(const CloneImage& written, const CloneImage& readBack,
                          const std::string& backupPath);
// The radio could not be read back (the run was cancelled while it was).
Prompt NotVerifiedPrompt(const std::string& backupPath);

} // namespace zt46
