#include "core/document/Backup.h"

#include <algorithm>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <vector>

#include "core/image/Codecs.h"

namespace zt46 {
namespace fs = std::filesystem;
namespace {

constexpr const char* kPrefix = "KSR-410_";
constexpr const char* kExtension = ".t46";
constexpr std::size_t kStampLength = 15; // yyyymmdd-hhmmss

bool IsWindowsFileNameChar(char c) {
    return static_cast<unsigned char>(c) >= 0x20 &&
           std::string_view("<>:\"/\\|?*").find(c) == std::string_view::npos;
}

std::string Stamp(std::chrono::system_clock::time_point when) {
    const std::time_t t = std::chrono::system_clock::to_time_t(when);
    std::tm local{};
    localtime_r(&t, &local);
    char text[32];
    std::strftime(text, sizeof text, "%Y%m%d-%H%M%S", &local);
    return text;
}

bool IsDigits(const std::string& s, std::size_t from, std::size_t count) {
    return std::all_of(s.begin() + static_cast<long>(from), s.begin() + static_cast<long>(from + count),
                       [](char c) { return c >= '0' && c <= '9'; });
}

// The "yyyymmdd-hhmmss" of a backup name, possibly followed by "-n" for a second file in one second.
std::string StampOf(const std::string& name) {
    const std::size_t end = name.size() - std::char_traits<char>::length(kExtension);
    const std::size_t under = name.rfind('_', end);
    return name.substr(under + 1, end - under - 1);
}

} // namespace

std::string BackupFileName(const CloneImage& image, std::chrono::system_clock::time_point when) {
    std::string serial = DecodeSerialNumber(image);
    std::replace_if(
        serial.begin(), serial.end(), [](char c) { return !IsWindowsFileNameChar(c); }, '_');
    return kPrefix + serial + "_" + Stamp(when) + kExtension;
}

bool IsBackupFileName(const std::string& name) {
    const std::size_t prefix = std::char_traits<char>::length(kPrefix);
    const std::size_t ext = std::char_traits<char>::length(kExtension);
    if (name.size() < prefix + 1 + kStampLength + ext || name.rfind(kPrefix, 0) != 0) return false;
    if (name.compare(name.size() - ext, ext, kExtension) != 0) return false;
    const std::string stamp = StampOf(name);
    if (stamp.size() < kStampLength || stamp[8] != '-' || !IsDigits(stamp, 0, 8) || !IsDigits(stamp, 9, 6))
        return false;
    if (stamp.size() == kStampLength) return true;
    return stamp[kStampLength] == '-' && stamp.size() > kStampLength + 1 &&
           IsDigits(stamp, kStampLength + 1, stamp.size() - kStampLength - 1);
}

BackupResult WriteBackup(const std::string& folder, const CloneImage& image,
                         std::chrono::system_clock::time_point when) {
    BackupResult result;
    std::error_code ec;
    fs::create_directories(folder, ec);
    const std::string name = BackupFileName(image, when);
    fs::path target = fs::path(folder) / name;
    // Two downloads in one second keep both backups.
    for (int n = 2; fs::exists(target, ec) && n < 1000; ++n) {
        target = fs::path(folder) / (name.substr(0, name.size() - 4) + "-" + std::to_string(n) + kExtension);
    }
    result.path = target.string();
    if (!fs::is_directory(folder, ec)) {
        result.error = "The folder " + folder + " cannot be created.";
        return result;
    }
    const fs::path temp = target.string() + ".tmp";
    {
        std::ofstream out(temp, std::ios::binary | std::ios::trunc);
        const ImageTrailer trailer{};
        out.write(reinterpret_cast<const char*>(image.data()), static_cast<std::streamsize>(image.size()));
        out.write(reinterpret_cast<const char*>(trailer.data()),
                  static_cast<std::streamsize>(trailer.size()));
        out.close();
        if (!out) {
            fs::remove(temp, ec);
            result.error = "The file " + result.path + " cannot be written.";
            return result;
        }
    }
    fs::rename(temp, target, ec);
    if (ec) {
        fs::remove(temp, ec);
        result.error = "The file " + result.path + " cannot be written.";
        return result;
    }
    result.ok = true;
    PruneBackups(folder);
    return result;
}

void PruneBackups(const std::string& folder, std::size_t keep) {
    std::error_code ec;
    std::vector<std::pair<std::string, fs::path>> own;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        const std::string name = it->path().filename().string();
        if (it->is_regular_file(ec) && IsBackupFileName(name)) own.emplace_back(StampOf(name), it->path());
    }
    if (own.size() <= keep) return;
    // Oldest first: by the time in the name, then by the "-n" of a second file in the same second.
    std::sort(own.begin(), own.end(), [](const auto& a, const auto& b) {
        if (a.first.substr(0, kStampLength) != b.first.substr(0, kStampLength)) return a.first < b.first;
        if (a.first.size() != b.first.size()) return a.first.size() < b.first.size();
        return a.first < b.first;
    });
    for (std::size_t i = 0; i + keep < own.size(); ++i)
        fs::remove(own[i].second, ec);
}

} // namespace zt46
