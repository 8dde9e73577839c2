#include "gui/controls/PromptBarSheet.h"

#include <QDialogButtonBox>
#include <QMouseEvent>
#include <QPushButton>
#include <QShowEvent>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>

#include "gui/controls/PromptBarPage.h"

namespace zt46 {

PromptBarSheet::PromptBarSheet(const QString& caption, QWidget* parent, int selectPage)
    : QDialog(parent), m_tabs(new QTabWidget(this)),
      m_buttons(new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this)),
      m_bar(new PromptBar(this)), m_selectPage(selectPage) {
    setWindowTitle(caption);
    m_tabs->setObjectName(QStringLiteral("sheetTabs"));
    m_buttons->setObjectName(QStringLiteral("sheetButtons"));
    auto* body = new QVBoxLayout;
    body->addWidget(m_tabs, 1);
    body->addWidget(m_buttons);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    auto* frame = new QWidget(this);
    frame->setLayout(body);
    layout->addWidget(frame, 1);
    layout->addWidget(m_bar);
    PromptBar::SetControlId(m_buttons->button(QDialogButtonBox::Ok), 1);
    PromptBar::SetControlId(m_buttons->button(QDialogButtonBox::Cancel), 2);
    connect(m_buttons, &QDialogButtonBox::accepted, this, &PromptBarSheet::accept);
    connect(m_buttons, &QDialogButtonBox::rejected, this, &PromptBarSheet::reject);
    // A click on another tab first asks the shown page whether it may be left.
    m_tabs->tabBar()->installEventFilter(this);
    connect(m_tabs, &QTabWidget::currentChanged, this, [this](int index) {
        if (index >= 0 && index < PageCount()) Page(index)->Activate();
    });
    m_bar->TrackFocusIn(this);
}

void PromptBarSheet::AddPage(PromptBarPage* page, const QString& title) {
    m_pages.push_back(page);
    m_tabs->addTab(page, title);
}

int PromptBarSheet::ActiveIndex() const {
    return m_tabs->currentIndex();
}

bool PromptBarSheet::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_tabs->tabBar() && event->type() == QEvent::MouseButtonPress) {
        const auto* press = static_cast<QMouseEvent*>(event);
        const int index = m_tabs->tabBar()->tabAt(press->position().toPoint());
        const int current = ActiveIndex();
        if (index >= 0 && index != current && current >= 0 && !Page(current)->CanLeave())
            return true; // the page keeps the user
    }
    return QDialog::eventFilter(watched, event);
}

void PromptBarSheet::accept() {
    const int current = ActiveIndex();
    if (current >= 0 && !Page(current)->CanLeave()) return;
    for (PromptBarPage* page : m_pages)
        page->Apply();
    QDialog::accept();
}

void PromptBarSheet::showEvent(QShowEvent* event) {
    if (!m_shown) {
        m_shown = true;
        if (m_selectPage > 0 && m_selectPage < PageCount())
            m_tabs->setCurrentIndex(m_selectPage);
        else if (PageCount() > 0)
            Page(0)->Activate();
    }
    QDialog::showEvent(event);
}

} // namespace zt46
