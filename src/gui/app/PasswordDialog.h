#pragma once
// The "Password" dialog of privileged mode: one masked field that turns every letter to lower case.

#include <QDialog>

class QLineEdit;

namespace zt46 {

class PasswordDialog : public QDialog {
    Q_OBJECT
public:
    explicit PasswordDialog(QWidget* parent = nullptr);
    QString Text() const;
    QLineEdit* Field() const { return m_field; }

    // The mode granted for a request: 1 only when the request is 1 and the right password is given.
    static int CheckPassword(int request, QWidget* parent = nullptr);
    static bool Matches(const QString& text);

private:
    QLineEdit* m_field;
};

} // namespace zt46
