#pragma once
// "Display & Sound": lamp, dimmer, beeps, monitor, levels, pitch, sensor and the display modes. The
// WX display mode needs the weather band.

#include "gui/settings/SettingsComboPage.h"

namespace zt46 {

class DisplaySoundPage : public SettingsComboPage<DisplaySoundPageModel> {
public:
    explicit DisplaySoundPage(Document& document) : SettingsComboPage(document, DisplaySoundRows()) {
        BuildRows();
    }
};

} // namespace zt46
