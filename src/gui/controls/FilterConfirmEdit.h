#pragma once
// A confirm edit that lets through only the characters of its filter kind (see editor/InputFilters.h).
// A valid key on the shown value starts an edit with that key; Escape puts the old value back.

#include "gui/controls/ConfirmEdit.h"

namespace zt46 {

class FilterConfirmEdit : public ConfirmEdit {
    Q_OBJECT
public:
    explicit FilterConfirmEdit(QWidget* parent = nullptr);

    void SetFilterKind(int kind) { m_kind = kind; }
    int FilterKind() const { return m_kind; }
    QString SavedText() const { return m_saved; }

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    int m_kind = 0;
    QString m_saved;
};

} // namespace zt46
