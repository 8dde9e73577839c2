#include "gui/controls/PromptBarDialog.h"

#include <QVBoxLayout>

namespace zt46 {

PromptBarDialog::PromptBarDialog(QWidget* parent)
    : QDialog(parent), m_body(new QWidget(this)), m_bar(new PromptBar(this)) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    m_body->setObjectName(QStringLiteral("promptDlgBody"));
    layout->addWidget(m_body, 1);
    layout->addWidget(m_bar);
    m_bar->TrackFocusIn(this);
}

} // namespace zt46
