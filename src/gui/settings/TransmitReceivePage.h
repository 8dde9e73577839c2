#pragma once
// "TX/RX": squelch, receive save, scan resume, dual watch or priority, priority time, time-out timer.

#include "gui/settings/SettingsComboPage.h"

namespace zt46 {

class TransmitReceivePage : public SettingsComboPage<TransmitReceivePageModel> {
public:
    explicit TransmitReceivePage(Document& document) : SettingsComboPage(document, TxRxRows()) {
        BuildRows();
    }
};

} // namespace zt46
