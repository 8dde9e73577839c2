#include "gui/controls/ConfirmEdit.h"

#include <QKeyEvent>

namespace zt46 {

ConfirmEdit::ConfirmEdit(QWidget* parent) : ColorEdit(parent) {
    SetLook(Look::Shown);
}

void ConfirmEdit::StartEdit() {
    if (m_limit > 0) {
        setMaxLength(m_limit);
        setText(text().left(m_limit));
    }
    selectAll();
    m_locked = false;
    m_modifiedMark = false;
    SetLook(Look::Editing);
}

void ConfirmEdit::FinishEdit() {
    m_locked = true;
    m_modifiedMark = true;
    SetLook(Look::Shown);
    emit EditFinished();
}

void ConfirmEdit::Toggle() {
    if (m_locked) {
        StartEdit();
    } else {
        selectAll();
        FinishEdit();
    }
}

void ConfirmEdit::keyPressEvent(QKeyEvent* event) {
    // The owner sees the same Enter afterwards: the event goes on to the edit's own processing.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) Toggle();
    ColorEdit::keyPressEvent(event);
}

void ConfirmEdit::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) Toggle();
    ColorEdit::mouseDoubleClickEvent(event);
}

void ConfirmEdit::focusOutEvent(QFocusEvent* event) {
    if (!m_locked) FinishEdit();
    deselect();
    ColorEdit::focusOutEvent(event);
}

} // namespace zt46
