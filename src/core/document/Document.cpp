#include "core/document/Document.h"

#include <algorithm>
#include <cctype>
#include <filesystem>

#include "core/document/ChangeScope.h"
#include "core/document/CloneFile.h"
#include "core/document/FactoryImage.h"
#include "core/util/FileChecks.h"
#include "core/util/Messages.h"
#include "core/util/TextFormat.h"
#include "core/util/UserPrompts.h"

namespace zt46 {

namespace fs = std::filesystem;

namespace {

constexpr std::size_t kChannelAreaClearBegin = 152;
constexpr std::size_t kChannelAreaClearLength = 2210;

std::string JoinPath(const std::string& folder, const char* name) {
    if (folder.empty()) return name;
    return (fs::path(folder) / name).string();
}

} // namespace

bool IsDefaultFileName(const std::string& path) {
    const std::string name = FileNamePart(path);
    const std::string_view wanted = kDefaultFileName;
    return name.size() == wanted.size() &&
           std::equal(name.begin(), name.end(), wanted.begin(), [](char a, char b) {
               return std::tolower(static_cast<unsigned char>(a)) ==
                      std::tolower(static_cast<unsigned char>(b));
           });
}

Document::Document(UserPrompts& prompts, FileDialogs& dialogs, Folders folders)
    : m_prompts(prompts), m_dialogs(dialogs), m_folders(std::move(folders)) {}

void Document::SetCurrentFileName(const std::string& name) {
    m_fileName = name;
    NotifyTitle();
}

void Document::SetModified(bool modified) {
    if (m_modified == modified) return;
    m_modified = modified;
    if (m_listener) m_listener->ModifiedChanged();
}

void Document::ImageToModels() {
    m_system.Load(m_image);
    m_channels.Load(m_image, m_system);
}

bool Document::Change(std::string label, ChangePlace where, const std::function<void()>& action) {
    ChangeScope change(*this, std::move(label), where);
    action();
    return change.Commit();
}

ChangePlace Document::CurrentPlace() const {
    return ChangePlace{m_channels.CurrentGroup(), m_channels.CurrentIndex(), -1};
}

void Document::RestoreImage(const CloneImage& image, const ImageTrailer& trailer) {
    m_image = image;
    m_trailer = trailer;
    ImageToModels();
}

void Document::ModelsToImage() {
    std::fill_n(m_image.begin() + kChannelAreaClearBegin, kChannelAreaClearLength, 0);
    m_channels.Store(m_image, m_system);
    m_system.Store(m_image);
    UpdateAdjustChecksum(m_image);
}

std::optional<std::string> Document::FindDefaultFile() const {
    for (const std::string& folder : {m_folders.working, m_folders.program}) {
        const std::string candidate = JoinPath(folder, kDefaultFileName);
        if (CheckFileReadable(candidate) == FileStatus::Ok) return candidate;
    }
    return std::nullopt;
}

void Document::LoadFactoryImage() {
    m_image = FactoryImage();
    m_fromFile = false;
    ImageToModels();
}

void Document::LoadImage() {
    m_image.fill(0);
    m_fromFile = false;
    if (m_fileName != kNoFileName) {
        m_fromFile = CheckFileReadable(m_fileName) == FileStatus::Ok;
    } else if (auto found = FindDefaultFile()) {
        m_fromFile = true;
        m_fileName = *found;
    }
    if (m_fromFile) {
        if (ReadCloneFile(m_fileName, m_image, m_trailer, m_prompts)) {
            ImageToModels();
        } else {
            m_fromFile = false;
        }
    }
    if (!m_fromFile) {
        LoadFactoryImage();
        ModelsToImage();
        // A default file that exists but cannot be used is left alone; the image never claims a file
        // it did not come from, so a later Save asks for a name instead of overwriting that file.
        const std::string target = JoinPath(m_folders.working, kDefaultFileName);
        std::error_code ec;
        if (!fs::exists(target, ec)) WriteCloneFile(target, m_image, m_trailer, m_prompts);
        m_fileName = kNoFileName;
    }
    NotifyHistoryReset();
    NotifyTitle();
    NotifyReloaded();
}

void Document::TakeRadioImage(const CloneImage& image) {
    m_image = image;
    m_fromFile = false;
    SetModified(false);
    m_fileName = kNoFileName;
    ImageToModels();
    NotifyHistoryReset();
    NotifyTitle();
    NotifyReloaded();
}

void Document::Reload(const std::string& name) {
    SetModified(false);
    m_fileName = name;
    LoadImage();
}

bool Document::New() {
    if (!AskToSave()) return false;
    Reload(kNoFileName);
    return true;
}

bool Document::Open() {
    const std::optional<std::string> path = m_dialogs.AskOpenPath();
    if (!path) return false;
    return OpenPath(*path);
}

bool Document::CheckOpenable(const std::string& path) {
    switch (CheckCloneFileStatus(path, kCloneFileSize)) {
    case FileStatus::Ok:
        return true;
    case FileStatus::CannotOpen:
        MessageById(m_prompts, IDS_OPEN_FILE_ERROR, Buttons::Ok, Icon::Stop, path);
        return false;
    case FileStatus::CannotRead:
        MessageById(m_prompts, IDS_READ_FILE_ERROR, Buttons::Ok, Icon::Stop, path);
        return false;
    case FileStatus::WrongSize:
        break;
    }
    MessageById(m_prompts, IDS_INVALID_FORMAT, Buttons::Ok, Icon::Stop);
    return false;
}

bool Document::LoadFileStrict(const std::string& path) {
    return CheckOpenable(path) && LoadFile(path);
}

bool Document::LoadFile(const std::string& path) {
    CloneImage image;
    ImageTrailer trailer = m_trailer;
    if (!ReadCloneFile(path, image, trailer, m_prompts)) return false;
    m_image = image;
    m_trailer = trailer;
    m_fromFile = true;
    SetModified(false);
    m_fileName = path;
    ImageToModels();
    NotifyHistoryReset();
    NotifyTitle();
    NotifyReloaded();
    return true;
}

bool Document::OpenPath(const std::string& path) {
    if (!CheckOpenable(path)) return false;
    if (!AskToSave()) return false;
    Reload(path);
    return true;
}

bool Document::OpenNamedFile(const std::string& path) {
    // Never the built-in image in its place: the user would take it for the file named.
    return LoadFile(path);
}

bool Document::Save() {
    if (IsReadOnlyFile(m_fileName)) {
        MessageById(m_prompts, IDS_READ_ONLY, Buttons::Ok, Icon::Stop, m_fileName);
        return false;
    }
    if (IsDefaultFileName(m_fileName) &&
        MessageById(m_prompts, IDS_WRITE_DEFAULT_FILE, Buttons::YesNo, Icon::Question) != Answer::Yes) {
        return false;
    }
    ModelsToImage();
    if (m_fileName.empty() || m_fileName == kNoFileName) return SaveAs();
    if (!WriteCloneFile(m_fileName, m_image, m_trailer, m_prompts)) return false;
    SetModified(false);
    if (m_sink) m_sink->Saved();
    NotifyTitle();
    NotifyReloaded();
    return true;
}

bool Document::SaveAs() {
    const std::optional<std::string> path = m_dialogs.AskSavePath(m_fileName);
    if (!path || path->empty()) return false;
    SetCurrentFileName(*path);
    return Save();
}

bool Document::AskToSave() {
    if (!m_modified) return true;
    switch (MessageById(m_prompts, IDS_SAVE_CHANGES, Buttons::YesNoCancel, Icon::Question, m_fileName)) {
    case Answer::Yes:
        // The changes are dropped only when they really reached a file.
        if (!SaveAs()) return false;
        break;
    case Answer::No:
        break;
    default:
        return false;
    }
    SetModified(false);
    return true;
}

void Document::NotifyReloaded() {
    if (m_listener) m_listener->DocumentReloaded();
}

void Document::NotifyTitle() {
    if (m_listener) m_listener->TitleChanged();
}

void Document::NotifyHistoryReset() {
    if (m_sink) m_sink->HistoryReset();
}

} // namespace zt46
