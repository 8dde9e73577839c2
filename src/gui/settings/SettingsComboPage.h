#pragma once
// What the three pages of the "Common" sheet share: a row per setting of the page's group, loaded
// from the image when the page first comes to the front and stored on OK only if it ever did (a
// QTabWidget builds every page at once, so "built" is not "shown").

#include <QVBoxLayout>
#include <utility>
#include <vector>

#include "core/settings/ComboPageModels.h"
#include "gui/controls/EnterComboBox.h"
#include "gui/controls/PromptBarPage.h"
#include "gui/settings/SettingsForm.h"

namespace zt46 {

template <typename Model> class SettingsComboPage : public PromptBarPage {
public:
    template <typename... Args>
    explicit SettingsComboPage(Args&&... modelArgs)
        : m_model(std::forward<Args>(modelArgs)...), m_form(new SettingsForm(this)) {
        auto* layout = new QVBoxLayout(this);
        layout->setContentsMargins(12, 12, 12, 12);
        layout->addWidget(m_form);
        layout->addStretch(1);
    }

    void Activate() override {
        if (m_model.Started()) return;
        m_model.Start();
        for (std::size_t i = 0; i < m_combos.size(); ++i) {
            const int id = m_ids[i];
            SettingsForm::SelectValue(m_combos[i], m_model.Value(id));
            m_form->SetRowEnabled(m_combos[i], m_model.Enabled(id));
        }
        OnStarted();
        // The page the sheet opens on gives its first live control the focus.
        if (!window()->isVisible())
            if (QWidget* first = m_form->FirstLiveControl()) first->setFocus();
    }
    void Apply() override { m_model.Accept(); }

    Model& PageModel() { return m_model; }
    SettingsForm* Form() const { return m_form; }
    EnterComboBox* Combo(int comboId) const {
        for (std::size_t i = 0; i < m_ids.size(); ++i) {
            if (m_ids[i] == comboId) return m_combos[i];
        }
        return nullptr;
    }

protected:
    // The rows of the page's group in their order; `after(comboId)` may add a row behind each one.
    template <typename AfterRow> void BuildRows(AfterRow after) {
        for (const auto& row : m_model.Rows()) {
            EnterComboBox* combo = m_form->AddCombo(row.comboId, row.labelId, row.label, row.items);
            const int id = row.comboId;
            // activated, not currentIndexChanged: choosing the item already shown counts as a change.
            QObject::connect(combo, &QComboBox::activated, this,
                             [this, id](int index) { m_model.Select(id, index); });
            m_combos.push_back(combo);
            m_ids.push_back(id);
            after(id);
        }
    }
    void BuildRows() {
        BuildRows([](int) {});
    }
    // After the first load, for what a page adds to its rows.
    virtual void OnStarted() {}

    Model m_model;
    SettingsForm* m_form;

private:
    std::vector<EnterComboBox*> m_combos;
    std::vector<int> m_ids;
};

} // namespace zt46
