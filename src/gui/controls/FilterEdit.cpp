#include "gui/controls/FilterEdit.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QKeyEvent>

namespace zt46 {

FilterEdit::FilterEdit(QWidget* parent) : QLineEdit(parent) {
    setContextMenuPolicy(Qt::NoContextMenu); // its Paste would pass by the filter
}

QString FilterEdit::Filtered(const QString& text, bool* refused) const {
    QString out;
    for (QChar c : text) {
        if (FilterAccepts(m_kind, c.unicode())) {
            out += m_upper ? c.toUpper() : c;
        } else if (refused) {
            *refused = true;
        }
    }
    return out;
}

void FilterEdit::FilteredPaste() {
    bool refused = false;
    const QString text = Filtered(QGuiApplication::clipboard()->text(), &refused);
    if (refused) emit CharacterRefused();
    insert(text);
}

void FilterEdit::keyPressEvent(QKeyEvent* event) {
    if (event == QKeySequence::Paste) {
        FilteredPaste();
        return;
    }
    const QString text = event->text();
    const bool typed = text.size() == 1 && text[0].isPrint() && !(event->modifiers() & Qt::ControlModifier);
    if (!typed) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    if (!FilterAccepts(m_kind, text[0].unicode())) {
        event->accept();
        emit CharacterRefused();
        return;
    }
    if (m_upper && text != text.toUpper()) {
        QKeyEvent upper(event->type(), event->key(), event->modifiers(), text.toUpper(),
                        event->isAutoRepeat(), static_cast<ushort>(event->count()));
        QLineEdit::keyPressEvent(&upper);
        return;
    }
    QLineEdit::keyPressEvent(event);
}

void FilterEdit::focusOutEvent(QFocusEvent* event) {
    QLineEdit::focusOutEvent(event);
    emit FocusLost();
}

} // namespace zt46
