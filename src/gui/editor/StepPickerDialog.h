#pragma once
// The step picker: the AM steps ("AM_STEP") or the FM steps ("FM_STEP") in a list.

#include <QDialog>

#include "core/editor/CellEdit.h"
#include "gui/app/CommandIds.h"

class QListWidget;

namespace zt46 {

class StepPickerDialog : public QDialog {
    Q_OBJECT
public:
    // `kind` is the grid column: kColAmStep or kColFmStep.
    StepPickerDialog(int kind, int current, QWidget* parent = nullptr);
    int Chosen() const { return m_chosen; }
    QListWidget* List() const { return m_list; }
    int HelpContext() const { return cmd::HelpOfColumn(m_kind); }

public slots:
    void accept() override;

private:
    int m_kind;
    int m_chosen;
    QListWidget* m_list;
};

// Asks the user through the dialog.
class DialogStepPicker : public StepPicker {
public:
    explicit DialogStepPicker(QWidget* parent) : m_parent(parent) {}
    std::optional<int> PickStep(int column, int current) override;

private:
    QWidget* m_parent;
};

} // namespace zt46
