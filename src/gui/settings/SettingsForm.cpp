#include "gui/settings/SettingsForm.h"

#include <QFormLayout>
#include <QLabel>
#include <algorithm>

#include "gui/app/TextConversion.h"
#include "gui/controls/EnterComboBox.h"
#include "gui/controls/PromptBar.h"

namespace zt46 {
namespace {

// Wide enough for the longest list text of any settings page ("PTT + Key + Dial Lock").
constexpr int kControlMinimumWidth = 170;

} // namespace

SettingsForm::SettingsForm(QWidget* parent) : QWidget(parent), m_layout(new QFormLayout(this)) {
    m_layout->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
    m_layout->setLabelAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    m_layout->setHorizontalSpacing(16);
    m_layout->setVerticalSpacing(6);
}

EnterComboBox* SettingsForm::AddCombo(int comboId, int labelId, std::string_view label,
                                      const std::vector<std::string_view>& items) {
    auto* combo = new EnterComboBox(this);
    for (std::string_view item : items)
        combo->addItem(ToQString(item));
    AddRow(comboId, labelId, label, combo);
    return combo;
}

EnterComboBox* SettingsForm::AddCombo(int comboId, int labelId, std::string_view label,
                                      const std::vector<std::string>& items) {
    auto* combo = new EnterComboBox(this);
    SetItems(combo, items);
    AddRow(comboId, labelId, label, combo);
    return combo;
}

void SettingsForm::AddRow(int controlId, int labelId, std::string_view label, QWidget* control) {
    auto* text = new QLabel(ToQString(label), this);
    text->setBuddy(control);
    if (labelId > 0) PromptBar::SetControlId(text, labelId);
    control->setParent(this);
    control->setMinimumWidth(kControlMinimumWidth);
    PromptBar::SetControlId(control, controlId);
    control->setObjectName(QStringLiteral("control%1").arg(controlId));
    m_layout->addRow(text, control);
    m_controls.push_back(control);
}

QLabel* SettingsForm::LabelOf(QWidget* control) const {
    return qobject_cast<QLabel*>(m_layout->labelForField(control));
}

void SettingsForm::SetRowEnabled(QWidget* control, bool enabled) {
    control->setEnabled(enabled);
    if (QLabel* label = LabelOf(control)) label->setEnabled(enabled);
}

void SettingsForm::SetRowVisible(QWidget* control, bool visible) {
    m_layout->setRowVisible(control, visible);
}

QWidget* SettingsForm::FirstLiveControl() const {
    for (QWidget* control : m_controls) {
        if (control->isEnabled() && !control->isHidden()) return control;
    }
    return nullptr;
}

int SettingsForm::LabelColumnWidth() const {
    int width = 0;
    for (QWidget* control : m_controls)
        width = std::max(width, LabelOf(control)->sizeHint().width());
    return width;
}

void SettingsForm::SetLabelColumnWidth(int width) {
    for (QWidget* control : m_controls)
        LabelOf(control)->setMinimumWidth(width);
}

void SettingsForm::SetItems(QComboBox* combo, const std::vector<std::string>& items) {
    combo->clear();
    for (const std::string& item : items)
        combo->addItem(QString::fromStdString(item));
}

void SettingsForm::SelectValue(QComboBox* combo, int value) {
    combo->setCurrentIndex(value >= 0 && value < combo->count() ? value : -1);
}

} // namespace zt46
