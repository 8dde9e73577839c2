#include "core/alignment/WriteJournal.h"

namespace zt46 {

RadioReply WriteJournal::WriteWord(std::uint16_t address, std::uint8_t first, std::uint8_t second) {
    const RadioReply reply = m_radio.WriteWord(address, first, second);
    if (reply == RadioReply::Accepted) m_writes.push_back({address, first, second});
    return reply;
}

CloneImage WriteJournal::Applied(CloneImage memory) const {
    for (const Write& w : m_writes) {
        const std::size_t at = 2u * w.address;
        if (at + 1 >= kImageSize) continue;
        memory[at] = w.first;
        memory[at + 1] = w.second;
    }
    return memory;
}

} // namespace zt46
