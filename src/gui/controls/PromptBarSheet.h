#pragma once
// The property sheet of the "Common" and "VFO" settings: pages on tabs, OK and Cancel only (no
// Apply, no Help), and the same prompt bar as PromptBarDialog below them. Focus in any page shows the
// prompt of the focused control's id.

#include <QDialog>
#include <vector>

#include "gui/controls/PromptBar.h"

class QTabWidget;
class QDialogButtonBox;

namespace zt46 {

class PromptBarPage;

class PromptBarSheet : public QDialog {
    Q_OBJECT
public:
    PromptBarSheet(const QString& caption, QWidget* parent = nullptr, int selectPage = 0);

    // The sheet takes the page over; pages show in the order added.
    void AddPage(PromptBarPage* page, const QString& title);
    int PageCount() const { return static_cast<int>(m_pages.size()); }
    PromptBarPage* Page(int index) const { return m_pages.at(static_cast<size_t>(index)); }
    int ActiveIndex() const;

    unsigned ShowPrompt(unsigned id) { return m_bar->ShowPrompt(id); }
    unsigned LastMessageId() const { return m_bar->LastMessageId(); }
    PromptBar* Bar() const { return m_bar; }
    QTabWidget* Tabs() const { return m_tabs; }

    void accept() override;

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QTabWidget* m_tabs;
    QDialogButtonBox* m_buttons;
    PromptBar* m_bar;
    std::vector<PromptBarPage*> m_pages;
    int m_selectPage;
    bool m_shown = false;
};

} // namespace zt46
