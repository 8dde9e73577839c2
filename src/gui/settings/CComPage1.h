#pragma once
// "Display & Sound": lamp, dimmer, beeps, monitor, levels, pitch, sensor and the display modes. The
// WX display mode needs the weather band.

#include "settings/CCommonPage.h"

namespace zt46 {

class CComPage1 : public CCommonPage<DisplaySoundPage> {
public:
    explicit CComPage1(Document& document) : CCommonPage(document, DisplaySoundRows()) { BuildRows(); }
};

} // namespace zt46
