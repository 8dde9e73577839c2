#include "gui/settings/SystemSettingsDialog.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include "gui/app/CommandIds.h"
#include "gui/controls/EnterComboBox.h"
#include "gui/settings/SettingsForm.h"

namespace zt46 {

SystemSettingsDialog::SystemSettingsDialog(Document& document, bool privileged, QWidget* parent)
    : PromptBarDialog(parent), m_editor(document, privileged), m_form(new SettingsForm(Body())) {
    setWindowTitle(tr("System Parameters"));
    setObjectName(QStringLiteral("SystemSettingsDialog"));
    setProperty("helpContext", cmd::HelpOfDialog(cmd::kSystemDialog)); // F1: the dialog's help topic

    m_editor.Start();
    for (int row = 0; row < kSystemRowCount; ++row) {
        EnterComboBox* combo = m_form->AddCombo(kSystemFirstComboId + row, kSystemFirstLabelId + row,
                                                SystemRowLabel(row), m_editor.Items(row));
        m_combos[static_cast<std::size_t>(row)] = combo;
        // activated, not currentIndexChanged: choosing the item already shown counts as a change.
        connect(combo, &QComboBox::activated, this, [this, row](int index) { OnActivated(row, index); });
        m_form->SetRowVisible(combo, SystemRowVisible(row, privileged));
    }
    // Made after the rows: Tab goes through the lists first, then OK and Cancel.
    m_buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, Qt::Vertical, Body());
    SetControlId(m_buttons->button(QDialogButtonBox::Ok), 1);
    SetControlId(m_buttons->button(QDialogButtonBox::Cancel), 2);
    connect(m_buttons, &QDialogButtonBox::accepted, this, &SystemSettingsDialog::accept);
    connect(m_buttons, &QDialogButtonBox::rejected, this, &SystemSettingsDialog::reject);

    auto* layout = new QHBoxLayout(Body());
    layout->setContentsMargins(12, 12, 12, 12);
    layout->setSpacing(16);
    layout->addWidget(m_form, 1, Qt::AlignTop);
    layout->addWidget(m_buttons, 0, Qt::AlignTop);
    this->layout()->setSizeConstraint(QLayout::SetFixedSize);
    Refresh();
}

void SystemSettingsDialog::OnActivated(int row, int index) {
    m_editor.Select(row, index);
    Refresh();
}

void SystemSettingsDialog::Refresh() {
    const unsigned mask = m_editor.EnableMask();
    for (int row = 0; row < kSystemRowCount; ++row) {
        EnterComboBox* combo = Combo(row);
        SettingsForm::SelectValue(combo, m_editor.Value(row));
        m_form->SetRowEnabled(combo, (mask >> row) & 1u);
    }
}

void SystemSettingsDialog::accept() {
    m_editor.Accept();
    PromptBarDialog::accept();
}

void SystemSettingsDialog::reject() {
    m_editor.Reject();
    PromptBarDialog::reject();
}

} // namespace zt46
