#pragma once
// The alignment radio with a record of every word it took: what the radio's memory should hold
// afterwards, so that it can be read back and checked once the alignment ends.

#include <cstdint>
#include <vector>

#include "core/alignment/AlignmentRadio.h"
#include "core/image/CloneImage.h"

namespace zt46 {

class WriteJournal : public AlignmentRadio {
public:
    explicit WriteJournal(AlignmentRadio& radio) : m_radio(radio) {}

    RadioReply SelectChannel(int channelIndex) override { return m_radio.SelectChannel(channelIndex); }
    RadioReply ReadWord(std::uint16_t address, std::uint8_t& first, std::uint8_t& second) override {
        return m_radio.ReadWord(address, first, second);
    }
    // Recorded only when the radio took it.
    RadioReply WriteWord(std::uint16_t address, std::uint8_t first, std::uint8_t second) override;
    RadioReply ReadStatus(std::array<std::uint8_t, 6>& status) override { return m_radio.ReadStatus(status); }
    RadioReply ReadVor(std::uint16_t& raw) override { return m_radio.ReadVor(raw); }
    RadioReply Live(std::uint8_t command, std::uint8_t level) override {
        return m_radio.Live(command, level);
    }
    RadioReply KeyTransmitter() override { return m_radio.KeyTransmitter(); }
    RadioReply EndLive() override { return m_radio.EndLive(); }
    RadioReply LeaveAlignment() override { return m_radio.LeaveAlignment(); }

    bool Empty() const { return m_writes.empty(); }
    // The memory as read before the alignment, with every word taken since written into it (word address
    // A is image bytes 2A and 2A + 1).
    CloneImage Applied(CloneImage memory) const;

private:
    struct Write {
        std::uint16_t address;
        std::uint8_t first, second;
    };
    AlignmentRadio& m_radio;
    std::vector<Write> m_writes;
};

} // namespace zt46
