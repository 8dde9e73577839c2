#include "gui/app/PasswordDialog.h"

#include <QDialogButtonBox>
#include <QLineEdit>
#include <QVBoxLayout>
#include <QValidator>

namespace zt46 {
namespace {

// Lower-cases whatever is typed or pasted, so a password typed in capitals is accepted.
class LowerCaseValidator : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString& input, int&) const override {
        input = input.toLower();
        return Acceptable;
    }
};

} // namespace

PasswordDialog::PasswordDialog(QWidget* parent) : QDialog(parent), m_field(new QLineEdit(this)) {
    setWindowTitle("Password");
    m_field->setEchoMode(QLineEdit::Password);
    m_field->setValidator(new LowerCaseValidator(m_field));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_field);
    layout->addWidget(buttons);
    m_field->setFocus();
}

QString PasswordDialog::Text() const {
    return m_field->text();
}

Privilege PasswordDialog::CheckPassword(Privilege request, QWidget* parent) {
    if (request != Privilege::Privileged) return Privilege::Normal;
    PasswordDialog dialog(parent);
    const bool granted = dialog.exec() == QDialog::Accepted && IsServicePassword(dialog.Text().toStdString());
    return granted ? Privilege::Privileged : Privilege::Normal;
}

} // namespace zt46
