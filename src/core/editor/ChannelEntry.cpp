#include "core/editor/ChannelEntry.h"

#include <cstring>

#include "core/util/Digits.h"

namespace zt46 {

std::string ChannelEntry::TagForDisplay() const {
    std::string out;
    for (int i = 0; i < 8 && Tag[i] != '\0'; ++i)
        out += IsTagSymbol(Tag[i]) ? ' ' : Tag[i];
    return out;
}

void ChannelEntry::SetTagText(const std::string& text) {
    for (std::size_t i = 0; i < 8; ++i)
        Tag[i] = i < text.size() ? text[i] : ' ';
    Tag[8] = '\0';
}

const char* ModeText(int mode) {
    switch (ShownMode(mode)) {
    case kModeAm:
        return "AM";
    case kModeFm:
        return "FM";
    default:
        return "WX";
    }
}

} // namespace zt46
