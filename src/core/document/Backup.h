#pragma once
// Before the program writes to a radio it keeps what the radio held as a clone file (zero trailer) in
// a "backups" folder: KSR-410_<serial>_<yyyymmdd-hhmmss>.t46. Only the newest 50 of these files are
// kept; no other file in the folder is ever deleted.

#include <chrono>
#include <cstddef>
#include <string>

#include "core/image/CloneImage.h"
#include "core/util/Messages.h"

namespace zt46 {

inline constexpr const char* kBackupFolderName = "backups";
inline constexpr std::size_t kBackupsKept = 50;
// The message shown when the backup cannot be written (the write to the radio does not start).
inline constexpr const char* kBackupFailedText =
    "The radio's memory could not be kept as a backup, so nothing was written to the radio.\r\n%1";

struct BackupResult {
    bool ok = false;
    std::string path;  // the file written, or the one that could not be
    std::string error; // why it could not be written
};

// The file name for an image read at `when` (local time). Characters a Windows file name cannot hold
// become '_'.
std::string BackupFileName(const CloneImage& image, std::chrono::system_clock::time_point when);
// Whether a file name has the form of the program's own backups.
bool IsBackupFileName(const std::string& name);
// Writes the image with a zero trailer into `folder` (created when missing), atomically, never over an
// existing file, then deletes the oldest of the program's backups beyond kBackupsKept.
BackupResult WriteBackup(const std::string& folder, const CloneImage& image,
                         std::chrono::system_clock::time_point when = std::chrono::system_clock::now());
// Deletes the oldest backups in the folder (by the time in their names) beyond `keep`.
void PruneBackups(const std::string& folder, std::size_t keep = kBackupsKept);

} // namespace zt46
