#include "gui/controls/FilterConfirmEdit.h"

#include <QKeyEvent>

namespace zt46 {

FilterConfirmEdit::FilterConfirmEdit(QWidget* parent) : ConfirmEdit(parent) {
    setContextMenuPolicy(Qt::NoContextMenu); // its Paste would pass by the filter
}

void FilterConfirmEdit::keyPressEvent(QKeyEvent* event) {
    const int key = event->key();
    if (key == Qt::Key_Escape && !Locked()) {
        setText(m_saved);
        selectAll();
        SetLocked(true);
        SetLook(Look::Shown);
        return; // the modified mark stays clear, and the dialog does not see this Escape
    }
    if ((key == Qt::Key_Return || key == Qt::Key_Enter) && Locked()) m_saved = text();
    if (event == QKeySequence::Paste) return;

    const QString typed = event->text();
    const bool character = typed.size() == 1 && typed[0].isPrint() &&
                           !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier));
    if (character) {
        if (!FilterAccepts(m_kind, typed[0].unicode())) return;
        if (Locked()) {
            m_saved = text();
            StartEdit(); // the typed key replaces the old value
        }
    }
    ConfirmEdit::keyPressEvent(event);
}

void FilterConfirmEdit::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && Locked()) m_saved = text();
    ConfirmEdit::mouseDoubleClickEvent(event);
}

} // namespace zt46
