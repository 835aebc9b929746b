// The Register button's check of the whole registration form, in its fixed order.

#include "accounts/accountforms.h"
#include "accounts/accountregistration.h"
#include "widgets/switch.h"

#include <QDate>
#include <QDateEdit>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>

using namespace AccountForms;

namespace {
constexpr int maxNameLength = 40;
} // namespace

bool AccountRegistration::checkNameCase()
{
    if (nameEdit->text() == nameEdit->text().toUpper()) {
        if (error(QObject::tr("You can't use all uppercase characters!")))
            markFieldInvalid(nameEdit);
        return false;
    }
    markFieldValid(nameEdit);
    return true;
}

bool AccountRegistration::checkUsernameCase()
{
    if (usernameEdit->text() == usernameEdit->text().toUpper()) {
        if (error(QObject::tr("You can't use all uppercase characters!")))
            markFieldInvalid(usernameEdit);
        return false;
    }
    return true;
}

// One message however many reserved words the text holds.
bool AccountRegistration::isReservedName(const QStringList &reserved)
{
    for (const QString &word : reserved) {
        if (nameEdit->text().contains(word, Qt::CaseSensitive)) {
            if (error(QObject::tr("You can't take that name!")))
                markFieldInvalid(nameEdit);
            return true;
        }
    }
    return false;
}

bool AccountRegistration::isReservedUsername(const QStringList &reserved)
{
    for (const QString &word : reserved) {
        if (usernameEdit->text().contains(word, Qt::CaseSensitive)) {
            if (error(QObject::tr("You can't take that username!")))
                markFieldInvalid(usernameEdit);
            return true;
        }
    }
    return false;
}

void AccountRegistration::validateRegistrationForm(const QStringList &reserved,
                                                   const QRegularExpression &email, Switch *terms)
{
    const QList<QLineEdit *> required
        = { nameEdit, usernameEdit, passwordEdit, repeatEdit, emailEdit, captchaEdit, codeEdit };
    for (QLineEdit *field : required) {
        if (field->text().isEmpty()) {
            showMessage(this, QObject::tr("Registration"),
                        QObject::tr("Please fill in all fields to create your account!"), 2);
            return;
        }
    }
    if (!maleButton->isChecked() && !femaleButton->isChecked()) {
        showMessage(this, QObject::tr("Registration"),
                    QObject::tr("Please fill in all fields to create your account!"), 2);
        return;
    }

    if (!checkNameCase() || !checkUsernameCase() || isReservedName(reserved)
        || isReservedUsername(reserved))
        return;

    // From here on every check runs and shows its own message. A result that comes in while a
    // message is open may close the dialog: then nothing more is checked.
    const QPointer<AccountRegistration> self(this);
    (maleButton->isChecked() ? femaleButton : maleButton)->setEnabled(false);

    if (nameEdit->text().size() > maxNameLength || usernameEdit->text().size() > maxNameLength) {
        markFieldInvalid(nameEdit->text().size() > maxNameLength ? nameEdit : usernameEdit);
        if (!error(QObject::tr("Length of fullname/username is too long!")))
            return;
    } else {
        markFieldValid(nameEdit);
        markFieldValid(usernameEdit);
    }

    checkPasswordFields(this, passwordEdit, repeatEdit);
    if (!self)
        return;
    if (email.match(emailEdit->text()).hasMatch()) {
        markFieldValid(emailEdit);
    } else {
        if (!error(QObject::tr("Please enter a valid email address!")))
            return;
        markFieldInvalid(emailEdit);
    }

    if (birthDateEdit->date() < QDate::currentDate()) {
        markFieldValid(birthDateEdit);
    } else {
        if (!error(QObject::tr(
                "You can't select current or future date! Please enter a valid birthday date.")))
            return;
        markFieldInvalid(birthDateEdit);
    }

    checkCaptchaField(this, captchaEdit, captchaCode);
    if (!self)
        return;

    if (!terms->isChecked()
        && !showMessage(this, QObject::tr("Terms"), QObject::tr("You must accept the terms!"), 2))
        return;

    const bool locked = !nameEdit->isEnabled() && !usernameEdit->isEnabled()
        && !passwordEdit->isEnabled() && !repeatEdit->isEnabled() && !emailEdit->isEnabled()
        && !captchaEdit->isEnabled() && !birthDateEdit->isEnabled();
    if (terms->isChecked() && isUsernameFree && isEmailAccepted && isCodeAccepted
        && emailEdit->text() == codeEmail && locked
        && captchaEdit->text().toLower() == captchaCode) {
        registerBtn->setEnabled(false);
        checkPasswords();
    }
}
