#pragma once
// The program's one serial port object. With the cable (port type 0) it is opened at start-up and
// held open until exit or a change of configuration; with the interface unit (port type 1) it exists
// only for the length of each run.

#include <QString>
#include <memory>

#include "link/PortSettings.h"
#include "link/SerialPort.h"

namespace zt46 {

struct AppState;
class UserPrompts;

class PortHolder {
public:
    PortHolder(AppState& state, UserPrompts& prompts);
    ~PortHolder();

    // The device the configuration names: the device path when one is set, else COM n.
    PortSettings Settings() const;
    // How the view's header names it: "COM%d", or the device path.
    QString PortName() const;
    SerialPort* Port() const { return m_port.get(); }

    // Port type 0: creates the port and opens it; message 80 when it cannot be opened (the program
    // runs on). Port type 1: nothing.
    bool OpenAtStartUp();
    // The Configuration dialog's OK: stores the choice, then re-creates, opens or removes the port to
    // match (message 80 when it cannot be opened).
    void Configure(int portType, int comPort, const QString& devicePath);
    // The port a run uses: the held one, or (port type 1, or none held) one made for the run. The
    // run opens it itself.
    SerialPort& PortForRun();
    // After a run: port type 1 closes and deletes the run's port.
    void EndRun();
    // Closes and deletes the port (exit).
    void Release();

private:
    bool CreateAndOpen();

    AppState& m_state;
    UserPrompts& m_prompts;
    std::unique_ptr<SerialPort> m_port;
};

} // namespace zt46
