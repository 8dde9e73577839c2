#include "settings/CComPage3.h"

#include <QKeyEvent>

#include "controls/FilterConfirmEdit.h"

namespace zt46 {
namespace {
constexpr int kOffsetFilterKind = 5; // digits, point, space, minus, plus
constexpr int kTemperatureUnitComboId = 4747;
} // namespace

CComPage3::CComPage3(Document& document) : CCommonPage(document), m_offset(new FilterConfirmEdit(this)) {
    m_offset->SetFilterKind(kOffsetFilterKind);
    m_offset->SetLengthLimit(kTemperatureOffsetLength);
    BuildRows([this](int comboId) {
        if (comboId == kTemperatureUnitComboId)
            m_form->AddRow(kTemperatureOffsetEditId, kTemperatureOffsetLabelId, "Temperature &Offset",
                           m_offset);
    });
    // Return, a double click or leaving the field ends an edit; each commits, and the page counts as
    // changed whichever way it ended.
    connect(m_offset, &ConfirmEdit::EditFinished, this, &CComPage3::CommitOffset);
}

void CComPage3::OnStarted() {
    m_offset->setText(QString::fromStdString(m_model.OffsetText()));
}

void CComPage3::CommitOffset() {
    m_offset->ClearModifiedMark();
    m_model.CommitOffset(m_offset->text().toStdString());
    m_offset->setText(QString::fromStdString(m_model.OffsetText()));
}

void CComPage3::OnOK() {
    // An edit still open when OK is reached by its shortcut has not seen the focus leave.
    if (m_model.Started() && !m_offset->Locked()) CommitOffset();
    CCommonPage::OnOK();
}

void CComPage3::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        event->accept(); // never the sheet's default button
        return;
    }
    CCommonPage::keyPressEvent(event);
}

} // namespace zt46
