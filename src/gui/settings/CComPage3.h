#pragma once
// "Key Set/Misc": locks, user keys, emergency and weather alert, temperature unit and the typed
// temperature offset, microphone and VOX. The offset is committed by Return, a double click or leaving
// the field; Return never closes the sheet from this page.

#include "settings/CCommonPage.h"

namespace zt46 {

class FilterConfirmEdit;

class CComPage3 : public CCommonPage<KeyMiscPage> {
public:
    explicit CComPage3(Document& document);

    FilterConfirmEdit* OffsetEdit() const { return m_offset; }

    void OnOK() override;

protected:
    void OnStarted() override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void CommitOffset();

    FilterConfirmEdit* m_offset;
};

} // namespace zt46
