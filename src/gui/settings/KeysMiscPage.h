#pragma once
// "Key Set/Misc": locks, user keys, emergency and weather alert, temperature unit and the typed
// temperature offset, microphone and VOX. The offset is committed by Return, a double click or leaving
// the field; Return never closes the sheet from this page.

#include "gui/settings/SettingsComboPage.h"

namespace zt46 {

class FilterConfirmEdit;

class KeysMiscPage : public SettingsComboPage<KeysMiscPageModel> {
public:
    explicit KeysMiscPage(Document& document);

    FilterConfirmEdit* OffsetEdit() const { return m_offset; }

    void Apply() override;

protected:
    void OnStarted() override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void CommitOffset();

    FilterConfirmEdit* m_offset;
};

} // namespace zt46
