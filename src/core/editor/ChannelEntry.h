#pragma once
// One decoded channel (or VFO) record: its fields, its frequencies in whole hertz and as shown.

#include <cstdint>
#include <string>

#include "core/image/Codecs.h"

namespace zt46 {

struct ChannelEntry {
    int Mode = 0;   // 0 AM, 1 FM, 2 WX (3 kept as read, shown as FM)
    int AmStep = 0; // 0 "8.33k", 1 "25k"
    int FmStep = 0; // 0..6 "5k" .. "50k"
    int RxGrid833 = 0;
    int RxGrid625Fm = 0;
    int TxGrid833 = 0;
    int ClockShift = 0; // stored inverted: 0 = on
    int TagDisplay = 0;
    int Scan = 0;
    int Split = 0;
    TagText Tag{};           // eight characters and a terminator; a code of 49 or more reads as '\0'
    TagCodeArray TagCodes{}; // the raw codes as read, consulted when the tag is encoded again
    std::int32_t RxHz = 0;
    std::int32_t TxHz = 0;
    double RxDisplay = 0.0; // MHz as shown (the channel name for 8.33 kHz channels)
    double TxDisplay = 0.0;
    int Masked = 0;

    // The tag up to its end-of-text, with the radio's symbols as blanks (how the grid and the report
    // show it).
    std::string TagForDisplay() const;
    // Replaces the tag with the first eight characters of the text, padded with blanks.
    void SetTagText(const std::string& text);

    // Field by field, the raw tag codes and the shown values included.
    bool operator==(const ChannelEntry&) const = default;
};

// Mode text for the grid and the report; mode bits 3 show as "FM".
const char* ModeText(int mode);
// Mode 3 is handled like FM wherever the mode decides how a channel shows.
inline int ShownMode(int mode) {
    return mode == 3 ? kModeFm : mode;
}

} // namespace zt46
