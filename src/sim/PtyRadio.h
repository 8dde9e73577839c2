#pragma once
// The simulated radio on a pseudo-terminal: echoes every byte the PC sends (as the cable does), lets
// the RadioModel answer, and paces everything it sends at the wire rate (10 bits a byte).

#include <chrono>
#include <cstdint>
#include <deque>
#include <string>

#include "sim/RadioModel.h"

namespace zt46::sim {

// When the cable joins the PC's bytes back onto its receive line.
enum class CableEcho {
    Always,
    WhileRadioOn, // the cable takes its power from the radio
    Never,
};

struct PtyOptions {
    int baud = 9600; // 0: no pacing
    CableEcho echo = CableEcho::Always;
    int switchOnAfterMs = -1; // a switched-off radio switches itself on after this long (-1: never)
    std::string linkPath;     // a symlink to the device
    std::string savePath;     // where the memory is written (SIGUSR1, each download, exit)
};

class PtyRadio {
public:
    PtyRadio(RadioModel& model, PtyOptions options);
    ~PtyRadio();
    // Creates the pseudo-terminal; false (with a message on stderr) when it cannot.
    bool Open();
    const std::string& DevicePath() const { return m_device; }
    // Runs until SIGTERM, SIGINT or SIGHUP. SIGUSR1 writes the memory, SIGUSR2 switches the radio on.
    int Run();

private:
    using Clock = std::chrono::steady_clock;
    void Queue(const std::vector<std::uint8_t>& bytes);
    void SendDue();
    bool SaveMemory();

    RadioModel& m_model;
    PtyOptions m_options;
    int m_master = -1;
    int m_slave = -1;
    std::string m_device;
    std::deque<std::uint8_t> m_out;
    Clock::time_point m_wireFree; // when the byte now on the wire is complete
    Clock::duration m_byteTime{};
};

} // namespace zt46::sim
