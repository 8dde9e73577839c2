#include "link/AlignCommands.h"

#include <algorithm>

#include "link/CloneProtocol.h"

namespace zt46 {
namespace {

// One byte within five read attempts: Timeout only when all five were silent.
LinkResult ReadWithAttempts(SerialPort& port, std::uint8_t& byte) {
    for (int attempt = 0; attempt < align::kAttempts; ++attempt) {
        const LinkResult status = port.ReadByte(byte);
        if (status != LinkResult::Timeout) return status;
    }
    return LinkResult::Timeout;
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

LinkResult SendAlignCommand(SerialPort& port, std::uint8_t command, std::span<const std::uint8_t> data) {
    port.PurgeTransmit();
    port.PurgeReceive();
    std::vector<std::uint8_t> frame = AlignCommandFrame(command, data);
    if (!port.SendWithEcho(frame.data(), frame.size())) return LinkResult::Error;
    std::uint8_t answer = 0;
    const LinkResult status = ReadWithAttempts(port, answer);
    if (status != LinkResult::Ok) return status;
    if (answer != align::kAccepted && answer != command) return LinkResult::Error;
    LinkWait(command == align::kKeyTransmitter ? 100 : 25);
    return LinkResult::Ok;
}

LinkResult ReadAlignReply(SerialPort& port, std::uint8_t command, std::uint8_t expectedLength,
                          std::uint8_t& length, std::span<std::uint8_t> data) {
    length = 0;
    LinkResult status = ReadWithAttempts(port, length);
    if (status != LinkResult::Ok) return status;
    // The buffer holds only the expected data: a longer (or empty) reply is refused unread.
    if (length == 0 || length > expectedLength || static_cast<std::size_t>(length - 1) > data.size())
        return LinkResult::Error;
    const std::size_t count = length - 1u;
    std::size_t have = 0;
    // A short read is resumed where it stopped, five times at most.
    for (int attempt = 0; attempt < align::kAttempts && have < count; ++attempt) {
        while (have < count) {
            const std::size_t piece = std::min<std::size_t>(16, count - have);
            status = port.ReadBlock(data.data() + have, piece);
            if (status == LinkResult::Error) return LinkResult::Error;
            if (status != LinkResult::Ok) break;
            have += piece;
        }
    }
    if (have < count) return LinkResult::Timeout;
    std::uint8_t check = 0;
    status = ReadWithAttempts(port, check);
    if (status != LinkResult::Ok) return status;
    if (check != AlignReplySum(command, length, data.first(count))) return LinkResult::Error;
    LinkWait(25);
    port.PurgeReceive();
    return LinkResult::Ok;
}

} // namespace zt46
