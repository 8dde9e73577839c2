#include "gui/app/StartFolder.h"

#include <QDir>
#include <QStandardPaths>

#include <string>
#include <vector>

#include "core/util/StartArguments.h"

namespace zt46 {

QString UserDataFolder() {
    return QDir(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation)).filePath("zt46");
}

StartFolder ChooseStartFolder(const QStringList& arguments, const QString& currentDir) {
    StartFolder start{currentDir, arguments, {}};
    if (!start.arguments.contains(kUserDataSwitch)) return start;
    start.arguments.removeAll(kUserDataSwitch);

    const QString folder = UserDataFolder();
    if (!QDir().mkpath(folder)) {
        start.problem =
            QString("Cannot create the data folder %1; files are kept in %2.").arg(folder, currentDir);
        return start;
    }
    start.workingDir = folder;
    return start;
}

StartArguments ReadStartArguments(const QStringList& arguments, const QString& startDir) {
    std::vector<std::string> words;
    for (const QString& argument : arguments)
        words.push_back(argument.toStdString());
    const StartRequest request = ParseStartArguments(words);
    StartArguments start;
    start.privilege = request.privilege;
    if (!request.file.empty())
        start.file = QDir(startDir).absoluteFilePath(QString::fromStdString(request.file));
    for (const std::string& word : request.ignored)
        start.ignored << QString::fromStdString(word);
    return start;
}

} // namespace zt46
