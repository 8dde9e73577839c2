#include "gui/controls/EnterComboBox.h"

#include <QAbstractItemView>
#include <QKeyEvent>

namespace zt46 {

void EnterComboBox::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        if (view() && view()->isVisible()) {
            hidePopup();
        } else {
            showPopup();
        }
        event->accept();
        return;
    }
    QComboBox::keyPressEvent(event);
}

} // namespace zt46
