#include "gui/link/PortHolder.h"

#include "gui/app/AppState.h"
#include "link/PortOpenFailure.h"

namespace zt46 {

PortHolder::PortHolder(AppState& state, UserPrompts& prompts) : m_state(state), m_prompts(prompts) {}

PortHolder::~PortHolder() {
    Release();
}

bool PortHolder::CreateAndOpen() {
    m_port = std::make_unique<SerialPort>(m_state.Port());
    if (m_port->Reopen()) return true;
    ReportOpenFailure(m_prompts, *m_port); // message 80 with the reason
    return false;
}

bool PortHolder::OpenAtStartUp() {
    if (m_state.PortType != PortKind::Cable) return true;
    return CreateAndOpen();
}

void PortHolder::Configure(PortKind kind, const PortSettings& port) {
    m_state.ComPort = port.comPort;
    m_state.PortDevice = QString::fromStdString(port.devicePath).trimmed();
    m_state.PortType = kind;
    Release();
    // The cable's port is held open from now on; the interface unit's is made for each run.
    if (kind == PortKind::Cable) CreateAndOpen();
}

SerialPort& PortHolder::PortForRun() {
    if (!m_port) m_port = std::make_unique<SerialPort>(m_state.Port());
    m_port->SetSettings(m_state.Port());
    return *m_port;
}

void PortHolder::EndRun() {
    if (m_state.PortType == PortKind::InterfaceUnit) Release();
}

void PortHolder::Release() {
    if (!m_port) return;
    m_port->Close();
    m_port.reset();
}

} // namespace zt46
