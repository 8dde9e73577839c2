#pragma once
// Checks made on a clone file before it is read.

#include <cstdint>
#include <string>

namespace zt46 {

enum class FileStatus {
    Ok,
    CannotOpen, // no such file, an empty path, or no permission to read
    CannotRead, // opened, but not one byte could be read
    WrongSize,  // a size other than expected (a folder included)
};

// CannotOpen, CannotRead or Ok.
FileStatus CheckFileReadable(const std::string& path);
// CannotOpen when the file's status cannot be had, WrongSize when its size differs from expected,
// otherwise CheckFileReadable.
FileStatus CheckCloneFileStatus(const std::string& path, std::uintmax_t expectedLength);
// Whether the path names an existing file that nobody may write (the read-only attribute).
bool IsReadOnlyFile(const std::string& path);

} // namespace zt46
