#pragma once
// The body of a settings dialog or page: a form layout with one row per setting, the label (with its
// accelerator, a buddy of the control) on the left, the control on the right. Rows take the focus in the
// order they are added. A combo's list is filled from the item texts; its index is the field's value.

#include <QWidget>
#include <string>
#include <string_view>
#include <vector>

class QComboBox;
class QFormLayout;
class QLabel;

namespace zt46 {

class EnterComboBox;

class SettingsForm : public QWidget {
    Q_OBJECT
public:
    explicit SettingsForm(QWidget* parent = nullptr);

    // A row with a drop-down list; labelId 0 gives the label no prompt id of its own.
    EnterComboBox* AddCombo(int comboId, int labelId, std::string_view label,
                            const std::vector<std::string_view>& items);
    EnterComboBox* AddCombo(int comboId, int labelId, std::string_view label,
                            const std::vector<std::string>& items);
    // A row with any other control (the control is reparented into the form).
    void AddRow(int controlId, int labelId, std::string_view label, QWidget* control);

    QLabel* LabelOf(QWidget* control) const;
    // Label and control together.
    void SetRowEnabled(QWidget* control, bool enabled);
    void SetRowVisible(QWidget* control, bool visible);
    // The first control that can take the focus now (null when none).
    QWidget* FirstLiveControl() const;
    // The pages of a sheet share one label column, so their controls line up from page to page.
    int LabelColumnWidth() const;
    void SetLabelColumnWidth(int width);
    // The controls in the order of their rows.
    const std::vector<QWidget*>& Controls() const { return m_controls; }

    // Fills a list again; the selection is left for the caller.
    static void SetItems(QComboBox* combo, const std::vector<std::string>& items);
    // Selects the item of a field's value; a value with no item shows an empty list (and is kept).
    static void SelectValue(QComboBox* combo, int value);

private:
    QFormLayout* m_layout;
    std::vector<QWidget*> m_controls;
};

} // namespace zt46
