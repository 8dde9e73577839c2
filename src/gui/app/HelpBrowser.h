#pragma once
// The built-in help window: one non-modal browser over the help topics.

#include <QDialog>

class QTextBrowser;

namespace zt46 {

class HelpBrowser : public QDialog {
    Q_OBJECT
public:
    explicit HelpBrowser(QWidget* parent = nullptr);
    // Shows the topic of a context (the contents for 0 or an unknown context).
    void ShowContext(int context);
    int ShownContext() const { return m_context; }

private:
    QTextBrowser* m_browser;
    int m_context = 0;
};

} // namespace zt46
