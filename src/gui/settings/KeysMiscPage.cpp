#include "gui/settings/KeysMiscPage.h"

#include <QKeyEvent>

#include "gui/controls/FilterConfirmEdit.h"

namespace zt46 {
namespace {
constexpr int kTemperatureUnitComboId = 4747;
} // namespace

KeysMiscPage::KeysMiscPage(Document& document)
    : SettingsComboPage(document), m_offset(new FilterConfirmEdit(this)) {
    m_offset->SetFilterKind(ConfirmFilter::SignedDecimal);
    m_offset->SetLengthLimit(kTemperatureOffsetLength);
    BuildRows([this](int comboId) {
        if (comboId == kTemperatureUnitComboId)
            m_form->AddRow(kTemperatureOffsetEditId, kTemperatureOffsetLabelId, kTemperatureOffsetLabel,
                           m_offset);
    });
    // Return, a double click or leaving the field ends an edit; each commits, and the page counts as
    // changed whichever way it ended.
    connect(m_offset, &ConfirmEdit::EditFinished, this, &KeysMiscPage::CommitOffset);
}

void KeysMiscPage::OnStarted() {
    m_offset->setText(QString::fromStdString(m_model.OffsetText()));
}

void KeysMiscPage::CommitOffset() {
    m_offset->ClearModifiedMark();
    const std::string reason = m_model.CommitOffset(m_offset->text().toStdString());
    m_offset->setText(QString::fromStdString(m_model.OffsetText()));
    ShowNote(QString::fromStdString(reason));
}

void KeysMiscPage::Apply() {
    // An edit still open when OK is reached by its shortcut has not seen the focus leave.
    if (m_model.Started() && !m_offset->Locked()) CommitOffset();
    SettingsComboPage::Apply();
}

void KeysMiscPage::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        event->accept(); // never the sheet's default button
        return;
    }
    SettingsComboPage::keyPressEvent(event);
}

} // namespace zt46
