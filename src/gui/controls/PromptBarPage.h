#pragma once
// A page of a PromptBarSheet. The sheet asks the shown page CanLeave before it leaves it (a false keeps
// the user on the page), calls Activate when a page comes to the front, and on OK calls Apply of
// every page, in page order, after the shown page agreed to be left.

#include <QWidget>

namespace zt46 {

class PromptBarSheet;

class PromptBarPage : public QWidget {
    Q_OBJECT
public:
    explicit PromptBarPage(QWidget* parent = nullptr) : QWidget(parent) {}

    virtual void Activate() {}
    virtual bool CanLeave() { return true; }
    virtual void Apply() {}

    // The sheet the page sits in (null before AddPage).
    PromptBarSheet* Sheet() const;
    // Shows the prompt string `id` on the sheet's bar; a page outside a sheet does nothing.
    void ShowPrompt(unsigned id);
    // Says for a few seconds on the sheet's bar why a value was changed (a clamp).
    void ShowNote(const QString& text);
};

} // namespace zt46
