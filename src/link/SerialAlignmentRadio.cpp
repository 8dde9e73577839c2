#include "link/SerialAlignmentRadio.h"

#include "link/CloneProtocol.h"

namespace zt46 {
namespace {

RadioReply FromLinkResult(LinkResult result) {
    switch (result) {
    case LinkResult::Ok:
        return RadioReply::Accepted;
    case LinkResult::Timeout:
        return RadioReply::Silent;
    default:
        return RadioReply::Refused;
    }
}

} // namespace

// Silence (the radio gone) means something different from a refusal: the three outcomes stay apart.
RadioReply SerialAlignmentRadio::Command(std::uint8_t command, std::span<const std::uint8_t> data) {
    return FromLinkResult(SendAlignCommand(m_port, command, data));
}

RadioReply SerialAlignmentRadio::Exchange(std::uint8_t command, std::span<const std::uint8_t> data,
                                          std::uint8_t expectedLength, std::span<std::uint8_t> reply) {
    const LinkResult sent = SendAlignCommand(m_port, command, data);
    if (sent != LinkResult::Ok) return FromLinkResult(sent);
    std::uint8_t length = 0;
    // The radio has answered the command: a reply that fails in any way is a bad reply, not silence.
    const bool ok = ReadAlignReply(m_port, command, expectedLength, length, reply) == LinkResult::Ok &&
                    length == expectedLength;
    return ok ? RadioReply::Accepted : RadioReply::Refused;
}

RadioReply SerialAlignmentRadio::SelectChannel(int channelIndex) {
    const std::uint8_t data[] = {static_cast<std::uint8_t>(channelIndex)};
    return Command(align::kSelectChannel, data);
}

RadioReply SerialAlignmentRadio::ReadWord(std::uint16_t address, std::uint8_t& first, std::uint8_t& second) {
    first = second = 0;
    const std::uint8_t data[] = {static_cast<std::uint8_t>(address >> 8), static_cast<std::uint8_t>(address)};
    std::uint8_t reply[2] = {};
    const RadioReply r = Exchange(align::kReadWord, data, 3, reply);
    if (r == RadioReply::Accepted) {
        first = reply[0];
        second = reply[1];
    }
    return r;
}

RadioReply SerialAlignmentRadio::WriteWord(std::uint16_t address, std::uint8_t first, std::uint8_t second) {
    const std::uint8_t data[] = {static_cast<std::uint8_t>(address >> 8), static_cast<std::uint8_t>(address),
                                 first, second};
    std::uint8_t reply[2] = {};
    return Exchange(align::kWriteWord, data, 3, reply);
}

RadioReply SerialAlignmentRadio::ReadStatus(std::array<std::uint8_t, 6>& status) {
    status.fill(0);
    LinkWait(150); // the radio needs a moment to settle its readings
    std::array<std::uint8_t, align::kStatusBytes> reply{};
    const RadioReply r = Exchange(align::kReadStatus, {}, align::kStatusBytes + 1, reply);
    if (r == RadioReply::Accepted) status = reply;
    return r;
}

RadioReply SerialAlignmentRadio::ReadVor(std::uint16_t& raw) {
    std::uint8_t reply[2] = {};
    const RadioReply r = Exchange(align::kReadVor, {}, 3, reply);
    if (r == RadioReply::Accepted) raw = static_cast<std::uint16_t>(reply[0] << 8 | reply[1]);
    return r;
}

RadioReply SerialAlignmentRadio::Live(std::uint8_t command, std::uint8_t level) {
    const std::uint8_t data[] = {level};
    return Command(command, data);
}

RadioReply SerialAlignmentRadio::KeyTransmitter() {
    return Command(align::kKeyTransmitter);
}

RadioReply SerialAlignmentRadio::EndLive() {
    const RadioReply first = Command(align::kEndLive);
    return first == RadioReply::Accepted ? first : Command(align::kEndLive);
}

RadioReply SerialAlignmentRadio::LeaveAlignment() {
    return Command(align::kLeaveAlignment);
}

} // namespace zt46
