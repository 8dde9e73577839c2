#pragma once
// The process-wide settings of the running program (read from and written to ZT46Win.ini).

#include <QString>
#include <QStringList>

#include "core/editor/CellEdit.h"
#include "core/util/PrivilegedMode.h"

namespace zt46 {

struct AppState {
    int PortType = 0;   // 0 cable on a COM port, 1 the interface unit
    int ComPort = 1;    // 1..16
    QString PortDevice; // a device path opened instead of COM n (PORT_DEVICE); empty: COM n
    ColumnFlags ColumnVisible{1, 1, 1, 1, 1, 1, 1, 1};
    Privilege PrivilegedMode = Privilege::Normal;
    QString PrinterName;
    int Cx = 835; // remembered window size
    int Cy = 540;
    QStringList RecentFiles; // most recent first
};

} // namespace zt46
