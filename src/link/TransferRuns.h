#pragma once
// The runs that move the whole image over the link: upload, download (read, merge, write, read back),
// alignment entry, a read for a comparison and a read-back after alignment. Each works on its own copy of
// the image, reports through the context, and returns a result that the caller applies to its document: a
// run never touches a document.

#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "core/document/RadioWrite.h"
#include "core/image/CloneImage.h"
#include "link/ReadBack.h"
#include "link/SerialPort.h"
#include "link/TransferContext.h"

class QThread;

namespace zt46 {

class Document;

enum class TransferMode {
    ReadRadio,
    WriteRadio,
    AlignmentEntry,
    ReadForCompare, // the radio's memory for a comparison: no question, no message, the document alone
    VerifyWrite,    // read back after alignment wrote into the radio, compared with `image`
};

struct TransferJob {
    CloneImage image{};         // the document's image, models written back into it
    bool imageModified = false; // upload asks before it replaces modified data
    bool privileged = false;
    // Download, alignment entry: the folder where the radio's memory is kept before anything is written
    // to it; empty: no backup.
    std::string backupFolder;
    // Alignment entry: the thread that goes on using the port afterwards (null: this one).
    QThread* portThread = nullptr;
    // Download in normal mode, when the file's serial number is not the radio's: whose identity the radio
    // gets; none: the user is asked.
    std::optional<IdentityChoice> identity;
    // Download: the radio is read back after the write and compared with what was written.
    bool verify = true;
    // Read-back after alignment: the backup taken when alignment began, named should the check fail.
    std::string backupPath;
};

struct TransferResult {
    bool succeeded = false;
    bool cancelled = false;  // the cancel flag stopped the run
    bool portFailed = false; // the port could not be opened (message 80)
    bool imageTaken = false; // upload, alignment entry: `image` is to replace the document's image
    CloneImage image{};      // upload, alignment entry: the radio's memory; download: what was written
    // The radio's firmware version (image bytes 0..1) whenever the radio was read.
    std::optional<std::array<std::uint8_t, 2>> firmwareVersion;
    std::string backupPath; // download: the backup of the radio's memory, when written
    bool written = false;   // download: the radio took every frame
    VerifyOutcome verify = VerifyOutcome::NotRun;
    // Download: the serial numbers when they differed, and whether the question about them was
    // answered Cancel (then nothing was written).
    std::string fileSerial, radioSerial;
    bool identityDeclined = false;
};

TransferResult RunUpload(SerialPort& port, const TransferJob& job, const TransferContext& context);
TransferResult RunDownload(SerialPort& port, const TransferJob& job, const TransferContext& context);
TransferResult RunAlignmentEntry(SerialPort& port, const TransferJob& job, const TransferContext& context);
TransferResult RunReadForCompare(SerialPort& port, const TransferJob& job, const TransferContext& context);
TransferResult RunVerifyWrite(SerialPort& port, const TransferJob& job, const TransferContext& context);
TransferResult RunTransfer(TransferMode mode, SerialPort& port, const TransferJob& job,
                           const TransferContext& context);

// Whenever the radio was read, its firmware version (bytes 0..1) goes into the image, whatever else the
// caller keeps of the run.
void KeepRadioFirmware(CloneImage& image, const TransferResult& result);

// What the caller does with a result: an upload taken replaces the image and the file name ("<none>"),
// any other upload changes nothing; an alignment entry replaces the image alone, and a download keeps
// the radio's firmware version whenever the radio was read. The models are decoded again from the image.
// A read for a comparison and a read-back leave the document alone.
void ApplyTransferResult(Document& document, TransferMode mode, const TransferResult& result);

} // namespace zt46
