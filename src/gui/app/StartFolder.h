#pragma once
// Where the desktop program keeps ZT46Win.ini, ZT46default.t46 and backups/: the folder it is started
// from, or, with "--user-data" (the desktop menu's entry passes it), the user's data folder
// ($XDG_DATA_HOME/zt46, normally ~/.local/share/zt46), so that a start from the menu leaves nothing
// loose in the home folder.

#include <QString>
#include <QStringList>

#include "core/util/PrivilegedMode.h"

namespace zt46 {

inline constexpr char kUserDataSwitch[] = "--user-data";

struct StartFolder {
    QString workingDir;    // where the files are kept
    QStringList arguments; // the command line without the program name and without "--user-data"
    QString problem;       // set when the data folder could not be made (the start folder is used)
};

// The user's data folder for this program (not created).
QString UserDataFolder();

// Takes "--user-data" out of `arguments` (the command line without the program name). With it, the
// working folder is UserDataFolder(), created when missing.
StartFolder ChooseStartFolder(const QStringList& arguments, const QString& currentDir);

// What the command line asks for (ParseStartArguments), with the file named made absolute against
// `startDir`, the folder the program was started from, whatever its working folder.
struct StartArguments {
    Privilege privilege = Privilege::Normal;
    QString file; // empty: none named
    QStringList ignored;
};
StartArguments ReadStartArguments(const QStringList& arguments, const QString& startDir);

} // namespace zt46
