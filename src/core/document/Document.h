#pragma once
// The one document: the image, the trailer, the decoded models and the flags, and the New, Open, Save
// and Save As flows with their messages. Widgets only supply the dialogs (FileDialogs) and the message
// boxes (UserPrompts).

#include <functional>
#include <optional>
#include <string>

#include "core/document/ChangeRecord.h"
#include "core/editor/ChannelTable.h"
#include "core/image/CloneImage.h"
#include "core/image/SettingsGroups.h"

namespace zt46 {

class UserPrompts;

inline constexpr const char* kNoFileName = "<none>";
inline constexpr const char* kDefaultFileName = "ZT46default.t46";

// The file dialogs of Open and Save As; nullopt when the user cancels.
class FileDialogs {
public:
    virtual ~FileDialogs() = default;
    virtual std::optional<std::string> AskOpenPath() = 0;
    virtual std::optional<std::string> AskSavePath(const std::string& currentName) = 0;
};

// No file dialogs: for tools where every path is given (the command line, scratch documents).
class NoFileDialogs : public FileDialogs {
public:
    std::optional<std::string> AskOpenPath() override { return std::nullopt; }
    std::optional<std::string> AskSavePath(const std::string&) override { return std::nullopt; }
};

// Told when the document's content or title changes, so views can refresh.
class DocumentListener {
public:
    virtual ~DocumentListener() = default;
    virtual void DocumentReloaded() {}
    virtual void TitleChanged() {}
    // ImageModified went on or off.
    virtual void ModifiedChanged() {}
};

// Whether the path's file name is "ZT46default.t46" (any folder, any letter case).
bool IsDefaultFileName(const std::string& path);

class Document {
public:
    struct Folders {
        std::string working; // the working directory at start-up: the default file is written here
        std::string program; // the folder of the program: the second place the default file is sought
    };

    Document(UserPrompts& prompts, FileDialogs& dialogs, Folders folders);

    void SetListener(DocumentListener* listener) { m_listener = listener; }
    // Where change records go (see ChangeScope); none: changes only set ImageModified.
    void SetChangeSink(ChangeSink* sink) { m_sink = sink; }

    CloneImage& Image() { return m_image; }
    const CloneImage& Image() const { return m_image; }
    ImageTrailer& Trailer() { return m_trailer; }
    const ImageTrailer& Trailer() const { return m_trailer; }
    ChannelTable& Channels() { return m_channels; }
    const ChannelTable& Channels() const { return m_channels; }
    SystemSettings& System() { return m_system; }
    const SystemSettings& System() const { return m_system; }
    BandContext Bands() const { return m_channels.Bands(m_system); }

    bool ImageModified() const { return m_modified; }
    void SetModified(bool modified = true);
    const std::string& CurrentFileName() const { return m_fileName; }
    void SetCurrentFileName(const std::string& name);
    bool ImageFromFile() const { return m_fromFile; }
    bool PrintingActive() const { return m_printing; }
    void SetPrintingActive(bool active) { m_printing = active; }
    const Folders& Paths() const { return m_folders; }

    // Every model loads itself from the image: SystemSettings, then the channel table.
    void ImageToModels();
    // One user action as one change record (see ChangeScope): true when it changed the image.
    bool Change(std::string label, ChangePlace where, const std::function<void()>& action);
    // The grid's group and channel as the channel table knows them.
    ChangePlace CurrentPlace() const;
    // Undo and redo: a recorded image and trailer are put back and every model decoded from them. The
    // history is left as it is (no reset, no record).
    void RestoreImage(const CloneImage& image, const ImageTrailer& trailer);
    // The models are written back: channel area cleared and rebuilt, settings, check value.
    void ModelsToImage();
    // A fresh image from CurrentFileName, the default file, or the built-in image (written out as the
    // default file).
    void LoadImage();
    // The built-in image as loaded, without writing any file.
    void LoadFactoryImage();
    // Replaces the image with one read from the radio (Upload): the document then names no file.
    void TakeRadioImage(const CloneImage& image);

    // The file commands. Each returns whether it went through (false: cancelled or failed).
    bool New();
    bool Open();
    // Open's steps after the file dialog: status check, ask to save, load.
    bool OpenPath(const std::string& path);
    // Status check and read of a clone file, without any fall-back: false (after the message) leaves the
    // document as it was. For tools that must never replace a bad file by the built-in image.
    bool LoadFileStrict(const std::string& path);
    // The load of a file named on the command line: no length check, but a file that cannot be opened or
    // read gives its message (with the path) and false, and the document stays as it was.
    bool OpenNamedFile(const std::string& path);
    bool Save();
    bool SaveAs();
    // Asks whether to save changes; true when the command may go on (nothing unsaved, No, or a save
    // that really wrote the file).
    bool AskToSave();

private:
    friend class ChangeScope;

    void Reload(const std::string& name);
    bool LoadFile(const std::string& path);
    bool CheckOpenable(const std::string& path);
    std::optional<std::string> FindDefaultFile() const;
    void NotifyReloaded();
    void NotifyTitle();
    void NotifyHistoryReset();

    UserPrompts& m_prompts;
    FileDialogs& m_dialogs;
    Folders m_folders;
    DocumentListener* m_listener = nullptr;
    ChangeSink* m_sink = nullptr;
    int m_openChanges = 0; // open ChangeScopes

    CloneImage m_image{};
    ImageTrailer m_trailer{};
    SystemSettings m_system;
    ChannelTable m_channels;
    bool m_modified = false;
    std::string m_fileName = kNoFileName;
    bool m_fromFile = false;
    bool m_printing = false;
};

} // namespace zt46
