#include "gui/editor/ChannelTableView.h"

#include <QContextMenuEvent>
#include <QKeyEvent>

namespace zt46 {

ChannelTableView::ChannelTableView(QWidget* parent) : QTableView(parent) {
    setEditTriggers(QAbstractItemView::NoEditTriggers); // the view's own in-place editor does the editing
    setSelectionMode(QAbstractItemView::ContiguousSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setTabKeyNavigation(false);
    setWordWrap(false);
    setCornerButtonEnabled(false);
}

void ChannelTableView::keyPressEvent(QKeyEvent* event) {
    const Qt::KeyboardModifiers mods = event->modifiers() & ~Qt::KeypadModifier;
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        emit EnterPressed();
        return;
    case Qt::Key_Space:
        if (mods == Qt::NoModifier) {
            emit SpacePressed();
            return;
        }
        break;
    case Qt::Key_F2:
        emit NextGroupRequested();
        return;
    case Qt::Key_F9:
        if (mods == Qt::ShiftModifier) {
            emit FileDataRequested();
            return;
        }
        break;
    default:
        break;
    }
    const QString text = event->text();
    if (text.size() == 1 && text[0].isPrint() && !(mods & (Qt::ControlModifier | Qt::AltModifier))) {
        emit CharacterTyped(text[0]); // never a keyboard search
        return;
    }
    QTableView::keyPressEvent(event);
}

void ChannelTableView::mouseDoubleClickEvent(QMouseEvent* event) {
    QTableView::mouseDoubleClickEvent(event);
    if (event->button() == Qt::LeftButton && indexAt(event->position().toPoint()).isValid())
        emit CellDoubleClicked();
}

void ChannelTableView::contextMenuEvent(QContextMenuEvent* event) {
    emit ContextMenuRequested(event->globalPos());
}

} // namespace zt46
