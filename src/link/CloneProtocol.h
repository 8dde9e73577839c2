#pragma once
// The clone protocol over the serial port: handshake, upload, read-and-merge and download. Each
// routine shows its own failure message (through UserPrompts) and stops at the caller's cancel flag.

#include <cstdint>

#include "core/image/CloneImage.h"
#include "link/SerialPort.h"
#include "link/TransferContext.h"

namespace zt46 {

class CloneProtocol {
public:
    CloneProtocol(SerialPort& port, const TransferContext& context, bool privileged);

    // Waits for the radio: `command` is 0x70 (upload) or 0x30 (alignment). `ready` tells whether the
    // radio's 0x20 was already read (it is then the lead byte of the first upload frame).
    bool Handshake(std::uint8_t command, bool& ready);
    // The progress text the handshake shows while it waits (string id; "Switch radio OFF, then back
    // ON..." unless the radio is known to be on, as for the read-back after a write).
    void SetWaitText(int id) { m_waitText = id; }
    // The radio's whole memory into `buffer`; on failure the bytes received so far stay in it.
    bool Upload(CloneImage& buffer);
    // The radio is read into `buffer` and the user's image merged into it. `user` takes the radio's
    // firmware version (bytes 0..1) as soon as the radio was read, whatever follows.
    // `asRead`, when given, receives the radio's memory as it was read, before the merge.
    bool ReadAndMerge(CloneImage& buffer, CloneImage& user, CloneImage* asRead = nullptr);
    // Writes `buffer` to the radio in 32 frames of 128 bytes.
    bool Download(const CloneImage& buffer);

    // Whether ReadAndMerge read the radio's whole memory (and gave its firmware version to `user`).
    bool RadioRead() const { return m_radioRead; }
    bool Cancelled() const { return m_context.cancel.load(); }

private:
    bool Fail(int messageId);
    bool FailLead();
    bool ReadFrameByte(std::uint8_t& byte);
    void Step();

    SerialPort& m_port;
    const TransferContext& m_context;
    bool m_privileged;
    int m_blockCounter = 0;
    bool m_radioRead = false;
    int m_waitText;
};

// Sleeps the protocol's prescribed waits.
void LinkWait(int milliseconds);

} // namespace zt46
