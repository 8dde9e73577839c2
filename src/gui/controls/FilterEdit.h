#pragma once
// An edit field that lets through only the characters of its filter kind (see editor/InputFilters.h).
// A refused character is dropped and reported, so the owner can beep.

#include <QLineEdit>

#include "core/editor/InputFilters.h"

namespace zt46 {

class FilterEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit FilterEdit(QWidget* parent = nullptr);

    void SetFilterKind(EditFilter kind) { m_kind = kind; }
    // Every letter typed is turned to upper case (the grid's in-place editor).
    void SetUpperCase(bool upper) { m_upper = upper; }
    // Pastes the clipboard text through the filter: refused characters are left out (and reported).
    void FilteredPaste();
    // The part of a text that the filter lets through.
    QString Filtered(const QString& text, bool* refused = nullptr) const;

signals:
    void CharacterRefused();
    void FocusLost();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    EditFilter m_kind = EditFilter::Tag;
    bool m_upper = false;
};

} // namespace zt46
