#pragma once
// Checks made on a clone file before it is read.

#include <cstdint>
#include <string>

namespace zt46 {

// 1 when the path is empty or cannot be opened for reading; otherwise 0 when one byte could be read
// and 2 when it could not.
int CheckFileReadable(const std::string& path);
// 1 when the file's status cannot be had (no such file), 3 when its size differs from expected,
// otherwise CheckFileReadable.
int CheckCloneFileStatus(const std::string& path, std::uintmax_t expectedLength);
// Whether the path names an existing file that nobody may write (the read-only attribute).
bool IsReadOnlyFile(const std::string& path);

} // namespace zt46
