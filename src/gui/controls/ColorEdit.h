#pragma once
// An edit field that shows in one of three looks: being edited (tool-tip background), shown read-only
// (window background), or unavailable (greyed). The colours come from the palette, so every theme works.

#include <QLineEdit>

namespace zt46 {

class ColorEdit : public QLineEdit {
    Q_OBJECT
public:
    enum class Look { Initial, Editing, Shown, Disabled };

    explicit ColorEdit(QWidget* parent = nullptr);

    void SetLook(Look look);
    Look CurrentLook() const { return m_look; }
    // Editing look when set, else shown read-only.
    // Shown read-only when set, else unavailable.
    void SetAvailable(bool available) { SetLook(available ? Look::Shown : Look::Disabled); }

protected:
    void changeEvent(QEvent* event) override;

private:
    void ApplyPalette();
    Look m_look = Look::Initial;
};

} // namespace zt46
