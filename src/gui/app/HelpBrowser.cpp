#include "gui/app/HelpBrowser.h"

#include <QTextBrowser>
#include <QVBoxLayout>

#include "gui/app/HelpTopics.h"

namespace zt46 {

HelpBrowser::HelpBrowser(QWidget* parent) : QDialog(parent), m_browser(new QTextBrowser(this)) {
    setWindowTitle("ZT46Win Help");
    m_browser->setOpenLinks(false);
    connect(m_browser, &QTextBrowser::anchorClicked, this, [this](const QUrl& url) {
        if (url.scheme() == "help") ShowContext(url.path().toInt());
    });
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_browser);
    resize(520, 420);
}

void HelpBrowser::ShowContext(int context) {
    const HelpTopic& topic = HelpTopicFor(context);
    m_context = topic.context;
    m_browser->setHtml(m_context == 0 ? HelpContentsHtml() : HelpTopicHtml(topic));
    show();
    raise();
    activateWindow();
}

} // namespace zt46
