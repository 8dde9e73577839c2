#include "gui/app/AppSettings.h"

#include <algorithm>

namespace zt46 {

AppSettings::AppSettings(const QString& iniPath) : m_ini(iniPath, QSettings::IniFormat) {}

int AppSettings::ReadInt(const QString& key, int fallback) const {
    bool ok = false;
    const int value = m_ini.value(key).toString().trimmed().toInt(&ok);
    return ok ? value : fallback;
}

void AppSettings::ReadAndRewrite(AppState& state) {
    // PORT_TYPE 1 is the interface unit; any other value the cable.
    state.PortType = ReadInt("Initialize/PORT_TYPE", 0) == 1 ? PortKind::InterfaceUnit : PortKind::Cable;
    state.ComPort = ReadInt("Initialize/COM_PORT", 1);
    if (state.ComPort < 1 || state.ComPort > kComPortCount) state.ComPort = 1;
    state.PortDevice = m_ini.value("Initialize/PORT_DEVICE").toString().trimmed();
    // Only 0 turns the read-back off: a write is checked unless the user said otherwise.
    state.VerifyAfterWriting = ReadInt("Initialize/VERIFY", 1) != 0;
    // The column flags are taken as they stand: only exactly 1 shows a column.
    for (int i = 0; i < kColumnFlagCount; ++i)
        state.ColumnVisible[static_cast<std::size_t>(i)] = ReadInt(QString("ITEM/ITEM%1").arg(i), 1);
    state.Cx = std::max(ReadInt("Initialize/CX", kMinWidth), kMinWidth);
    state.Cy = std::max(ReadInt("Initialize/CY", kMinHeight), kMinHeight);
    state.RecentFiles.clear();
    for (int i = 1; i <= kRecentFileCount; ++i) {
        const QString file = m_ini.value(QString("Recent File List/File%1").arg(i)).toString();
        if (!file.isEmpty()) state.RecentFiles << file;
    }
    WritePort(state);
    WriteItems(state.ColumnVisible);
}

void AppSettings::WritePort(const AppState& state) {
    m_ini.setValue("Initialize/PORT_TYPE", state.PortType == PortKind::InterfaceUnit ? 1 : 0);
    m_ini.setValue("Initialize/COM_PORT", state.ComPort);
    if (state.PortDevice.isEmpty())
        m_ini.remove("Initialize/PORT_DEVICE");
    else
        m_ini.setValue("Initialize/PORT_DEVICE", state.PortDevice);
    m_ini.setValue("Initialize/VERIFY", state.VerifyAfterWriting ? 1 : 0);
    m_ini.sync();
}

void AppSettings::WriteItems(const ColumnFlags& flags) {
    for (int i = 0; i < kColumnFlagCount; ++i)
        m_ini.setValue(QString("ITEM/ITEM%1").arg(i), flags[static_cast<std::size_t>(i)]);
    m_ini.sync();
}

void AppSettings::WriteWindowSize(QSize size) {
    m_ini.setValue("Initialize/CX", std::max(size.width(), kMinWidth));
    m_ini.setValue("Initialize/CY", std::max(size.height(), kMinHeight));
    m_ini.sync();
}

void AppSettings::WriteRecentFiles(const QStringList& files) {
    for (int i = 1; i <= kRecentFileCount; ++i) {
        const QString key = QString("Recent File List/File%1").arg(i);
        if (i <= files.size()) {
            m_ini.setValue(key, files[i - 1]);
        } else {
            m_ini.remove(key);
        }
    }
    m_ini.sync();
}

QStringList WithRecentFile(QStringList files, const QString& path) {
    files.removeAll(path);
    files.prepend(path);
    while (files.size() > kRecentFileCount)
        files.removeLast();
    return files;
}

} // namespace zt46
