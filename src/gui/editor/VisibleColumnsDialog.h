#pragma once
// The "Visible" dialog: one check box for each optional column of the grid.

#include <QDialog>
#include <array>

#include "core/editor/CellEdit.h"

class QCheckBox;
class QPushButton;

namespace zt46 {

class VisibleColumnsDialog : public QDialog {
    Q_OBJECT
public:
    explicit VisibleColumnsDialog(const ColumnFlags& flags, QWidget* parent = nullptr);
    // The flags as the dialog left them (only changed by OK).
    const ColumnFlags& Flags() const { return m_flags; }
    QCheckBox* Box(int flag) const { return m_boxes[static_cast<std::size_t>(flag)]; }
    QPushButton* OkButton() const { return m_ok; }

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void Apply();

    ColumnFlags m_flags;
    std::array<QCheckBox*, kColumnFlagCount> m_boxes{};
    QPushButton* m_ok;
};

} // namespace zt46
