#include "core/document/CloneFile.h"

#include <cstdio>
#include <filesystem>
#include <random>
#include <system_error>

#include "core/util/Messages.h"
#include "core/util/UserPrompts.h"

namespace zt46 {

namespace fs = std::filesystem;

namespace {

// A fresh name beside the target; "x" makes the open fail rather than reuse an existing file.
std::FILE* CreateTemporaryBeside(const fs::path& target, fs::path& tempPath) {
    std::random_device random;
    for (int attempt = 0; attempt < 8; ++attempt) {
        tempPath = target;
        tempPath += ".tmp" + std::to_string(random() % 1000000);
        if (std::FILE* f = std::fopen(tempPath.c_str(), "wbx")) return f;
        std::error_code ec;
        if (!fs::exists(tempPath, ec)) return nullptr; // not a name clash: the folder refuses
    }
    return nullptr;
}

} // namespace

bool ReadCloneFile(const std::string& path, CloneImage& image, ImageTrailer& trailer, UserPrompts& prompts) {
    std::FILE* f = path.empty() ? nullptr : std::fopen(path.c_str(), "rb");
    if (!f) {
        MessageById(prompts, IDS_OPEN_FILE_ERROR, Buttons::Ok, Icon::Stop, path);
        return false;
    }
    CloneImage buffer;
    if (std::fread(buffer.data(), 1, buffer.size(), f) != buffer.size()) {
        std::fclose(f);
        MessageById(prompts, IDS_READ_FILE_ERROR, Buttons::Ok, Icon::Stop, path);
        return false;
    }
    image = buffer;
    // The trailer is optional: a file may end with the image, and what it lacks stays as it was.
    const std::size_t trailerBytes = std::fread(trailer.data(), 1, trailer.size(), f);
    static_cast<void>(trailerBytes);
    std::fclose(f);
    return true;
}

bool WriteCloneFile(const std::string& path, const CloneImage& image, const ImageTrailer& trailer,
                    UserPrompts& prompts) {
    std::error_code ec;
    fs::path target(path);
    if (fs::is_symlink(fs::symlink_status(target, ec)))
        target = fs::weakly_canonical(target, ec); // through the link
    if (path.empty() || fs::is_directory(fs::status(target, ec))) {
        MessageById(prompts, IDS_CREATE_FILE_ERROR, Buttons::Ok, Icon::Stop, path);
        return false;
    }
    fs::path temp;
    std::FILE* f = CreateTemporaryBeside(target, temp);
    if (!f) {
        MessageById(prompts, IDS_CREATE_FILE_ERROR, Buttons::Ok, Icon::Stop, path);
        return false;
    }
    bool ok = std::fwrite(image.data(), 1, image.size(), f) == image.size();
    ok = ok && std::fwrite(trailer.data(), 1, trailer.size(), f) == trailer.size();
    ok = std::fflush(f) == 0 && ok;
    ok = std::fclose(f) == 0 && ok;
    if (ok) {
        const fs::file_status old = fs::status(target, ec);
        if (fs::exists(old)) fs::permissions(temp, old.permissions(), ec);
        ec.clear();
        fs::rename(temp, target, ec);
        ok = !ec;
    }
    if (!ok) {
        fs::remove(temp, ec);
        MessageById(prompts, IDS_WRITE_FILE_ERROR, Buttons::Ok, Icon::Stop);
        return false;
    }
    return true;
}

} // namespace zt46
