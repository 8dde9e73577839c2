#pragma once
// The alignment mode's radio over the serial link: each request is one command of the alignment
// command layer, sent on the calling thread (which must own the port).

#include "core/alignment/AlignmentRadio.h"
#include "link/AlignCommands.h"

namespace zt46 {

class SerialAlignmentRadio : public AlignmentRadio {
public:
    explicit SerialAlignmentRadio(SerialPort& port) : m_port(port) {}

    RadioReply SelectChannel(int channelIndex) override;
    RadioReply ReadWord(std::uint16_t address, std::uint8_t& first, std::uint8_t& second) override;
    RadioReply WriteWord(std::uint16_t address, std::uint8_t first, std::uint8_t second) override;
    RadioReply ReadStatus(std::array<std::uint8_t, 6>& status) override;
    RadioReply ReadVor(std::uint16_t& raw) override;
    RadioReply Live(std::uint8_t command, std::uint8_t level) override;
    RadioReply KeyTransmitter() override;
    RadioReply EndLive() override;
    RadioReply LeaveAlignment() override;

private:
    // A command that returns only its acceptance.
    RadioReply Command(std::uint8_t command, std::span<const std::uint8_t> data = {});
    // A command followed by a reply frame of `expectedLength` (data bytes + 1).
    RadioReply Exchange(std::uint8_t command, std::span<const std::uint8_t> data, std::uint8_t expectedLength,
                        std::span<std::uint8_t> reply);

    SerialPort& m_port;
};

} // namespace zt46
