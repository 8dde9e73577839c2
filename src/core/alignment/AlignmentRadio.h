#pragma once
// What the alignment mode asks of the radio: the live commands and the word access of its alignment
// memory. The link layer implements it over the serial port; tests implement it in memory.

#include <array>
#include <cstdint>

namespace zt46 {

enum class RadioReply {
    Accepted,
    Refused, // another answer byte, a short or bad reply frame, a line error
    Silent,  // no answer at all
};

class AlignmentRadio {
public:
    virtual ~AlignmentRadio() = default;
    virtual RadioReply SelectChannel(int channelIndex) = 0;
    virtual RadioReply ReadWord(std::uint16_t address, std::uint8_t& first, std::uint8_t& second) = 0;
    virtual RadioReply WriteWord(std::uint16_t address, std::uint8_t first, std::uint8_t second) = 0;
    // Six status bytes: RSSI at 0, SQS at 3.
    virtual RadioReply ReadStatus(std::array<std::uint8_t, 6>& status) = 0;
    virtual RadioReply ReadVor(std::uint16_t& raw) = 0;
    // A live level: 0x32 TX power, 0x33 modulation, 0x37 reference tune, 0x39 sidetone, 0x3A RX tune.
    virtual RadioReply Live(std::uint8_t command, std::uint8_t level) = 0;
    virtual RadioReply KeyTransmitter() = 0;
    virtual RadioReply EndLive() = 0; // tried a second time when the first is not accepted
    virtual RadioReply LeaveAlignment() = 0;
};

} // namespace zt46
