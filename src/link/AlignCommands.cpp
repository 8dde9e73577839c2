#include "link/AlignCommands.h"

#include <algorithm>

#include "link/CloneProtocol.h"

namespace zt46 {
namespace {

// One byte within five read attempts: kLinkOk, kLinkError, or kLinkTimeout when all five were silent.
int ReadWithAttempts(SerialPort& port, std::uint8_t& byte) {
    for (int attempt = 0; attempt < align::kAttempts; ++attempt) {
        const int status = port.ReadByte(byte);
        if (status != kLinkTimeout) return status;
    }
    return kLinkTimeout;
}

bool Accepted(SerialPort& port, std::uint8_t command, std::span<const std::uint8_t> data = {}) {
    return SendAlignCommand(port, command, data) == kLinkOk;
}

bool SendLevel(SerialPort& port, std::uint8_t command, std::uint8_t level) {
    const std::uint8_t data[1] = {level};
    return Accepted(port, command, data);
}

// A command answered by a reply frame of length 3 (two data bytes).
bool ExchangeWord(SerialPort& port, std::uint8_t command, std::span<const std::uint8_t> data,
                  std::array<std::uint8_t, 2>& reply) {
    reply = {};
    if (SendAlignCommand(port, command, data) != kLinkOk) return false;
    std::uint8_t length = 0;
    return ReadAlignReply(port, command, 3, length, reply) == kLinkOk && length == 3;
}

} // namespace

std::vector<std::uint8_t> AlignCommandFrame(std::uint8_t command, std::span<const std::uint8_t> data) {
    std::vector<std::uint8_t> frame;
    frame.reserve(data.size() + 3);
    frame.push_back(command);
    frame.push_back(static_cast<std::uint8_t>(data.size() + 1));
    for (std::uint8_t b : data)
        frame.push_back(b);
    unsigned sum = 0;
    for (std::uint8_t b : frame)
        sum += b;
    frame.push_back(static_cast<std::uint8_t>(sum));
    return frame;
}

std::uint8_t AlignReplySum(std::uint8_t command, std::uint8_t length, std::span<const std::uint8_t> data) {
    unsigned sum = static_cast<unsigned>(command) + length;
    for (std::uint8_t b : data)
        sum += b;
    return static_cast<std::uint8_t>(sum);
}

int SendAlignCommand(SerialPort& port, std::uint8_t command, std::span<const std::uint8_t> data) {
    port.PurgeTransmit();
    port.PurgeReceive();
    std::vector<std::uint8_t> frame = AlignCommandFrame(command, data);
    if (!port.SendWithEcho(frame.data(), frame.size())) return kLinkError;
    std::uint8_t answer = 0;
    const int status = ReadWithAttempts(port, answer);
    if (status != kLinkOk) return status;
    if (answer != align::kAccepted && answer != command) return kLinkError;
    LinkWait(command == align::kKeyTransmitter ? 100 : 25);
    return kLinkOk;
}

int ReadAlignReply(SerialPort& port, std::uint8_t command, std::uint8_t expectedLength, std::uint8_t& length,
                   std::span<std::uint8_t> data) {
    length = 0;
    int status = ReadWithAttempts(port, length);
    if (status != kLinkOk) return status;
    // The buffer holds only the expected data: a longer (or empty) reply is refused unread.
    if (length == 0 || length > expectedLength || static_cast<std::size_t>(length - 1) > data.size())
        return kLinkError;
    const std::size_t count = length - 1u;
    std::size_t have = 0;
    // A short read is resumed where it stopped, five times at most.
    for (int attempt = 0; attempt < align::kAttempts && have < count; ++attempt) {
        while (have < count) {
            const std::size_t piece = std::min<std::size_t>(16, count - have);
            status = port.ReadBlock(data.data() + have, piece);
            if (status == kLinkError) return kLinkError;
            if (status != kLinkOk) break;
            have += piece;
        }
    }
    if (have < count) return kLinkTimeout;
    std::uint8_t check = 0;
    status = ReadWithAttempts(port, check);
    if (status != kLinkOk) return status;
    if (check != AlignReplySum(command, length, data.first(count))) return kLinkError;
    LinkWait(25);
    port.PurgeReceive();
    return kLinkOk;
}

bool ReadAlignWord(SerialPort& port, std::uint16_t address, std::uint8_t& first, std::uint8_t& second) {
    first = second = 0;
    const std::uint8_t data[2] = {static_cast<std::uint8_t>(address >> 8),
                                  static_cast<std::uint8_t>(address)};
    std::array<std::uint8_t, 2> reply{};
    if (!ExchangeWord(port, align::kReadWord, data, reply)) return false;
    first = reply[0];
    second = reply[1];
    return true;
}

bool WriteAlignWord(SerialPort& port, std::uint16_t address, std::uint8_t first, std::uint8_t second) {
    const std::uint8_t data[4] = {static_cast<std::uint8_t>(address >> 8), static_cast<std::uint8_t>(address),
                                  first, second};
    std::array<std::uint8_t, 2> reply{};
    return ExchangeWord(port, align::kWriteWord, data, reply);
}

bool ReadAlignStatus(SerialPort& port, std::array<std::uint8_t, align::kStatusBytes>& status) {
    status = {};
    LinkWait(150);
    if (SendAlignCommand(port, align::kReadStatus, {}) != kLinkOk) return false;
    std::uint8_t length = 0;
    return ReadAlignReply(port, align::kReadStatus, 7, length, status) == kLinkOk && length == 7;
}

bool ReadVorRaw(SerialPort& port, std::uint16_t& value) {
    value = 0;
    std::array<std::uint8_t, 2> reply{};
    if (!ExchangeWord(port, align::kReadVor, {}, reply)) return false;
    value = static_cast<std::uint16_t>(reply[0] << 8 | reply[1]);
    return true;
}

bool SelectChannel(SerialPort& port, int channelIndex) {
    return SendLevel(port, align::kSelectChannel, static_cast<std::uint8_t>(channelIndex));
}
bool LiveTxPower(SerialPort& port, std::uint8_t level) {
    return SendLevel(port, align::kLiveTxPower, level);
}
bool LiveModulation(SerialPort& port, std::uint8_t level) {
    return SendLevel(port, align::kLiveModulation, level);
}
bool KeyTransmitter(SerialPort& port) {
    return Accepted(port, align::kKeyTransmitter);
}
bool EndLiveAdjustment(SerialPort& port) {
    return Accepted(port, align::kEndLive) || Accepted(port, align::kEndLive);
}
bool LeaveAlignment(SerialPort& port) {
    return Accepted(port, align::kLeaveAlignment);
}
bool LiveReferenceTune(SerialPort& port, std::uint8_t level) {
    return SendLevel(port, align::kLiveReferenceTune, level);
}
bool LiveSidetone(SerialPort& port, std::uint8_t level) {
    return SendLevel(port, align::kLiveSidetone, level);
}
bool LiveRxTune(SerialPort& port, std::uint8_t level) {
    return SendLevel(port, align::kLiveRxTune, level);
}

} // namespace zt46
