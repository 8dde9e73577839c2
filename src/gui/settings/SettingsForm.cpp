#include "gui/settings/SettingsForm.h"

#include <QGridLayout>
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

SettingsForm::SettingsForm(QWidget* parent) : QWidget(parent), m_grid(new QGridLayout(this)) {
    m_grid->setColumnStretch(0, 0);
    m_grid->setColumnStretch(1, 1);
    m_grid->setHorizontalSpacing(16);
    m_grid->setVerticalSpacing(6);
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
    const int row = static_cast<int>(m_controls.size());
    m_grid->addWidget(text, row, 0);
    m_grid->addWidget(control, row, 1);
    m_controls.push_back(control);
    m_labels.push_back(text);
}

QLabel* SettingsForm::LabelOf(const QWidget* control) const {
    for (std::size_t i = 0; i < m_controls.size(); ++i) {
        if (m_controls[i] == control) return m_labels[i];
    }
    return nullptr;
}

void SettingsForm::SetRowEnabled(QWidget* control, bool enabled) {
    control->setEnabled(enabled);
    if (QLabel* label = LabelOf(control)) label->setEnabled(enabled);
}

void SettingsForm::SetRowVisible(QWidget* control, bool visible) {
    control->setVisible(visible);
    if (QLabel* label = LabelOf(control)) label->setVisible(visible);
}

QWidget* SettingsForm::FirstLiveControl() const {
    for (QWidget* control : m_controls) {
        if (control->isEnabled() && !control->isHidden()) return control;
    }
    return nullptr;
}

int SettingsForm::LabelColumnWidth() const {
    int width = 0;
    for (const QLabel* label : m_labels)
        width = std::max(width, label->sizeHint().width());
    return width;
}

void SettingsForm::SetLabelColumnWidth(int width) {
    m_grid->setColumnMinimumWidth(0, width);
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
