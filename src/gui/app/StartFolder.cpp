#include "gui/app/StartFolder.h"

#include <QDir>
#include <QStandardPaths>

#include <string>
#include <vector>

#include "core/util/PrivilegedMode.h"

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
    // The rest names a file (its words joined, as the program has always read them), which must not
    // move with the working folder. The service-mode switch is left as it is.
    std::vector<std::string> words;
    for (const QString& argument : start.arguments)
        words.push_back(argument.toStdString());
    if (!words.empty() && RequestedPrivilege(words) == Privilege::Normal)
        start.arguments = QStringList{QDir(currentDir).absoluteFilePath(start.arguments.join(' '))};
    return start;
}

} // namespace zt46
