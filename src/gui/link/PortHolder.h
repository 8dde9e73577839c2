#pragma once
// The program's one serial port object. With the cable it is opened at start-up and held open until
// exit or a change of configuration; with the interface unit it exists only for the length of each run.

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

    SerialPort* Port() const { return m_port.get(); }

    // The cable: creates the port and opens it; message 80 when it cannot be opened (the program runs
    // on). The interface unit: nothing.
    bool OpenAtStartUp();
    // The Configuration dialog's OK: stores the choice, then re-creates, opens or removes the port to
    // match (message 80 when it cannot be opened).
    void Configure(PortKind kind, const PortSettings& port);
    // The port a run uses: the held one, or (the interface unit, or none held) one made for the run.
    // The run opens it itself.
    SerialPort& PortForRun();
    // After a run: the interface unit's port is closed and deleted.
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
