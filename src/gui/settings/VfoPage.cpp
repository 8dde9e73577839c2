#include "gui/settings/VfoPage.h"

#include <QKeyEvent>
#include <QVBoxLayout>

#include "gui/controls/EnterComboBox.h"
#include "gui/controls/FilterConfirmEdit.h"
#include "gui/settings/SettingsForm.h"

namespace zt46 {
namespace {

FilterConfirmEdit* FrequencyEdit(QWidget* parent) {
    auto* edit = new FilterConfirmEdit(parent);
    edit->SetFilterKind(ConfirmFilter::Decimal);
    edit->SetLengthLimit(kVfoFrequencyLength);
    return edit;
}

// An edit being typed into keeps its look; only a change of availability touches it.
void SetEditAvailable(SettingsForm* form, FilterConfirmEdit* edit, bool available) {
    if (edit->isEnabled() != available) edit->SetAvailable(available);
    form->SetRowEnabled(edit, available);
}

} // namespace

VfoPage::VfoPage(Document& document, const VfoControlIds& ids, std::size_t recordOffset, QWidget* parent)
    : PromptBarPage(parent), m_model(document, recordOffset), m_form(new SettingsForm(this)),
      m_rx(FrequencyEdit(this)), m_tx(FrequencyEdit(this)) {
    auto addCombo = [this](VfoCombo which, int id, std::string_view label) {
        EnterComboBox* combo = m_form->AddCombo(id, 0, label, VfoComboItems(which));
        m_combos[static_cast<std::size_t>(which)] = combo;
        // activated, not currentIndexChanged: choosing the item already shown counts as a change.
        connect(combo, &QComboBox::activated, this, [this, which](int index) { OnActivated(which, index); });
    };
    addCombo(VfoCombo::Mode, ids.mode, VfoComboLabel(VfoCombo::Mode));
    m_form->AddRow(ids.rxEdit, 0, kVfoRxLabel, m_rx);
    m_form->AddRow(ids.txEdit, 0, kVfoTxLabel, m_tx);
    addCombo(VfoCombo::Split, ids.split, VfoComboLabel(VfoCombo::Split));
    addCombo(VfoCombo::AmStep, ids.amStep, VfoComboLabel(VfoCombo::AmStep));
    addCombo(VfoCombo::FmStep, ids.fmStep, VfoComboLabel(VfoCombo::FmStep));
    addCombo(VfoCombo::ClockShift, ids.clockShift, VfoComboLabel(VfoCombo::ClockShift));
    connect(m_rx, &ConfirmEdit::EditFinished, this, &VfoPage::CommitRx);
    connect(m_tx, &ConfirmEdit::EditFinished, this, &VfoPage::CommitTx);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(12, 12, 12, 12);
    layout->addWidget(m_form);
    layout->addStretch(1);
}

void VfoPage::Activate() {
    if (m_model.Started()) return;
    m_model.Start();
    Refresh();
    // The page the sheet opens on gives its first live control the focus (the mode is never live).
    if (!window()->isVisible())
        if (QWidget* first = m_form->FirstLiveControl()) first->setFocus();
}

void VfoPage::OnActivated(VfoCombo combo, int index) {
    m_model.Select(combo, index);
    Refresh();
}

void VfoPage::CommitRx() {
    m_rx->ClearModifiedMark();
    const std::string reason = m_model.CommitRx(m_rx->text().toStdString());
    Refresh();
    ShowNote(QString::fromStdString(reason));
}

void VfoPage::CommitTx() {
    m_tx->ClearModifiedMark();
    const std::string reason = m_model.CommitTx(m_tx->text().toStdString());
    Refresh();
    ShowNote(QString::fromStdString(reason));
}

void VfoPage::Refresh() {
    for (VfoCombo which :
         {VfoCombo::Mode, VfoCombo::Split, VfoCombo::AmStep, VfoCombo::FmStep, VfoCombo::ClockShift})
        SettingsForm::SelectValue(Combo(which), m_model.Value(which));
    m_rx->setText(QString::fromStdString(m_model.RxText()));
    m_tx->setText(QString::fromStdString(m_model.TxText()));

    const VfoControlStates states = m_model.States();
    m_form->SetRowEnabled(Combo(VfoCombo::Mode), states.mode);
    m_form->SetRowEnabled(Combo(VfoCombo::Split), states.split);
    m_form->SetRowEnabled(Combo(VfoCombo::AmStep), states.amStep);
    m_form->SetRowEnabled(Combo(VfoCombo::FmStep), states.fmStep);
    m_form->SetRowEnabled(Combo(VfoCombo::ClockShift), states.clockShift);
    SetEditAvailable(m_form, m_rx, states.rxEdit);
    SetEditAvailable(m_form, m_tx, states.txEdit);
}

void VfoPage::Apply() {
    if (!m_model.Started()) return;
    // A field still being typed in when OK is reached by its shortcut has not seen the focus leave.
    if (!m_rx->Locked()) CommitRx();
    if (!m_tx->Locked()) CommitTx();
    m_model.Accept();
}

void VfoPage::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        event->accept(); // never the sheet's default button
        return;
    }
    PromptBarPage::keyPressEvent(event);
}

} // namespace zt46
