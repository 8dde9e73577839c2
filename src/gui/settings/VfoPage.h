#pragma once
// One page of the "VFO" sheet: mode, receive and transmit frequency, split, AM and FM step and clock
// shift of one VFO record. Which controls are live follows the record (an FM VFO has no split, an AM
// VFO outside 108..117.975 MHz neither); the mode follows the receive frequency and is never chosen.
// A frequency is committed by Return, a double click or leaving its field; Return never closes the
// sheet from this page.

#include <array>

#include "core/settings/VfoPageModel.h"
#include "gui/controls/PromptBarPage.h"

namespace zt46 {

class EnterComboBox;
class FilterConfirmEdit;
class SettingsForm;

class VfoPage : public PromptBarPage {
    Q_OBJECT
public:
    VfoPage(Document& document, const VfoControlIds& ids, std::size_t recordOffset,
            QWidget* parent = nullptr);

    void Activate() override;
    void Apply() override;

    EnterComboBox* Combo(VfoCombo combo) const { return m_combos.at(static_cast<std::size_t>(combo)); }
    FilterConfirmEdit* RxEdit() const { return m_rx; }
    FilterConfirmEdit* TxEdit() const { return m_tx; }
    SettingsForm* Form() const { return m_form; }
    const VfoPageModel& PageModel() const { return m_model; }

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void OnActivated(VfoCombo combo, int index);
    void CommitRx();
    void CommitTx();
    // The lists and both fields show the record again; the live controls follow its state.
    void Refresh();

    VfoPageModel m_model;
    SettingsForm* m_form;
    FilterConfirmEdit* m_rx;
    FilterConfirmEdit* m_tx;
    std::array<EnterComboBox*, 5> m_combos{};
};

} // namespace zt46
