#pragma once
// ZT46Win.ini in the working directory: read and corrected at start-up, rewritten at once, and written
// again after the Visible dialog and when the main window goes.

#include <QSettings>
#include <QSize>

#include "gui/app/AppState.h"

namespace zt46 {

constexpr int kMinWidth = 835;
constexpr int kMinHeight = 540;
constexpr int kRecentFileCount = 4;

class AppSettings {
public:
    explicit AppSettings(const QString& iniPath);

    // Reads every key with its default, corrects out-of-range values, and writes the port and column
    // keys straight back (a first start creates the file).
    void ReadAndRewrite(AppState& state);
    void WriteItems(const ColumnFlags& flags);
    // The Configuration dialog's keys: the port and VERIFY.
    void WritePort(const AppState& state);
    void WriteWindowSize(QSize size);
    void WriteRecentFiles(const QStringList& files);
    QString Path() const { return m_ini.fileName(); }

private:
    int ReadInt(const QString& key, int fallback) const;
    QSettings m_ini;
};

// Puts a path at the top of the recent-file list (once, at most kRecentFileCount entries).
QStringList WithRecentFile(QStringList files, const QString& path);

} // namespace zt46
