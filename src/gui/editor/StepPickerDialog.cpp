#include "gui/editor/StepPickerDialog.h"

#include <QDialogButtonBox>
#include <QListWidget>
#include <QVBoxLayout>

#include "core/image/ValueTexts.h"

namespace zt46 {

StepPickerDialog::StepPickerDialog(int kind, int current, QWidget* parent)
    : QDialog(parent), m_kind(kind), m_chosen(current), m_list(new QListWidget(this)) {
    const bool am = kind == kColAmStep;
    setWindowTitle(am ? "AM_STEP" : "FM_STEP");
    setProperty("helpContext", HelpContext());
    if (am) {
        for (auto text : texts::kAmStep)
            m_list->addItem(QString::fromLatin1(text.data(), text.size()));
    } else {
        for (auto text : texts::kFmStep)
            m_list->addItem(QString::fromLatin1(text.data(), text.size()));
    }
    if (current >= 0 && current < m_list->count()) m_list->setCurrentRow(current);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_list, &QListWidget::itemDoubleClicked, this, &QDialog::accept);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_list);
    layout->addWidget(buttons);
    m_list->setFocus();
    resize(200, 230);
}

void StepPickerDialog::accept() {
    const int row = m_list->currentRow();
    m_chosen = row >= 0 ? row : 0;
    QDialog::accept();
}

std::optional<int> DialogStepPicker::PickStep(int column, int current) {
    StepPickerDialog dialog(column, current, m_parent);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return dialog.Chosen();
}

} // namespace zt46
