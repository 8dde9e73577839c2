#pragma once
// File > Configure: whether the radio is reached through the "QIB-27" interface unit, and which port
// the link uses: COM 1..COM 16, a serial device found on this machine, or a device path typed in.
// The dialog only chooses; the caller re-creates the port on OK.

#include <QString>

#include "gui/controls/PromptBarDialog.h"

class QCheckBox;
class QComboBox;
class QPushButton;

namespace zt46 {

struct AppState;

class PortConfigurationDialog : public PromptBarDialog {
    Q_OBJECT
public:
    PortConfigurationDialog(const AppState& state, QWidget* parent = nullptr);

    struct PortChoice {
        int comPort = 1;    // 1..16
        QString devicePath; // empty: the COM port
    };
    // What a text of the port box names: one of the COM entries ("COM 3", also "com3"), a listed
    // device (its path), any other text a device path; an empty text COM 1. `keepCom` is the COM port
    // kept in the configuration when a device path is chosen.
    static PortChoice ParseChoice(const QString& text, int keepCom);

    int SelectedPortType() const;
    int SelectedComPort() const { return Choice().comPort; }
    QString SelectedDevice() const { return Choice().devicePath; }

    QCheckBox* InterfaceBox() const { return m_qib; }
    QComboBox* PortBox() const { return m_ports; }
    QPushButton* OkButton() const { return m_ok; }

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    PortChoice Choice() const;

    int m_keepCom;
    QCheckBox* m_qib;
    QComboBox* m_ports;
    QPushButton* m_ok;
    QPushButton* m_cancel;
};

} // namespace zt46
