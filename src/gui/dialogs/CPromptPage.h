#pragma once
// A page of a CPtSheetS. The sheet asks the shown page OnKillActive before it leaves it (a false keeps
// the user on the page), calls OnSetActive when a page comes to the front, and on OK calls OnOK of
// every page, in page order, after the shown page agreed to be left.

#include <QWidget>

namespace zt46 {

class CPtSheetS;

class CPromptPage : public QWidget {
    Q_OBJECT
public:
    explicit CPromptPage(QWidget* parent = nullptr) : QWidget(parent) {}

    virtual void OnSetActive() {}
    virtual bool OnKillActive() { return true; }
    virtual void OnOK() {}

    // The sheet the page sits in (null before AddPage).
    CPtSheetS* Sheet() const;
    // Shows the prompt string `id` on the sheet's bar; a page outside a sheet does nothing.
    void ShowPrompt(unsigned id);
};

} // namespace zt46
