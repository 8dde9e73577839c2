#pragma once
// The "Password" dialog of privileged mode: one masked field that turns every letter to lower case.

#include <QDialog>

#include "core/util/PrivilegedMode.h"

class QLineEdit;

namespace zt46 {

class PasswordDialog : public QDialog {
    Q_OBJECT
public:
    explicit PasswordDialog(QWidget* parent = nullptr);
    QString Text() const;
    QLineEdit* Field() const { return m_field; }

    // The mode granted for a request: Privileged only when it is asked for and the service password is
    // given.
    static Privilege CheckPassword(Privilege request, QWidget* parent = nullptr);

private:
    QLineEdit* m_field;
};

} // namespace zt46
