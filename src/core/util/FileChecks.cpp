#include "core/util/FileChecks.h"

#include <cstdio>
#include <filesystem>
#include <system_error>

namespace zt46 {

namespace fs = std::filesystem;

FileStatus CheckFileReadable(const std::string& path) {
    if (path.empty()) return FileStatus::CannotOpen;
    std::FILE* f = std::fopen(path.c_str(), "rb");
    if (!f) return FileStatus::CannotOpen;
    unsigned char byte;
    const bool read = std::fread(&byte, 1, 1, f) == 1;
    std::fclose(f);
    return read ? FileStatus::Ok : FileStatus::CannotRead;
}

FileStatus CheckCloneFileStatus(const std::string& path, std::uintmax_t expectedLength) {
    std::error_code ec;
    const fs::file_status st = fs::status(path, ec);
    if (ec || !fs::exists(st)) return FileStatus::CannotOpen;
    // A folder has no length of its own: it cannot be a clone file.
    if (!fs::is_regular_file(st))
        return fs::is_directory(st) ? FileStatus::WrongSize : CheckFileReadable(path);
    const std::uintmax_t size = fs::file_size(path, ec);
    if (ec) return FileStatus::CannotOpen;
    if (size != expectedLength) return FileStatus::WrongSize;
    return CheckFileReadable(path);
}

bool IsReadOnlyFile(const std::string& path) {
    std::error_code ec;
    const fs::file_status st = fs::status(path, ec);
    if (ec || !fs::is_regular_file(st)) return false;
    constexpr auto writeBits = fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write;
    return (st.permissions() & writeBits) == fs::perms::none;
}

} // namespace zt46
