#pragma once
// The prompt bar along the bottom of a dialog: what the focused control is for in the wide left pane,
// how it is operated ("<SELECT>", "<ENTER>") in the narrow right pane. The text is the string whose
// id equals the control's id; a control carries its id as the "controlId" property.

#include <QStatusBar>

class QLabel;

namespace zt46 {

class PromptBar : public QStatusBar {
    Q_OBJECT
public:
    explicit PromptBar(QWidget* parent = nullptr);

    // Shows the string id (two lines: text, then key hint). 0 blanks both panes; an id without a
    // string leaves the panes alone. Returns the id shown before.
    unsigned ShowPrompt(unsigned id);
    unsigned LastMessageId() const { return m_lastMessageId; }
    QString PromptText() const;
    QString HintText() const;

    // Gives a control its id (the key of its prompt string).
    static void SetControlId(QWidget* control, int id);
    // The id of the control or of its nearest ancestor that has one, below `top`; 0 when none.
    static int ControlIdOf(const QWidget* widget, const QWidget* top);

    // Follows the application's focus inside `window`: each focused control shows its prompt.
    void TrackFocusIn(QWidget* window);

private:
    QLabel* m_text;
    QLabel* m_hint;
    unsigned m_lastMessageId = 0;
    unsigned m_trackingId = 0;
};

} // namespace zt46
