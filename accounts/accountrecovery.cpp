#include "accounts/accountrecovery.h"

#include "accounts/accountforms.h"
#include "accounts/serverdb.h"
#include "app/dialogstyle.h"
#include "net/networkmanager.h"
#include "widgets/appqlabel.h"
#include "widgets/loaderwidget.h"
#include "widgets/switch.h"

#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

using namespace AccountForms;

AccountRecovery::AccountRecovery(QWidget *parent)
    : QDialog(parent)
{
    if (objectName().isEmpty())
        setObjectName(QStringLiteral("AccountRecovery"));
    resize(400, 285);
    setWindowTitle(QObject::tr("Recovery"));
    setMinimumSize(400, 310);
    applyDialogWindowStyle(this);
    setAttribute(Qt::WA_DeleteOnClose);
    const QFont font = dialogFont();

    emailEdit = makeField(this, "lineEdit", QObject::tr("Enter your email"), font);
    codeEdit = makeField(this, "lineEdit_2",
                         QObject::tr("Enter the verification code from your email"), font);
    passwordEdit = makeField(this, "lineEdit_3", QObject::tr("Enter your new password"), font);
    repeatEdit = makeField(this, "lineEdit_4", QObject::tr("Repeat your password"), font);
    captchaEdit = makeField(this, "lineEdit_5", QObject::tr("Enter displayed characters"), font);
    emailEdit->setValidator(
        new QRegularExpressionValidator(QRegularExpression(emailPattern()), emailEdit));
    passwordEdit->setEchoMode(QLineEdit::Password);
    repeatEdit->setEchoMode(QLineEdit::Password);

    showCharacters = new Switch(QObject::tr("Show characters"), this);
    showCharacters->setToolTip(showCharacters->text());
    showCharacters->setFont(font);

    captchaImage = new AppQLabel(this);
    captchaImage->setFont(font);
    captchaImage->setScaledContents(true);
    captchaImage->setToolTip(QObject::tr("Click to reload the captcha"));
    showCaptchaLoading(captchaImage);
    // Tall enough for the loading text in a large font.
    captchaImage->setFixedHeight(textFitHeight(captchaImage, 50));

    recoverBtn = makeButton(this, "pushButton", QStringLiteral(":/Icon/lock.svg"),
                            QObject::tr("Recover now"), QSize(130, 23), font);
    recoverBtn->setFocus();
    closeBtn
        = makeButton(this, "pushButton_2", QString(), QObject::tr("Close"), QSize(75, 23), font);
    connect(closeBtn, &QPushButton::clicked, this, &QWidget::close);

    connect(emailEdit, &QLineEdit::editingFinished, this, &AccountRecovery::checkEmailAddress);
    connect(emailEdit, &QLineEdit::textChanged, this, &AccountRecovery::onEmailEdited);
    connect(codeEdit, &QLineEdit::editingFinished, this, &AccountRecovery::checkVerificationCode);
    connect(showCharacters, &Switch::clicked, this, [this](bool on) {
        passwordEdit->setEchoMode(on ? QLineEdit::Normal : QLineEdit::Password);
        repeatEdit->setEchoMode(on ? QLineEdit::Normal : QLineEdit::Password);
    });
    connect(captchaImage, &AppQLabel::mouseClick, this, &AccountRecovery::loadCaptcha);
    connect(recoverBtn, &QPushButton::clicked, this, &AccountRecovery::onRecoverClicked);

    createLayout();
    fitDialogToContents(this, QSize(400, 310));
    loadCaptcha();
}

void AccountRecovery::createLayout()
{
    auto *captcha = new QVBoxLayout;
    captcha->addWidget(captchaImage, 0, Qt::AlignHCenter);
    captcha->addWidget(captchaEdit);
    auto *form = new QVBoxLayout;
    for (QWidget *field : { emailEdit, codeEdit, passwordEdit, repeatEdit })
        form->addWidget(field);
    form->addWidget(showCharacters, 0, Qt::AlignHCenter);
    form->addLayout(captcha);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(recoverBtn);
    buttons->addWidget(closeBtn);
    auto *outer = new QVBoxLayout(this);
    outer->addLayout(form);
    outer->addLayout(buttons);
    outer->setAlignment(buttons, Qt::AlignRight | Qt::AlignBottom);
}

void AccountRecovery::loadCaptcha()
{
    showCaptchaLoading(captchaImage);
    runInThread(
        [this](NetworkManager *manager) {
            connect(manager, &NetworkManager::captchaData, this, &AccountRecovery::setCaptchaData);
            connect(manager, &NetworkManager::captchaError, this,
                    &AccountRecovery::setCaptchaError);
        },
        [](NetworkManager *manager) {
            QMetaObject::invokeMethod(manager, "getCaptcha",
                                      Q_ARG(QString, QStringLiteral("productRecovery")));
        });
}

void AccountRecovery::setCaptchaData(const QImage &data, const QString &code)
{
    showCaptchaImage(captchaImage, data);
    captchaText = code;
}

void AccountRecovery::setCaptchaError(QNetworkReply::NetworkError code)
{
    captchaText.clear();
    const QString text
        = QObject::tr("Captcha error code:") + QLatin1Char(' ') + QString::number(int(code));
    if (error(text))
        showCaptchaError(captchaImage, text);
}

void AccountRecovery::checkEmailAddress()
{
    const QString email = emailEdit->text();
    if (email.isEmpty() || accountFound || codeAccepted)
        return;
    if (hasAllUpperCasePart(email)) {
        if (error(QObject::tr("You can't use all uppercase characters!")))
            markFieldInvalid(emailEdit);
        return;
    }
    startEmailValidation(email);
}

void AccountRecovery::startEmailValidation(const QString &email)
{
    // Only the answers of this lookup count; editing the field or a later lookup cancels it.
    const int lookup = ++emailLookup;
    lookupEmail = email;
    verificationCode.clear();
    codeEmail.clear();
    const auto current = [this, lookup] {
        return lookup == emailLookup;
    };
    runInThread(
        [this, current](NetworkManager *manager) {
            connect(manager, &NetworkManager::customerFound, this, [this, current] {
                if (current())
                    setCustomerFound();
            });
            connect(manager, &NetworkManager::recoveryVerifCode, this,
                    [this, current](const QString &code) {
                        if (!current())
                            return;
                        codeEmail = lookupEmail;
                        setRecoveryVerifCode(code);
                    });
            connect(manager, &NetworkManager::noCustomerFound, this, [this, current] {
                if (current())
                    setNoCustomerFound();
            });
            connect(manager, &NetworkManager::jsonReaderError, this,
                    [this, current](const QJsonParseError &parseError) {
                        if (current())
                            setJsonReaderError(parseError);
                    });
            connect(manager, &NetworkManager::emailValidationError, this,
                    [this, current](QNetworkReply::NetworkError code) {
                        if (current())
                            setEmailValidationError(code);
                    });
        },
        [email = threadCopy(email)](NetworkManager *manager) {
            QMetaObject::invokeMethod(manager, "validateEmail", Q_ARG(QString, email),
                                      Q_ARG(QString, QStringLiteral("Recovery")));
        });
}

void AccountRecovery::onEmailEdited(const QString &text)
{
    if (text == lookupEmail)
        return;
    ++emailLookup;
    lookupEmail.clear();
}

void AccountRecovery::setCustomerFound()
{
    accountFound = true;
    markFieldValid(emailEdit);
}

void AccountRecovery::setRecoveryVerifCode(const QString &code)
{
    verificationCode = code;
}

void AccountRecovery::emailFailed(const QString &text)
{
    if (!error(text))
        return;
    accountFound = false;
    markFieldInvalid(emailEdit);
}

void AccountRecovery::setNoCustomerFound()
{
    emailFailed(QObject::tr("No such user account has been found!"));
}

void AccountRecovery::setJsonReaderError(const QJsonParseError &updateError)
{
    emailFailed(QObject::tr("Email validation error! Code:") + QLatin1Char(' ')
                + QString::number(int(updateError.error)));
}

void AccountRecovery::setEmailValidationError(QNetworkReply::NetworkError code)
{
    emailFailed(QObject::tr("Email validation failed! Error code:") + QLatin1Char(' ')
                + QString::number(int(code)));
}

void AccountRecovery::checkVerificationCode()
{
    if (codeEdit->text().isEmpty() || !accountFound || codeAccepted)
        return;
    // A code counts only for the address it was mailed to.
    if (codeEdit->text() == verificationCode && emailEdit->text() == codeEmail) {
        codeAccepted = true;
        markFieldValid(codeEdit);
        return;
    }
    if (!error(QObject::tr(
            "Your verification code is incorrect and not accepted!\nPlease enter the valid "
            "verification code from your email.")))
        return;
    codeAccepted = false;
    markFieldInvalid(codeEdit);
}

void AccountRecovery::onRecoverClicked()
{
    for (QLineEdit *field : { emailEdit, codeEdit, passwordEdit, repeatEdit, captchaEdit }) {
        if (field->text().isEmpty()) {
            showMessage(this, QObject::tr("Recovery"),
                        QObject::tr("Please fill in all fields to recover your account!"), 2);
            return;
        }
    }
    // Each check may show a message, in whose loop a result may close this dialog.
    const QPointer<AccountRecovery> self(this);
    checkEmailField(this, emailEdit);
    if (!self)
        return;
    checkPasswordFields(this, passwordEdit, repeatEdit);
    if (!self)
        return;
    const bool captchaMatches = checkCaptchaField(this, captchaEdit, captchaText);
    if (!self)
        return;
    if (accountFound && codeAccepted && captchaMatches && emailEdit->text() == codeEmail)
        checkPasswords();
}

void AccountRecovery::checkPasswords()
{
    const QString password = passwordEdit->text();
    if (password == repeatEdit->text() && isPasswordLengthValid(password)) {
        startPasswordEncryption(password);
        return;
    }
    markFieldInvalid(passwordEdit);
    markFieldInvalid(repeatEdit);
}

void AccountRecovery::startPasswordEncryption(const QString &password)
{
    runInThread(
        [this](NetworkManager *manager) {
            connect(manager, &NetworkManager::passEncryptionStarted, this,
                    &AccountRecovery::accountRecoveryLoader);
            connect(manager, &NetworkManager::encryptedPassword, this,
                    &AccountRecovery::setEcryptedPassword);
            connect(manager, &NetworkManager::ecryptionError, this,
                    &AccountRecovery::setEncryptionError);
        },
        [password = threadCopy(password)](NetworkManager *manager) {
            QMetaObject::invokeMethod(manager, "encryptPassword", Q_ARG(QString, password));
        });
}

void AccountRecovery::accountRecoveryLoader()
{
    loader = startLoader(this);
}

void AccountRecovery::setEcryptedPassword(const QString &password)
{
    storeNewPassword(password);
}

void AccountRecovery::storeNewPassword(const QString &storedForm)
{
    auto *db = new ServerDB;
    connect(db, &ServerDB::recoverySuccess, this, &AccountRecovery::setRecoverySucess);
    connect(db, &ServerDB::recoveryFailed, this, &AccountRecovery::setRecoveryFailed);
    connect(db, &ServerDB::recoveryFinished, db, &ServerDB::closeConnection);
    connect(db, &ServerDB::finished, db, &QObject::deleteLater);
    connect(db, &ServerDB::finished, this, &QWidget::close);
    db->recoverAccount(codeEmail, storedForm);
}

void AccountRecovery::setEncryptionError(int code)
{
    stopLoader(loader);
    if (!error(QObject::tr("Password encryption error code:") + QLatin1Char(' ')
               + QString::number(code)))
        return;
    markFieldInvalid(passwordEdit);
    markFieldInvalid(repeatEdit);
}

void AccountRecovery::setRecoverySucess()
{
    stopLoader(loader);
    if (showMessage(this, QObject::tr("Information"),
                    QObject::tr("Your password has been successfully changed."), 1))
        emit accountLoginData(emailEdit->text(), passwordEdit->text());
}

void AccountRecovery::setRecoveryFailed(const QString &errorCode)
{
    stopLoader(loader);
    // An empty code: no account has the address, so nothing was changed.
    const QString detail = errorCode.isEmpty()
        ? QObject::tr("No such user account has been found!")
        : QObject::tr("Error code:") + QLatin1Char(' ') + errorCode;
    error(QObject::tr("The password of your account could not be changed.") + QLatin1Char('\n')
          + detail);
}

bool AccountRecovery::error(const QString &text)
{
    return showMessage(this, QObject::tr("Error"), text, 3);
}
