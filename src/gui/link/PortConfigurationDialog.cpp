#include "gui/link/PortConfigurationDialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSerialPortInfo>
#include <QVBoxLayout>
#include <algorithm>

#include "gui/app/AppState.h"
#include "gui/app/CommandIds.h"

namespace zt46 {

PortConfigurationDialog::PortConfigurationDialog(const AppState& state, QWidget* parent)
    : PromptBarDialog(parent), m_keepCom(state.ComPort), m_qib(new QCheckBox("&QIB-27", Body())),
      m_ports(new QComboBox(Body())), m_verify(new QCheckBox("&Verify after writing", Body())),
      m_ok(new QPushButton("OK", Body())), m_cancel(new QPushButton("Cancel", Body())) {
    setWindowTitle("Configuration");
    setProperty("helpContext", cmd::HelpOfCommand(cmd::kConfigure));
    SetControlId(m_ok, 1);
    SetControlId(m_cancel, 2);
    SetControlId(m_qib, 1241);
    SetControlId(m_ports, 1242);
    m_qib->setObjectName("qib27");
    m_ports->setObjectName("comPort");
    m_verify->setObjectName("verifyAfterWriting");
    m_verify->setToolTip("Read the radio back after each write and compare it with what was written");
    m_verify->setChecked(state.VerifyAfterWriting);
    m_ok->setDefault(true);

    auto* label = new QLabel("Select COM Port", Body());
    auto* group = new QGroupBox("&COM PORT", Body());
    auto* groupLayout = new QVBoxLayout(group);
    groupLayout->addWidget(m_ports);
    auto* layout = new QGridLayout(Body());
    layout->addWidget(label, 0, 0);
    layout->addWidget(m_qib, 1, 0);
    layout->addWidget(group, 2, 0);
    layout->addWidget(m_verify, 3, 0);
    layout->addWidget(m_ok, 0, 1);
    layout->addWidget(m_cancel, 1, 1);
    layout->setRowStretch(4, 1);

    m_ports->setEditable(true);
    m_ports->setInsertPolicy(QComboBox::NoInsert);
    m_ports->setMinimumContentsLength(24);
    for (int n = 1; n <= kComPortCount; ++n)
        m_ports->addItem(QString::fromStdString(ComPortText(n)));
    // The serial devices of this machine follow, each with what the system says it is.
    for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts()) {
        const std::string text =
            ListedDeviceText(info.systemLocation().toStdString(), info.description().toStdString());
        m_ports->addItem(QString::fromStdString(text), info.systemLocation());
    }
    m_qib->setChecked(state.PortType == PortKind::InterfaceUnit);
    const QString device = state.PortDevice.trimmed();
    if (device.isEmpty()) {
        m_ports->setCurrentIndex(std::clamp(state.ComPort, 1, kComPortCount) - 1);
    } else {
        const int listed = m_ports->findData(device);
        if (listed >= 0) m_ports->setCurrentIndex(listed);
        m_ports->setEditText(device);
    }
    connect(m_ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);
}

PortSettings PortConfigurationDialog::SelectedPort() const {
    const QString text = m_ports->currentText();
    const int index = m_ports->currentIndex();
    // A listed device is opened by its path, whatever its description says.
    if (index >= kComPortCount && m_ports->itemText(index) == text)
        return {std::clamp(m_keepCom, 1, kComPortCount), m_ports->itemData(index).toString().toStdString()};
    return ParsePortText(text.toStdString(), m_keepCom);
}

bool PortConfigurationDialog::VerifyAfterWriting() const {
    return m_verify->isChecked();
}

PortKind PortConfigurationDialog::SelectedPortKind() const {
    return m_qib->isChecked() ? PortKind::InterfaceUnit : PortKind::Cable;
}

void PortConfigurationDialog::keyPressEvent(QKeyEvent* event) {
    // Enter closes the dialog only from the OK or the Cancel button.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        QWidget* focus = focusWidget();
        if (focus == m_cancel) {
            reject();
        } else if (focus == m_ok) {
            accept();
        }
        event->accept();
        return;
    }
    PromptBarDialog::keyPressEvent(event);
}

} // namespace zt46
