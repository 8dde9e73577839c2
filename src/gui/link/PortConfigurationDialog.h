#pragma once
// File > Configure: whether the radio is reached through the "QIB-27" interface unit, which port the
// link uses (COM 1..COM 16, a serial device found on this machine, or a device path typed in), and
// whether the radio is read back after each write. The dialog only chooses; the caller re-creates the
// port on OK.

#include <QString>

#include "gui/controls/PromptBarDialog.h"
#include "link/PortSettings.h"

class QCheckBox;
class QComboBox;
class QPushButton;

namespace zt46 {

struct AppState;

class PortConfigurationDialog : public PromptBarDialog {
    Q_OBJECT
public:
    PortConfigurationDialog(const AppState& state, QWidget* parent = nullptr);

    PortKind SelectedPortKind() const;
    // The port the box names (see ParsePortText): a COM port, or a device path beside the COM port kept.
    PortSettings SelectedPort() const;
    bool VerifyAfterWriting() const;

    QCheckBox* InterfaceBox() const { return m_qib; }
    QCheckBox* VerifyBox() const { return m_verify; }
    QComboBox* PortBox() const { return m_ports; }
    QPushButton* OkButton() const { return m_ok; }

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    int m_keepCom;
    QCheckBox* m_qib;
    QComboBox* m_ports;
    QCheckBox* m_verify;
    QPushButton* m_ok;
    QPushButton* m_cancel;
};

} // namespace zt46
