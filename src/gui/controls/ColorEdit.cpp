#include "gui/controls/ColorEdit.h"

#include <QApplication>
#include <QEvent>

namespace zt46 {

ColorEdit::ColorEdit(QWidget* parent) : QLineEdit(parent) {
    ApplyPalette();
}

void ColorEdit::SetLook(Look look) {
    m_look = look;
    switch (look) {
    case Look::Initial:
        break;
    case Look::Editing:
        setEnabled(true);
        setReadOnly(false);
        break;
    case Look::Shown:
        setEnabled(true);
        setReadOnly(true);
        break;
    case Look::Disabled:
        setEnabled(false);
        setReadOnly(false);
        break;
    }
    ApplyPalette();
    repaint(); // the new look shows at once
}

void ColorEdit::ApplyPalette() {
    const QPalette base = QApplication::palette(this);
    QPalette p = base;
    switch (m_look) {
    case Look::Editing:
        p.setBrush(QPalette::Base, base.brush(QPalette::ToolTipBase));
        p.setBrush(QPalette::Text, base.brush(QPalette::ToolTipText));
        break;
    case Look::Disabled:
        p.setBrush(QPalette::Disabled, QPalette::Base, base.brush(QPalette::Window));
        p.setBrush(QPalette::Disabled, QPalette::Text, base.brush(QPalette::Disabled, QPalette::Text));
        break;
    case Look::Initial:
    case Look::Shown:
        break;
    }
    setPalette(p);
}

void ColorEdit::changeEvent(QEvent* event) {
    QLineEdit::changeEvent(event);
    if (event->type() == QEvent::ApplicationPaletteChange || event->type() == QEvent::StyleChange)
        ApplyPalette();
}

} // namespace zt46
