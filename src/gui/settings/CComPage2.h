#pragma once
// "TX/RX": squelch, receive save, scan resume, dual watch or priority, priority time, time-out timer.

#include "settings/CCommonPage.h"

namespace zt46 {

class CComPage2 : public CCommonPage<TxRxPage> {
public:
    explicit CComPage2(Document& document) : CCommonPage(document, TxRxRows()) { BuildRows(); }
};

} // namespace zt46
