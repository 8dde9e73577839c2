#pragma once
// Child processes of the tests: the simulated radio, and a program run to its end (the zt46 tool).

#include <csignal>
#include <string>
#include <sys/types.h>
#include <vector>

#include "core/image/CloneImage.h"
#include "support/TestSupport.h"

namespace zt46::test {

// zt46-radio started with the given switches (and --save into its own folder).
class RadioProcess {
public:
    explicit RadioProcess(std::vector<std::string> args, const CloneImage* memory = nullptr);
    ~RadioProcess() { Stop(); }
    const std::string& Device() const { return m_device; }
    void Signal(int signal) const { kill(m_pid, signal); }
    // Ends the radio and returns its memory as it was written at exit.
    CloneImage StopAndReadMemory();

private:
    void Stop();
    TempDir m_dir;
    pid_t m_pid = -1;
    std::string m_device;
};

struct ProgramRun {
    int status = -1; // the exit status; -1 when the program did not exit normally
    std::string out, err;
};

// Runs a program (a path, or a name looked up in PATH) in dir with input on stdin. With interruptAfterMs not
// negative, SIGINT (Ctrl+C) is sent that long after the program has put its own SIGINT handler in place.
ProgramRun RunProgram(const TempDir& dir, std::vector<std::string> args, const std::string& input = {},
                      int interruptAfterMs = -1);

} // namespace zt46::test
