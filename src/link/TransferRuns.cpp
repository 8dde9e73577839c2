#include "link/TransferRuns.h"

#include <algorithm>
#include <chrono>

#include "core/document/Backup.h"
#include "core/document/Document.h"
#include "core/image/Codecs.h"
#include "core/util/Messages.h"
#include "core/util/UserPrompts.h"
#include "link/CloneFraming.h"
#include "link/CloneProtocol.h"
#include "link/PortOpenFailure.h"

namespace zt46 {
namespace {

using Clock = std::chrono::steady_clock;

// Every run starts the same way: the port opened (message 80 and the reason when it cannot be), then the
// progress dialog's caption and range.
bool Begin(SerialPort& port, const TransferContext& context, TransferResult& result, int title, int frames) {
    if (!port.Reopen()) {
        result.portFailed = true;
        ReportOpenFailure(context.prompts, port);
        return false;
    }
    context.progress.SetTitle(title);
    context.progress.SetRange(frames);
    return true;
}

std::array<std::uint8_t, 2> FirmwareOf(const CloneImage& image) {
    return {image[0], image[1]};
}

void Finish(SerialPort& port, const TransferContext& context, TransferResult& result) {
    result.cancelled = !result.succeeded && context.cancel.load();
    port.PurgeReceive();
    port.PurgeTransmit();
}

// Keeps the radio's memory before the write, inside the wait the protocol has there anyway.
bool KeepBackup(const CloneImage& asRead, const TransferJob& job, const TransferContext& context,
                TransferResult& result) {
    const auto start = Clock::now();
    if (!job.backupFolder.empty()) {
        const BackupResult backup = WriteBackup(job.backupFolder, asRead);
        if (!backup.ok) {
            context.prompts.Show(Prompt{IDS_BACKUP_FAILED, FormatText(kBackupFailedText, backup.error, {}),
                                        Buttons::Ok, Icon::Stop});
            return false;
        }
        result.backupPath = backup.path;
    }
    const auto spent = std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - start);
    LinkWait(std::max(0, 150 - static_cast<int>(spent.count())));
    return true;
}

// A normal-mode download into a radio with another serial number: whose identity it gets is asked (or
// given by the job) before anything is written. False when the answer was Cancel: nothing is written.
bool ChooseIdentity(const CloneImage& asRead, const CloneImage& user, const TransferJob& job,
                    const TransferContext& context, TransferResult& result, CloneImage& buffer) {
    if (job.privileged || SameSerialNumber(asRead, user)) return true;
    result.fileSerial = DecodeSerialNumber(user);
    result.radioSerial = DecodeSerialNumber(asRead);
    std::optional<IdentityChoice> choice = job.identity;
    if (!choice) choice = IdentityFromAnswer(context.prompts.Show(IdentityQuestion(user, asRead)));
    if (!choice) {
        result.identityDeclined = true;
        return false;
    }
    if (*choice == IdentityChoice::Radio) {
        buffer = asRead;
        MergeIntoRadioImage(buffer, user, false, IdentityChoice::Radio);
    }
    return !context.cancel.load();
}

} // namespace

TransferResult RunUpload(SerialPort& port, const TransferJob& job, const TransferContext& context) {
    TransferResult result;
    if (!Begin(port, context, result, IDS_UPLOAD_FUNCTION, clone::kFrames)) return result;
    CloneImage buffer = job.image;
    CloneProtocol protocol(port, context, job.privileged);
    if (protocol.Upload(buffer)) {
        result.succeeded = true;
        result.firmwareVersion = FirmwareOf(buffer);
        result.image = buffer;
        result.imageTaken = !job.imageModified || MessageById(context.prompts, IDS_OVERWRITE_DATA,
                                                              Buttons::YesNo, Icon::Question) == Answer::Yes;
        if (result.imageTaken)
            MessageById(context.prompts, IDS_UPLOAD_COMPLETED, Buttons::Ok, Icon::Information);
    }
    Finish(port, context, result);
    return result;
}

TransferResult RunDownload(SerialPort& port, const TransferJob& job, const TransferContext& context) {
    TransferResult result;
    // The read, the write and, when it is on, the read-back.
    if (!Begin(port, context, result, IDS_DOWNLOAD_FUNCTION, (job.verify ? 3 : 2) * clone::kFrames))
        return result;
    CloneImage buffer = job.image;
    CloneImage user = job.image;
    CloneImage asRead{};
    NotedPrompts prompts(context.prompts);
    const TransferContext noted{prompts, context.progress, context.cancel};
    CloneProtocol protocol(port, noted, job.privileged);
    const bool merged = protocol.ReadAndMerge(buffer, user, &asRead);
    if (protocol.RadioRead()) result.firmwareVersion = FirmwareOf(asRead);
    if (merged && ChooseIdentity(asRead, user, job, context, result, buffer) &&
        KeepBackup(asRead, job, context, result)) {
        prompts.SetNote(WriteFailedNote(result.backupPath));
        result.written = protocol.Download(buffer);
        prompts.SetNote({});
        if (result.written) {
            result.image = buffer;
            if (job.verify) {
                result.verify = ReadBackAndCompare(protocol, prompts, buffer, result.backupPath,
                                                   DownloadCompletedPrompt(true));
            } else {
                context.prompts.Show(DownloadCompletedPrompt(false));
            }
            result.succeeded = !job.verify || result.verify == VerifyOutcome::Verified;
        }
    }
    Finish(port, context, result);
    return result;
}

TransferResult RunAlignmentEntry(SerialPort& port, const TransferJob& job, const TransferContext& context) {
    TransferResult result;
    if (!Begin(port, context, result, IDS_UPLOAD_FUNCTION, clone::kFrames)) return result;
    CloneImage buffer = job.image;
    CloneProtocol protocol(port, context, job.privileged);
    if (protocol.Upload(buffer)) {
        result.imageTaken = true;
        result.image = buffer;
        result.firmwareVersion = FirmwareOf(buffer);
        // Alignment writes into the radio's memory: keep what it held first, inside the 150 ms wait.
        bool ready = false;
        result.succeeded = KeepBackup(buffer, job, context, result) &&
                           port.SendByte(clone::kLeaveClone) == LinkResult::Ok &&
                           protocol.Handshake(clone::kRequestAlign, ready);
    }
    // The port stays open and unpurged: the alignment dialog goes on with it.
    result.cancelled = !result.succeeded && context.cancel.load();
    if (job.portThread) port.HandTo(job.portThread);
    return result;
}

TransferResult RunReadForCompare(SerialPort& port, const TransferJob& job, const TransferContext& context) {
    TransferResult result;
    if (!Begin(port, context, result, IDS_UPLOAD_FUNCTION, clone::kFrames)) return result;
    CloneImage buffer = job.image;
    CloneProtocol protocol(port, context, job.privileged);
    if (protocol.Upload(buffer)) {
        result.succeeded = true;
        result.image = buffer;
    }
    Finish(port, context, result);
    return result;
}

TransferResult RunVerifyWrite(SerialPort& port, const TransferJob& job, const TransferContext& context) {
    TransferResult result;
    if (!Begin(port, context, result, IDS_UPLOAD_FUNCTION, clone::kFrames)) return result;
    NotedPrompts prompts(context.prompts);
    const TransferContext noted{prompts, context.progress, context.cancel};
    CloneProtocol protocol(port, noted, job.privileged);
    result.verify = ReadBackAndCompare(protocol, prompts, job.image, job.backupPath, RadioVerifiedPrompt());
    result.succeeded = result.verify == VerifyOutcome::Verified;
    Finish(port, context, result);
    return result;
}

TransferResult RunTransfer(TransferMode mode, SerialPort& port, const TransferJob& job,
                           const TransferContext& context) {
    switch (mode) {
    case TransferMode::ReadRadio:
        return RunUpload(port, job, context);
    case TransferMode::WriteRadio:
        return RunDownload(port, job, context);
    case TransferMode::AlignmentEntry:
        return RunAlignmentEntry(port, job, context);
    case TransferMode::ReadForCompare:
        return RunReadForCompare(port, job, context);
    case TransferMode::VerifyWrite:
        return RunVerifyWrite(port, job, context);
    }
    return {};
}

void KeepRadioFirmware(CloneImage& image, const TransferResult& result) {
    if (result.firmwareVersion) std::copy_n(result.firmwareVersion->begin(), 2, image.begin());
}

void ApplyTransferResult(Document& document, TransferMode mode, const TransferResult& result) {
    if (mode == TransferMode::ReadForCompare || mode == TransferMode::VerifyWrite) return;
    if (mode == TransferMode::ReadRadio) {
        // Declined, failed or cancelled, an upload leaves the document exactly as it was.
        if (result.imageTaken) document.TakeRadioImage(result.image);
        return;
    }
    if (result.imageTaken) document.Image() = result.image;
    KeepRadioFirmware(document.Image(), result);
    document.ImageToModels();
}

} // namespace zt46
