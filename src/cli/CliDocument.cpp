#include "cli/CliDocument.h"

#include <QCommandLineParser>
#include <filesystem>
#include <ostream>

#include "core/util/Messages.h"

namespace zt46::cli {

namespace {

Document::Folders CurrentFolders() {
    std::error_code ec;
    const std::filesystem::path cwd = std::filesystem::current_path(ec);
    const std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    return {cwd.string(), ec ? std::string() : exe.parent_path().string()};
}

} // namespace

CliDocument::CliDocument(CliIo& io) : prompts(io.err), document(prompts, dialogs, CurrentFolders()) {}

bool CliDocument::Load(const std::optional<std::string>& path) {
    if (!path) {
        document.LoadFactoryImage();
        return true;
    }
    return document.LoadFileStrict(*path);
}

std::vector<std::string> Paths(const QCommandLineParser& parser) {
    std::vector<std::string> paths;
    for (const QString& argument : parser.positionalArguments())
        paths.push_back(argument.toLocal8Bit().toStdString());
    return paths;
}

std::string OptionValue(const QCommandLineParser& parser, const char* name) {
    return parser.value(QString::fromLatin1(name)).toLocal8Bit().toStdString();
}

QCommandLineOption OutputOption(const char* valueName) {
    return QCommandLineOption(QStringList{"o", "output"}, {}, QString::fromLatin1(valueName));
}

int FileNotWritten(UserPrompts& prompts, const std::string& path, bool opened) {
    if (opened) {
        MessageById(prompts, IDS_WRITE_FILE_ERROR, Buttons::Ok, Icon::Stop);
    } else {
        MessageById(prompts, IDS_CREATE_FILE_ERROR, Buttons::Ok, Icon::Stop, path);
    }
    return kExitFile;
}

bool CheckArgumentCount(const std::vector<std::string>& paths, std::size_t min, std::size_t max,
                        const Command& cmd, CliIo& io) {
    if (paths.size() >= min && paths.size() <= max) return true;
    io.err << "zt46 " << cmd.Name() << ": wrong number of arguments\n" << cmd.Usage();
    return false;
}

} // namespace zt46::cli
