#include "gui/controls/PromptBar.h"

#include <QApplication>
#include <QLabel>
#include <QPointer>

#include "core/util/Messages.h"
#include "gui/app/TextConversion.h"

namespace zt46 {

namespace {
constexpr const char* kControlId = "controlId";
}

PromptBar::PromptBar(QWidget* parent)
    : QStatusBar(parent), m_text(new QLabel(this)), m_hint(new QLabel(this)) {
    setObjectName(QStringLiteral("promptBar"));
    setSizeGripEnabled(false);
    m_text->setObjectName(QStringLiteral("promptText"));
    m_hint->setObjectName(QStringLiteral("promptHint"));
    // The hint pane is as wide as its initial text "[ Key Operation ]".
    const QString keyOperation = ToQString(StringById(IDS_KEY_OPERATION));
    m_hint->setMinimumWidth(m_hint->fontMetrics().horizontalAdvance(keyOperation) + 8);
    m_hint->setText(keyOperation);
    addWidget(m_text, 1);
    addPermanentWidget(m_hint);
    ShowPrompt(IDS_BLANK_PROMPT);
}

unsigned PromptBar::ShowPrompt(unsigned id) {
    if (id == 0) {
        m_text->setText(QStringLiteral(" "));
        m_hint->setText(QStringLiteral(" "));
    } else if (HasString(static_cast<int>(id))) {
        QString text = ToQString(StringById(static_cast<int>(id)));
        QString hint;
        const qsizetype feed = text.indexOf(QLatin1Char('\n'));
        if (feed >= 0) {
            hint = text.mid(feed + 1);
            text.truncate(feed);
            const qsizetype second = hint.indexOf(QLatin1Char('\n'));
            if (second >= 0) hint.truncate(second);
        }
        m_text->setText(text);
        m_hint->setText(hint);
    }
    const unsigned previous = m_lastMessageId;
    m_lastMessageId = id;
    m_trackingId = id;
    return previous;
}

QString PromptBar::PromptText() const {
    return m_text->text();
}
QString PromptBar::HintText() const {
    return m_hint->text();
}

void PromptBar::SetControlId(QWidget* control, int id) {
    control->setProperty(kControlId, id);
}

int PromptBar::ControlIdOf(const QWidget* widget, const QWidget* top) {
    for (const QWidget* w = widget; w != nullptr && w != top; w = w->parentWidget()) {
        const QVariant id = w->property(kControlId);
        if (id.isValid()) return id.toInt();
    }
    return 0;
}

void PromptBar::TrackFocusIn(QWidget* window) {
    QPointer<QWidget> guard(window);
    connect(qApp, &QApplication::focusChanged, this, [this, guard](QWidget*, QWidget* now) {
        if (guard.isNull() || now == nullptr || now->window() != guard.data()) return;
        const int id = ControlIdOf(now, guard.data());
        if (id > 0) ShowPrompt(static_cast<unsigned>(id));
    });
}

} // namespace zt46
