#include "gui/link/PortHolder.h"

#include "gui/app/AppState.h"
#include "link/PortOpenFailure.h"

namespace zt46 {

PortHolder::PortHolder(AppState& state, UserPrompts& prompts) : m_state(state), m_prompts(prompts) {}

PortHolder::~PortHolder() {
    Release();
}

PortSettings PortHolder::Settings() const {
    return PortSettings{m_state.ComPort, m_state.PortDevice.trimmed().toStdString()};
}

QString PortHolder::PortName() const {
    const QString device = m_state.PortDevice.trimmed();
    return device.isEmpty() ? QString::asprintf("COM%d", m_state.ComPort) : device;
}

bool PortHolder::CreateAndOpen() {
    m_port = std::make_unique<SerialPort>(Settings());
    if (m_port->Reopen()) return true;
    ReportOpenFailure(m_prompts, *m_port); // message 80 with the reason
    return false;
}

bool PortHolder::OpenAtStartUp() {
    if (m_state.PortType != 0) return true;
    return CreateAndOpen();
}

void PortHolder::Configure(int portType, int comPort, const QString& devicePath) {
    m_state.ComPort = comPort;
    m_state.PortDevice = devicePath.trimmed();
    m_state.PortType = portType;
    Release();
    // The cable's port is held open from now on; the interface unit's is made for each run.
    if (portType == 0) CreateAndOpen();
}

SerialPort& PortHolder::PortForRun() {
    if (!m_port) m_port = std::make_unique<SerialPort>(Settings());
    m_port->SetSettings(Settings());
    return *m_port;
}

void PortHolder::EndRun() {
    if (m_state.PortType == 1) Release();
}

void PortHolder::Release() {
    if (!m_port) return;
    m_port->Close();
    m_port.reset();
}

} // namespace zt46
