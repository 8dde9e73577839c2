#pragma once
// "System Parameters": the ten system switches, the band options only in privileged mode. The dialog
// edits the document's SystemSettings in place; OK stores them (and re-fits the transmit frequencies
// when TX expansion was switched off), Cancel reloads every model from the image. OK acts only from
// its button: Return in a list opens the list.

#include <array>

#include "core/settings/SystemSettingsModel.h"
#include "gui/controls/PromptBarDialog.h"

class QDialogButtonBox;

namespace zt46 {

class Document;
class EnterComboBox;
class SettingsForm;

class SystemSettingsDialog : public PromptBarDialog {
    Q_OBJECT
public:
    SystemSettingsDialog(Document& document, bool privileged, QWidget* parent = nullptr);

    EnterComboBox* Combo(int row) const { return m_combos.at(static_cast<std::size_t>(row)); }
    SettingsForm* Form() const { return m_form; }
    QDialogButtonBox* Buttons() const { return m_buttons; }

    void accept() override;
    void reject() override;

private:
    void OnActivated(int row, int index);
    // Every list shows its field again and the rows follow the enable mask.
    void Refresh();

    SystemSettingsModel m_editor;
    SettingsForm* m_form;
    QDialogButtonBox* m_buttons = nullptr;
    std::array<EnterComboBox*, kSystemRowCount> m_combos{};
};

} // namespace zt46
