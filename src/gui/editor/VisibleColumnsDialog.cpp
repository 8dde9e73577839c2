#include "gui/editor/VisibleColumnsDialog.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QPushButton>
#include <QVBoxLayout>

#include "gui/app/CommandIds.h"

namespace zt46 {
namespace {

constexpr const char* kBoxTexts[kColumnFlagCount] = {
    "&Mode", "&TAG", "&Frequency", "&STEP", "&Clock Shift", "TA&G(Alphanumeric)", "Sca&n", "S&plit"};

} // namespace

VisibleColumnsDialog::VisibleColumnsDialog(const ColumnFlags& flags, QWidget* parent)
    : QDialog(parent), m_flags(flags), m_ok(new QPushButton("OK", this)) {
    setWindowTitle("Visible");
    setProperty("helpContext", cmd::HelpOfDialog(cmd::kVisibleDialog));
    auto* frame = new QGroupBox(this);
    auto* grid = new QGridLayout(frame);
    for (int i = 0; i < kColumnFlagCount; ++i) {
        auto* box = new QCheckBox(kBoxTexts[i], frame);
        box->setChecked(flags[static_cast<std::size_t>(i)] == 1); // checked exactly when the column shows
        m_boxes[static_cast<std::size_t>(i)] = box;
        grid->addWidget(box, i < 5 ? i : i - 5, i < 5 ? 0 : 1);
    }
    auto* cancel = new QPushButton("Cancel", this);
    m_ok->setDefault(true);
    connect(m_ok, &QPushButton::clicked, this, &VisibleColumnsDialog::Apply);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    auto* buttons = new QVBoxLayout;
    buttons->addWidget(m_ok);
    buttons->addWidget(cancel);
    buttons->addStretch();
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(frame);
    layout->addLayout(buttons);
}

void VisibleColumnsDialog::Apply() {
    for (int i = 0; i < kColumnFlagCount; ++i)
        m_flags[static_cast<std::size_t>(i)] = m_boxes[static_cast<std::size_t>(i)]->isChecked() ? 1 : 0;
    accept();
}

void VisibleColumnsDialog::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        // Enter on a check box flips it; only Enter on OK (or Cancel) ends the dialog.
        if (auto* box = qobject_cast<QCheckBox*>(focusWidget())) {
            box->toggle();
            return;
        }
        if (auto* button = qobject_cast<QPushButton*>(focusWidget())) {
            button->click();
            return;
        }
    }
    QDialog::keyPressEvent(event);
}

} // namespace zt46
