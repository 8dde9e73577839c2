#pragma once
// An edit field that shows its value read-only until the user starts editing it (Enter or a double
// click) and confirms the edit the same way or by leaving the field. The owner reads and clears the
// modified mark to take the new value.

#include "gui/controls/ColorEdit.h"

namespace zt46 {

class ConfirmEdit : public ColorEdit {
    Q_OBJECT
public:
    explicit ConfirmEdit(QWidget* parent = nullptr);

    bool Locked() const { return m_locked; }
    bool ModifiedMark() const { return m_modifiedMark; }
    void ClearModifiedMark() { m_modifiedMark = false; }
    // Starting an edit cuts the text to this many characters (0: no limit).
    void SetLengthLimit(int limit) { m_limit = limit; }

signals:
    void EditFinished();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

    // Enter or a double click: starts or finishes an edit.
    virtual void Toggle();
    void StartEdit();
    void FinishEdit();
    void SetLocked(bool locked) { m_locked = locked; }

private:
    bool m_locked = true;
    bool m_modifiedMark = false;
    int m_limit = 0;
};

} // namespace zt46
