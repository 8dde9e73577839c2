#pragma once
// Base of the settings, configuration and alignment dialogs: the dialog's own controls sit in Body(),
// the prompt bar below them, so the dialog is taller than its controls by the bar's height and the
// bar never covers a control. Give each control its id with SetControlId: when it takes the focus
// (buttons included) the bar shows the two-line prompt string of that id.

#include <QDialog>

#include "gui/controls/PromptBar.h"

namespace zt46 {

class PromptBarDialog : public QDialog {
    Q_OBJECT
public:
    explicit PromptBarDialog(QWidget* parent = nullptr);

    // Shows the prompt string `id` (0 blanks the bar; an id without a string changes nothing) and
    // returns the id shown before.
    unsigned ShowPrompt(unsigned id) { return m_bar->ShowPrompt(id); }
    unsigned LastMessageId() const { return m_bar->LastMessageId(); }
    PromptBar* Bar() const { return m_bar; }
    // Where a derived dialog puts its controls (give it a layout).
    QWidget* Body() const { return m_body; }

    static void SetControlId(QWidget* control, int id) { PromptBar::SetControlId(control, id); }

private:
    QWidget* m_body;
    PromptBar* m_bar;
};

} // namespace zt46
