#pragma once
// The program's one channel to the radio: a thin, blocking wrapper over QSerialPort with the link's
// fixed line settings and time-outs. Everything the PC sends comes back as an echo (the cable joins
// the transmit and receive lines), so the basic send reads the same number of bytes back.
//
// A QSerialPort belongs to the thread that created it: Reopen() (which every transfer starts with)
// builds it afresh on the calling thread. No event loop is needed.

#include <cstddef>
#include <cstdint>
#include <memory>

#include "link/PortSettings.h"

class QSerialPort;
class QThread;

namespace zt46 {

// Results of the read primitives.
enum class LinkResult {
    Ok,
    Error,   // line or port error reported by the driver
    Timeout, // nothing, or too little, arrived in time
};

constexpr std::size_t kMaxWrite = 4096;

class SerialPort {
public:
    explicit SerialPort(PortSettings settings = {});
    ~SerialPort();
    SerialPort(const SerialPort&) = delete;
    SerialPort& operator=(const SerialPort&) = delete;

    const PortSettings& Settings() const { return m_settings; }
    void SetSettings(const PortSettings& settings) { m_settings = settings; }

    // Closes the port when it is open, then opens it with 9600 baud, 8 data bits, no parity, one stop
    // bit, no flow control, DTR and RTS asserted where the device has modem lines. True when ready.
    bool Reopen();
    // DTR dropped, both directions purged, port closed. Harmless when closed. A port opened on (or
    // handed to) another running thread is closed on that thread, which must be running its event
    // loop meanwhile (never waiting for this one).
    void Close();
    bool IsOpen() const;
    // Why the last Reopen() failed: the QSerialPort error code (0 when it did not fail) and its text.
    int OpenError() const { return m_openError; }
    const std::string& OpenErrorText() const { return m_openErrorText; }

    void PurgeReceive();
    void PurgeTransmit();

    // One blocking write; false (nothing written) for more than 4096 bytes, a closed port, a failure
    // or a write that did not finish within its time-out.
    bool Write(const std::uint8_t* data, std::size_t count);
    // Exactly `count` bytes within the read time-outs: Ok, Error (a port error was pending; it is
    // cleared and nothing is read) or Timeout (short or failed).
    LinkResult ReadBlock(std::uint8_t* data, std::size_t count);
    // Writes the run at once, then reads its echo back into the same buffer. The echo is what the
    // caller goes on with; it is not compared with what was sent.
    bool SendWithEcho(std::uint8_t* data, std::size_t count);
    LinkResult ReadByte(std::uint8_t& byte);
    // Send with echo of one byte: Ok or Error.
    LinkResult SendByte(std::uint8_t byte);

    // Gives the open port to another thread (call on the thread that opened it), so that a dialog on
    // that thread can go on talking to the radio after a transfer run ended.
    void HandTo(QThread* thread);

private:
    bool TakePendingError();

    PortSettings m_settings;
    std::unique_ptr<QSerialPort> m_port;
    int m_openError = 0;
    std::string m_openErrorText;
};

} // namespace zt46
