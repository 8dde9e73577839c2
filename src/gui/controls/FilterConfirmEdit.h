#pragma once
// A confirm edit that lets through only the characters of its filter kind (see editor/InputFilters.h).
// A valid key on the shown value starts an edit with that key; Escape puts the old value back.

#include "core/editor/InputFilters.h"
#include "gui/controls/ConfirmEdit.h"

namespace zt46 {

class FilterConfirmEdit : public ConfirmEdit {
    Q_OBJECT
public:
    explicit FilterConfirmEdit(QWidget* parent = nullptr);

    void SetFilterKind(ConfirmFilter kind) { m_kind = kind; }

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    ConfirmFilter m_kind = ConfirmFilter::Decimal;
    QString m_saved;
};

} // namespace zt46
