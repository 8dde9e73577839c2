#pragma once
// A combo box that opens (or closes) its list on Enter instead of pressing the dialog's default button.

#include <QComboBox>

namespace zt46 {

class EnterComboBox : public QComboBox {
    Q_OBJECT
public:
    explicit EnterComboBox(QWidget* parent = nullptr) : QComboBox(parent) {}

protected:
    void keyPressEvent(QKeyEvent* event) override;
};

} // namespace zt46
