#pragma once
// The process-wide settings of the running program (read from and written to ZT46Win.ini).

#include <QString>
#include <QStringList>

#include "core/editor/CellEdit.h"
#include "core/util/PrivilegedMode.h"
#include "link/PortSettings.h"

namespace zt46 {

struct AppState {
    PortKind PortType = PortKind::Cable;
    int ComPort = 1;                // 1..16
    QString PortDevice;             // a device path opened instead of COM n (PORT_DEVICE); empty: COM n
    bool VerifyAfterWriting = true; // the radio is read back after each write (VERIFY)
    ColumnFlags ColumnVisible{1, 1, 1, 1, 1, 1, 1, 1};
    Privilege PrivilegedMode = Privilege::Normal;
    QString PrinterName;
    int Cx = 835; // remembered window size
    int Cy = 540;
    QStringList RecentFiles; // most recent first

    // The port the configuration names.
    PortSettings Port() const { return PortSettings{ComPort, PortDevice.trimmed().toStdString()}; }
};

} // namespace zt46
