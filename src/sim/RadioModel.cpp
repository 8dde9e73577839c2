#include "sim/RadioModel.h"

#include <algorithm>

namespace zt46::sim {
namespace {

constexpr std::uint8_t kRequestUpload = 0x70;
constexpr std::uint8_t kHello = 0x50;
constexpr std::uint8_t kReady = 0x20;
constexpr std::uint8_t kAck = 0x06;
constexpr std::uint8_t kNak = 0x15;
constexpr std::uint8_t kStartDownload = 0x60;
constexpr std::uint8_t kRequestAlign = 0x30;
constexpr std::uint8_t kLeaveClone = 0x36;
constexpr std::uint8_t kLeadNormal = 0x21;
constexpr std::uint8_t kLeadPrivileged = 0x29;

std::uint8_t Sum(const std::vector<std::uint8_t>& bytes, std::size_t from, std::size_t to,
                 unsigned start = 0) {
    unsigned sum = start;
    for (std::size_t i = from; i < to; ++i)
        sum += bytes[i];
    return static_cast<std::uint8_t>(sum);
}

} // namespace

RadioModel::RadioModel(const CloneImage& memory, Faults faults, Readings readings)
    : m_memory(memory), m_faults(std::move(faults)), m_readings(readings) {
    if (m_faults.switchedOff || m_faults.onWhenPolled) m_state = State::Off;
    m_faults.frameSize = std::clamp(m_faults.frameSize, 1, 253);
}

void RadioModel::SwitchOn(std::vector<std::uint8_t>& out) {
    if (m_state != State::Off) return;
    m_state = State::Idle;
    out.push_back(kHello);
}

bool RadioModel::Busy() const {
    return m_state == State::UploadWaitAck || m_state == State::Download || m_state == State::Silent ||
           m_state == State::AlignHello || !m_rx.empty();
}

void RadioModel::LineQuiet() {
    m_rx.clear();
    if (m_state == State::UploadWaitAck || m_state == State::Download || m_state == State::Silent ||
        m_state == State::AlignHello) {
        m_state = State::Idle;
    }
}

void RadioModel::Receive(std::uint8_t byte, std::vector<std::uint8_t>& out) {
    switch (m_state) {
    case State::Off:
        if (m_faults.onWhenPolled && byte == kRequestUpload) SwitchOn(out);
        return;
    case State::Idle:
        Idle(byte, out);
        return;
    case State::UploadWaitAck:
        UploadAnswer(byte, out);
        return;
    case State::Download:
        DownloadByte(byte, out);
        return;
    case State::AlignHello:
        m_state = byte == kRequestAlign ? State::Align : State::Idle;
        return;
    case State::Align:
        AlignByte(byte, out);
        return;
    case State::Silent:
        return;
    }
}

void RadioModel::Idle(std::uint8_t byte, std::vector<std::uint8_t>& out) {
    switch (byte) {
    case kRequestUpload:
        m_alignArmed = false;
        m_frame = 0;
        m_total = 0;
        SendUploadFrame(out);
        return;
    case kStartDownload:
        m_alignArmed = false;
        m_state = State::Download;
        m_frame = 0;
        m_total = 0;
        m_rx.clear();
        return;
    case kLeaveClone:
        m_alignArmed = true;
        return;
    case kRequestAlign:
        if (!m_alignArmed) return;
        m_alignArmed = false;
        m_state = State::AlignHello;
        out.push_back(kHello);
        return;
    default:
        return; // the PC's 0x20 after our 0x50, stray bytes: nothing to do
    }
}

void RadioModel::SendUploadFrame(std::vector<std::uint8_t>& out) {
    const std::size_t size = static_cast<std::size_t>(m_faults.frameSize);
    const std::size_t count = m_faults.overrun ? size : std::min(size, kImageSize - m_total);
    std::vector<std::uint8_t> frame{kReady, static_cast<std::uint8_t>(count + 2),
                                    static_cast<std::uint8_t>(m_frame)};
    if (m_frame == m_faults.badLengthFrame) frame[1] = static_cast<std::uint8_t>(m_faults.badLength);
    for (std::size_t i = 0; i < count; ++i) {
        frame.push_back(m_total + i < kImageSize ? m_memory[m_total + i] : 0xFF);
    }
    std::uint8_t check = Sum(frame, 0, frame.size());
    if (m_frame == m_faults.badCheckFrame) ++check;
    frame.push_back(check);
    if (m_frame == m_faults.truncateFrame) {
        frame.resize(3 + count / 2);
        m_state = State::Silent;
    } else {
        m_state = State::UploadWaitAck;
    }
    m_total += count;
    out.insert(out.end(), frame.begin(), frame.end());
}

void RadioModel::UploadAnswer(std::uint8_t byte, std::vector<std::uint8_t>& out) {
    if (byte != kAck) {
        m_state = State::Idle; // 0x15 or anything else ends the upload
        if (byte != kNak) Idle(byte, out);
        return;
    }
    if (m_total >= kImageSize || m_frame == m_faults.silentAfterFrame) {
        m_state = State::Idle;
        return;
    }
    ++m_frame;
    SendUploadFrame(out);
}

void RadioModel::DownloadByte(std::uint8_t byte, std::vector<std::uint8_t>& out) {
    if (m_rx.empty() && byte != kLeadNormal && byte != kLeadPrivileged) {
        m_state = State::Idle;
        Idle(byte, out);
        return;
    }
    m_rx.push_back(byte);
    if (m_rx.size() >= 2 && m_rx[1] < 2) {
        m_rx.clear();
        m_state = State::Idle; // a length no frame can have
        return;
    }
    if (m_rx.size() >= 2 && m_rx.size() == static_cast<std::size_t>(m_rx[1]) + 2) DownloadFrameDone(out);
}

void RadioModel::DownloadFrameDone(std::vector<std::uint8_t>& out) {
    const std::size_t count = m_rx[1] - 2u;
    const bool sumOk = Sum(m_rx, 0, m_rx.size() - 1) == m_rx.back();
    const bool fits = m_total + count <= kImageSize;
    const int frame = m_frame++;
    if (frame == m_faults.muteDownloadFrame) {
        m_rx.clear();
        m_state = State::Silent;
        return;
    }
    if (!sumOk || !fits || frame == m_faults.nakDownloadFrame) {
        m_rx.clear();
        m_state = State::Idle;
        out.push_back(kNak);
        return;
    }
    std::copy_n(m_rx.begin() + 3, count, m_memory.begin() + static_cast<long>(m_total));
    StoreWrongly(m_total, m_total + count);
    m_total += count;
    m_rx.clear();
    out.push_back(kAck);
    if (m_total == kImageSize) {
        m_state = State::Idle;
        ++m_downloads;
    }
}

void RadioModel::StoreWrongly(std::size_t from, std::size_t to) {
    const auto at = static_cast<std::size_t>(m_faults.storeWrongAt);
    if (m_faults.storeWrongAt >= 0 && at >= from && at < to)
        m_memory[at] = static_cast<std::uint8_t>(~m_memory[at]);
}

void RadioModel::AlignByte(std::uint8_t byte, std::vector<std::uint8_t>& out) {
    m_rx.push_back(byte);
    if (m_rx.size() == 2 && m_rx[1] == 0) {
        m_rx.clear();
        return;
    }
    if (m_rx.size() >= 2 && m_rx.size() == static_cast<std::size_t>(m_rx[1]) + 2) {
        AlignCommand(out);
        m_rx.clear();
    }
}

void RadioModel::Accept(std::uint8_t command, std::vector<std::uint8_t>& out) const {
    out.push_back(m_faults.acceptWithCode ? command : kAck);
}

void RadioModel::Reply(std::uint8_t command, std::vector<std::uint8_t> data, std::vector<std::uint8_t>& out) {
    if (m_faults.alignBadLength.count(command)) data.push_back(0);
    std::vector<std::uint8_t> frame{static_cast<std::uint8_t>(data.size() + 1)};
    frame.insert(frame.end(), data.begin(), data.end());
    std::uint8_t sum = Sum(frame, 0, frame.size(), command);
    if (m_faults.alignBadByte.count(command)) sum ^= 0x5A;
    frame.push_back(sum);
    out.insert(out.end(), frame.begin(), frame.end());
}

void RadioModel::AlignCommand(std::vector<std::uint8_t>& out) {
    const std::uint8_t command = m_rx[0];
    const std::vector<std::uint8_t> data(m_rx.begin() + 2, m_rx.end() - 1);
    if (Sum(m_rx, 0, m_rx.size() - 1) != m_rx.back() || m_faults.alignRefuse.count(command)) {
        out.push_back(kNak);
        return;
    }
    if (m_faults.alignSilent.count(command)) return;
    if ((command == 0x31 || command == 0x38) && m_readingsSource) m_readingsSource(m_readings);
    auto wordIndex = [&]() -> std::size_t { return 2u * (static_cast<std::size_t>(data[0]) << 8 | data[1]); };
    switch (command) {
    case 0x30:
        if (data.size() != 1 || data[0] >= 150) break;
        Accept(command, out);
        return;
    case 0x31:
        if (!data.empty()) break;
        Accept(command, out);
        Reply(command, {m_readings.rssi, 0, 0, m_readings.sqs, 0, 0}, out);
        return;
    case 0x32:
    case 0x33:
    case 0x37:
    case 0x39:
    case 0x3A:
        if (data.size() != 1) break;
        Accept(command, out);
        return;
    case 0x34:
    case 0x35:
        if (!data.empty()) break;
        Accept(command, out);
        return;
    case 0x36:
        Accept(command, out);
        m_state = State::Idle;
        return;
    case 0x38:
        Accept(command, out);
        Reply(command,
              {static_cast<std::uint8_t>(m_readings.vor >> 8), static_cast<std::uint8_t>(m_readings.vor)},
              out);
        return;
    case 0xF0:
        if (data.size() != 2 || wordIndex() + 1 >= kImageSize) break;
        Accept(command, out);
        Reply(command, {m_memory[wordIndex()], m_memory[wordIndex() + 1]}, out);
        return;
    case 0xF1:
        if (data.size() != 4 || wordIndex() + 1 >= kImageSize) break;
        m_memory[wordIndex()] = data[2];
        m_memory[wordIndex() + 1] = data[3];
        StoreWrongly(wordIndex(), wordIndex() + 2);
        Accept(command, out);
        Reply(command, {data[2], data[3]}, out);
        return;
    default:
        break;
    }
    out.push_back(kNak); // a command the radio does not know, or with the wrong data
}

} // namespace zt46::sim
