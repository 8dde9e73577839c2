#include "gui/app/GuiPrompts.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QThread>

#include "core/util/Messages.h"
#include "gui/app/TextConversion.h"

namespace zt46 {

Answer GuiPrompts::Show(const Prompt& prompt) {
    if (QThread::currentThread() == thread()) return ShowHere(prompt);
    Answer answer = Answer::Cancel;
    QMetaObject::invokeMethod(
        this, [&] { answer = ShowHere(prompt); }, Qt::BlockingQueuedConnection);
    return answer;
}

Answer GuiPrompts::ShowHere(const Prompt& prompt) {
    QString text = QString::fromStdString(prompt.text);
    text.replace("\r\n", "\n");
    if (m_script) return m_script(prompt);

    QMessageBox box(m_owner);
    const std::string_view title = prompt.caption.empty() ? StringById(IDS_APP_TITLE) : prompt.caption;
    box.setWindowTitle(ToQString(title));
    box.setText(text);
    switch (prompt.icon) {
    case Icon::Stop:
        box.setIcon(QMessageBox::Critical);
        break;
    case Icon::Question:
        box.setIcon(QMessageBox::Question);
        break;
    case Icon::Information:
        box.setIcon(QMessageBox::Information);
        break;
    case Icon::None:
        break;
    }
    switch (prompt.buttons) {
    case Buttons::Ok:
        box.setStandardButtons(QMessageBox::Ok);
        break;
    case Buttons::YesNo:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        break;
    case Buttons::YesNoCancel:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        break;
    }
    if (prompt.buttons != Buttons::Ok) {
        const QMessageBox::StandardButton order[] = {QMessageBox::Yes, QMessageBox::No, QMessageBox::Cancel};
        for (std::size_t i = 0; i < prompt.buttonTexts.size() && i < std::size(order); ++i) {
            if (QAbstractButton* button = box.button(order[i]))
                button->setText(QString::fromStdString(prompt.buttonTexts[i]));
        }
        box.setDefaultButton(prompt.defaultAnswer == Answer::No       ? QMessageBox::No
                             : prompt.defaultAnswer == Answer::Cancel ? QMessageBox::Cancel
                                                                      : QMessageBox::Yes);
    }
    switch (box.exec()) {
    case QMessageBox::Yes:
        return Answer::Yes;
    case QMessageBox::No:
        return Answer::No;
    case QMessageBox::Ok:
        return Answer::Ok;
    default:
        return prompt.buttons == Buttons::YesNo ? Answer::No : Answer::Cancel;
    }
}

void GuiPrompts::Beep() {
    ++m_beeps;
    QApplication::beep();
}

} // namespace zt46
