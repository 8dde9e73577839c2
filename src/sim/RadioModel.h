#pragma once
// What the simulated radio does with the bytes it hears: the clone protocol (upload, download), the
// way into alignment mode and the alignment commands, with switchable faults. No I/O here: bytes in,
// answer bytes out; the pseudo-terminal loop adds the cable's echo and the wire's pace.

#include <cstdint>
#include <functional>
#include <set>
#include <vector>

#include "core/image/CloneImage.h"

namespace zt46::sim {

constexpr int kNever = -1;

struct Faults {
    bool switchedOff = false;      // the radio does not answer until switched on
    bool onWhenPolled = false;     // switched off, and the first 0x70 switches it on (it answers 0x50)
    int frameSize = 128;           // data bytes in each upload frame (the last one holds the rest)
    bool overrun = false;          // the last upload frame is full length, running past the memory
    int badCheckFrame = kNever;    // upload frame with a wrong check byte
    int silentAfterFrame = kNever; // no more upload frames after this one
    int truncateFrame = kNever;    // upload frame that stops half way through its data
    int badLengthFrame = kNever;   // upload frame with the length byte below
    int badLength = 2;
    int nakDownloadFrame = kNever;         // download frame answered 0x15
    int muteDownloadFrame = kNever;        // download frame not answered at all
    int storeWrongAt = kNever;             // memory address whose byte is stored wrongly (inverted) though
                                           // the frame or word that carries it is acknowledged
    bool acceptWithCode = false;           // alignment commands accepted with their own code, not 0x06
    std::set<std::uint8_t> alignRefuse;    // commands answered 0x15
    std::set<std::uint8_t> alignSilent;    // commands not answered
    std::set<std::uint8_t> alignBadLength; // reply frames one data byte too long
    std::set<std::uint8_t> alignBadByte;   // reply frames with a wrong checksum byte
};

struct Readings {
    std::uint8_t rssi = 0x80;
    std::uint8_t sqs = 0x40;
    std::uint16_t vor = 997;
};

class RadioModel {
public:
    RadioModel(const CloneImage& memory, Faults faults, Readings readings);

    // A byte from the PC; whatever the radio sends back is appended to `out`.
    void Receive(std::uint8_t byte, std::vector<std::uint8_t>& out);
    // The power switch: a radio switched on announces itself with 0x50.
    void SwitchOn(std::vector<std::uint8_t>& out);
    bool IsOn() const { return m_state != State::Off; }
    // The PC has said nothing for a while: a half-received frame or an unanswered upload is dropped.
    void LineQuiet();
    bool Busy() const;

    const CloneImage& Memory() const { return m_memory; }
    int DownloadsCompleted() const { return m_downloads; }
    // Called before each status or VOR reply, so the readings can change while the radio runs.
    void SetReadingsSource(std::function<void(Readings&)> source) { m_readingsSource = std::move(source); }

private:
    enum class State { Off, Idle, UploadWaitAck, Download, AlignHello, Align, Silent };

    void Idle(std::uint8_t byte, std::vector<std::uint8_t>& out);
    void SendUploadFrame(std::vector<std::uint8_t>& out);
    void UploadAnswer(std::uint8_t byte, std::vector<std::uint8_t>& out);
    void DownloadByte(std::uint8_t byte, std::vector<std::uint8_t>& out);
    void DownloadFrameDone(std::vector<std::uint8_t>& out);
    // A byte of [from, to) just stored is spoilt when it is the one the fault names.
    void StoreWrongly(std::size_t from, std::size_t to);
    void AlignByte(std::uint8_t byte, std::vector<std::uint8_t>& out);
    void AlignCommand(std::vector<std::uint8_t>& out);
    void Accept(std::uint8_t command, std::vector<std::uint8_t>& out) const;
    void Reply(std::uint8_t command, std::vector<std::uint8_t> data, std::vector<std::uint8_t>& out);

    CloneImage m_memory;
    Faults m_faults;
    Readings m_readings;
    std::function<void(Readings&)> m_readingsSource;
    State m_state = State::Idle;
    bool m_alignArmed = false;
    int m_frame = 0;                // upload or download frame number
    std::size_t m_total = 0;        // bytes sent (upload) or stored (download) so far
    std::vector<std::uint8_t> m_rx; // the frame being received
    int m_downloads = 0;
};

} // namespace zt46::sim
