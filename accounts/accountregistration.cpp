#include "accounts/accountregistration.h"

#include "accounts/accountdata.h"
#include "accounts/accountforms.h"
#include "accounts/serverdb.h"
#include "app/config.h"
#include "app/dialogstyle.h"
#include "app/language.h"
#include "app/settings.h"
#include "app/systemfunctions.h"
#include "net/networkmanager.h"
#include "widgets/appqlabel.h"
#include "widgets/loaderwidget.h"
#include "widgets/switch.h"

#include <QDate>
#include <QDateEdit>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

using namespace AccountForms;

AccountRegistration::AccountRegistration(QWidget *parent)
    : QDialog(parent)
{
    if (objectName().isEmpty())
        setObjectName(QStringLiteral("AccountRegistration"));
    setWindowTitle(QObject::tr("Registration"));
    setMinimumSize(400, 480);
    applyDialogWindowStyle(this);
    setAttribute(Qt::WA_DeleteOnClose);
    const QFont font = dialogFont();

    nameEdit = makeField(this, "lineEdit", QObject::tr("Enter your name"), font);
    usernameEdit = makeField(this, "lineEdit_2", QObject::tr("Enter your username"), font);
    passwordEdit = makeField(this, "lineEdit_3", QObject::tr("Enter your password"), font);
    repeatEdit = makeField(this, "lineEdit_4", QObject::tr("Repeat your password"), font);
    emailEdit = makeField(this, "lineEdit_5", QObject::tr("Enter your email"), font);
    codeEdit = makeField(this, "lineEdit_8",
                         QObject::tr("Enter the verification code from your email"), font);
    captchaEdit = makeField(this, "lineEdit_6", QObject::tr("Enter displayed characters"), font);
    nameEdit->setFocus();
    passwordEdit->setEchoMode(QLineEdit::Password);
    repeatEdit->setEchoMode(QLineEdit::Password);

    connect(nameEdit, &QLineEdit::textChanged, nameEdit,
            [this](const QString &text) { filterSpecialCharacters(nameEdit, text); });
    usernameEdit->setValidator(new QRegularExpressionValidator(
        QRegularExpression(QStringLiteral("^[0-9A-Za-z_-]*")), usernameEdit));
    connect(usernameEdit, &QLineEdit::textChanged, usernameEdit,
            [this](const QString &text) { filterSpecialCharacters(usernameEdit, text); });
    connect(usernameEdit, &QLineEdit::editingFinished, this,
            &AccountRegistration::onUsernameEntered);
    connect(usernameEdit, &QLineEdit::textChanged, this, &AccountRegistration::onUsernameEdited);

    showCharacters = new Switch(QObject::tr("Show characters"), this);
    showCharacters->setToolTip(showCharacters->text());
    showCharacters->setFont(font);
    connect(showCharacters, &Switch::clicked, this, [this](bool on) {
        passwordEdit->setEchoMode(on ? QLineEdit::Normal : QLineEdit::Password);
        repeatEdit->setEchoMode(on ? QLineEdit::Normal : QLineEdit::Password);
    });

    emailEdit->setValidator(
        new QRegularExpressionValidator(QRegularExpression(emailPattern()), emailEdit));
    connect(emailEdit, &QLineEdit::editingFinished, this, &AccountRegistration::onEmailEntered);
    connect(emailEdit, &QLineEdit::textChanged, this, &AccountRegistration::onEmailEdited);
    connect(codeEdit, &QLineEdit::editingFinished, this,
            &AccountRegistration::onVerificationCodeEntered);

    maleButton = new QRadioButton(QObject::tr("Male"), this);
    maleButton->setObjectName(QStringLiteral("radioButton"));
    femaleButton = new QRadioButton(QObject::tr("Female"), this);
    femaleButton->setObjectName(QStringLiteral("radioButton_2"));
    maleButton->setFont(font);
    femaleButton->setFont(font);

    termsLink = new AppQLabel(this);
    termsLink->setText(QStringLiteral("<a style=\"text-decoration: underline;\" "
                                      "href=\"%1/terms/privacy-policy-%2\">%3</a>")
                           .arg(Config::webBaseUrl(), termsLanguageCode(), QObject::tr("terms")));
    termsLink->setOpenExternalLinks(true);
    termsLink->setFont(font);

    birthDateEdit = new QDateEdit(QDate::currentDate(), this);
    birthDateEdit->setObjectName(QStringLiteral("dateEdit"));
    birthDateEdit->setToolTip(QObject::tr("Choose your birthday"));
    birthDateEdit->setFont(font);
    // The spin box's own frame comes on top of its field's.
    birthDateEdit->setFixedHeight(qMax(25, birthDateEdit->sizeHint().height()));
    // The month names follow the program's language rather than the system's.
    birthDateEdit->setLocale(QLocale(termsLanguageCode()));

    captchaImage = new AppQLabel(this);
    captchaImage->setScaledContents(true);
    captchaImage->setToolTip(QObject::tr("Click to reload the captcha"));
    captchaImage->setFont(font);
    showCaptchaLoading(captchaImage);
    // Tall enough for the loading text in a large font.
    captchaImage->setFixedHeight(textFitHeight(captchaImage, 50));
    connect(captchaImage, &AppQLabel::mouseClick, this, &AccountRegistration::loadCaptcha);

    termsSwitch = new Switch(
        QStringLiteral("%1 %2").arg(QObject::tr("I accept the"), QStringLiteral("Dravonel")), this);
    termsSwitch->setToolTip(termsSwitch->text() + QLatin1Char(' ') + QObject::tr("terms"));
    termsSwitch->setFont(font);
    registerBtn = makeButton(this, "pushButton", QStringLiteral(":/Icon/user_reg.svg"),
                             QObject::tr("Register"), QSize(130, 23), font);
    connect(registerBtn, &QPushButton::clicked, this, &AccountRegistration::onRegisterClicked);
    closeBtn
        = makeButton(this, "pushButton_2", QString(), QObject::tr("Close"), QSize(75, 23), font);
    connect(closeBtn, &QPushButton::clicked, this, &QWidget::close);

    createLayout();
    fitDialogToContents(this, QSize(400, 480));
    loadCaptcha();
}

void AccountRegistration::createLayout()
{
    auto *form = new QVBoxLayout;
    for (QWidget *field : { nameEdit, usernameEdit, passwordEdit, repeatEdit })
        form->addWidget(field);
    form->addWidget(showCharacters, 0, Qt::AlignHCenter);
    form->addWidget(emailEdit);
    form->addWidget(codeEdit);
    auto *genders = new QHBoxLayout;
    genders->addWidget(maleButton);
    genders->addWidget(femaleButton);
    form->addLayout(genders);
    form->setAlignment(genders, Qt::AlignHCenter);
    form->addWidget(birthDateEdit);
    auto *captcha = new QVBoxLayout;
    captcha->addWidget(captchaImage, 0, Qt::AlignHCenter);
    captcha->addWidget(captchaEdit);
    form->addLayout(captcha);

    auto *terms = new QHBoxLayout;
    terms->setSpacing(3);
    terms->addWidget(termsSwitch);
    terms->addWidget(termsLink);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(registerBtn);
    buttons->addWidget(closeBtn);

    auto *outer = new QVBoxLayout(this);
    outer->addLayout(form);
    outer->addStretch(1);
    outer->addLayout(terms);
    outer->setAlignment(terms, Qt::AlignHCenter);
    outer->addStretch(1);
    outer->addLayout(buttons);
    outer->setAlignment(buttons, Qt::AlignRight | Qt::AlignBottom);
}

QString AccountRegistration::termsLanguageCode()
{
    return languageCode(
        Settings::intValue(QStringLiteral("AppSettings"), QStringLiteral("AppLanguage"), 0));
}

QStringList AccountRegistration::reservedNames()
{
    return { QStringLiteral("Dravonel"),    QStringLiteral("dravonel"),
             QStringLiteral("admin"),       QStringLiteral("Administration"),
             QStringLiteral("Admin"),       QStringLiteral("Admins"),
             QStringLiteral("Moderators"),  QStringLiteral("Moderator"),
             QStringLiteral("Kestrin44017") };
}

void AccountRegistration::filterSpecialCharacters(QLineEdit *field, const QString &text)
{
    if (text.isEmpty())
        return;
    static const QRegularExpression special(
        QStringLiteral("[`~!@#$%^&*()+=|:;<>\u00AB\u00BB.,?/{}'\\[\\]\"]"));
    QString cleaned = text;
    cleaned.remove(special);
    if (cleaned != text)
        field->setText(cleaned);
}

void AccountRegistration::onUsernameEntered()
{
    if (usernameEdit->text().isEmpty())
        return;
    cancelUsernameCheck();
    auto *db = new ServerDB;
    usernameCheck = db;
    connect(db, &ServerDB::usernameAvailable, this, &AccountRegistration::setUsernameAvailable);
    connect(db, &ServerDB::usernameTaken, this, &AccountRegistration::setUsernameTaken);
    connect(db, &ServerDB::usernameValidationFinished, db, &ServerDB::closeConnection);
    connect(db, &ServerDB::finished, db, &QObject::deleteLater);
    db->validateUsername(usernameEdit->text());
}

// An answer about another name than the field's would be taken for this one.
void AccountRegistration::cancelUsernameCheck()
{
    if (usernameCheck)
        usernameCheck->disconnect(this);
    usernameCheck = nullptr;
}

void AccountRegistration::onUsernameEdited()
{
    isUsernameFree = false;
    cancelUsernameCheck();
}

void AccountRegistration::setUsernameAvailable()
{
    isUsernameFree = true;
    usernameEdit->setStyleSheet(
        QStringLiteral("QWidget {border: 0.5px solid #000000;} QToolTip {background: none;}"));
}

void AccountRegistration::setUsernameTaken()
{
    if (!error(QObject::tr("Username is invalid or already taken!")))
        return;
    isUsernameFree = false;
    markFieldInvalid(usernameEdit);
}

void AccountRegistration::onEmailEntered()
{
    const QString email = emailEdit->text();
    if (email.isEmpty() || isEmailAccepted || isCodeAccepted)
        return;
    if (hasAllUpperCasePart(email)) {
        if (error(QObject::tr("You can't use all uppercase characters!")))
            markFieldInvalid(emailEdit);
        return;
    }
    startEmailValidation(nameEdit->text(), email);
}

void AccountRegistration::startEmailValidation(const QString &name, const QString &email)
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
            connect(manager, &NetworkManager::emailAccepted, this, [this, current] {
                if (current())
                    setEmailAccepted();
            });
            connect(manager, &NetworkManager::regVerifCode, this,
                    [this, current](const QString &code) {
                        if (!current())
                            return;
                        codeEmail = lookupEmail;
                        setRegVerifCode(code);
                    });
            connect(manager, &NetworkManager::emailBlocked, this, [this, current] {
                if (current())
                    setEmailBlocked();
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
        [name = threadCopy(name), email = threadCopy(email)](NetworkManager *manager) {
            QMetaObject::invokeMethod(manager, "validateEmail", Q_ARG(QString, name),
                                      Q_ARG(QString, email),
                                      Q_ARG(QString, QStringLiteral("Registration")));
        });
}

void AccountRegistration::onEmailEdited(const QString &text)
{
    if (text == lookupEmail)
        return;
    ++emailLookup;
    lookupEmail.clear();
}

void AccountRegistration::setEmailAccepted()
{
    isEmailAccepted = true;
    markFieldValid(emailEdit);
}

void AccountRegistration::setRegVerifCode(const QString &code)
{
    verificationCode = code;
}

void AccountRegistration::emailFailed(const QString &text)
{
    if (!error(text))
        return;
    isEmailAccepted = false;
    markFieldInvalid(emailEdit);
}

void AccountRegistration::setEmailBlocked()
{
    emailFailed(QObject::tr("This email is empty/used/invalid or in the blacklist!"));
}

void AccountRegistration::setEmailValidationError(QNetworkReply::NetworkError code)
{
    emailFailed(QObject::tr("Email validation failed! Error code:") + QLatin1Char(' ')
                + QString::number(int(code)));
}

void AccountRegistration::setJsonReaderError(const QJsonParseError &updateError)
{
    emailFailed(QObject::tr("Email validation error! Code:") + QLatin1Char(' ')
                + QString::number(int(updateError.error)));
}

void AccountRegistration::onVerificationCodeEntered()
{
    if (codeEdit->text().isEmpty() || !isEmailAccepted || isCodeAccepted)
        return;
    // A code counts only for the address it was mailed to.
    if (codeEdit->text() == verificationCode && emailEdit->text() == codeEmail) {
        isCodeAccepted = true;
        markFieldValid(codeEdit);
        return;
    }
    if (!error(QObject::tr(
            "Your verification code is incorrect and not accepted!\nPlease enter the valid "
            "verification code from your email.")))
        return;
    isCodeAccepted = false;
    markFieldInvalid(codeEdit);
}

void AccountRegistration::loadCaptcha()
{
    showCaptchaLoading(captchaImage);
    runInThread(
        [this](NetworkManager *manager) {
            connect(manager, &NetworkManager::captchaData, this,
                    &AccountRegistration::setCaptchaData);
            connect(manager, &NetworkManager::captchaError, this,
                    &AccountRegistration::setCaptchaError);
        },
        [](NetworkManager *manager) {
            QMetaObject::invokeMethod(manager, "getCaptcha",
                                      Q_ARG(QString, QStringLiteral("productReg")));
        });
}

void AccountRegistration::setCaptchaData(const QImage &data, const QString &code)
{
    showCaptchaImage(captchaImage, data);
    captchaCode = code;
}

void AccountRegistration::setCaptchaError(QNetworkReply::NetworkError code)
{
    const QString text
        = QObject::tr("Captcha error code:") + QLatin1Char(' ') + QString::number(int(code));
    if (error(text))
        showCaptchaError(captchaImage, text);
}

void AccountRegistration::onRegisterClicked()
{
    validateRegistrationForm(reservedNames(), QRegularExpression(emailPattern()), termsSwitch);
}

void AccountRegistration::checkPasswords()
{
    if (passwordEdit->text() != repeatEdit->text())
        return;
    const QString password = passwordEdit->text();
    runInThread(
        [this](NetworkManager *manager) {
            connect(manager, &NetworkManager::passEncryptionStarted, this,
                    &AccountRegistration::accountRegLoader);
            connect(manager, &NetworkManager::encryptedPassword, this,
                    &AccountRegistration::setEcryptedPassword);
            connect(manager, &NetworkManager::ecryptionError, this,
                    &AccountRegistration::setEncryptionError);
        },
        [password = threadCopy(password)](NetworkManager *manager) {
            QMetaObject::invokeMethod(manager, "encryptPassword", Q_ARG(QString, password));
        });
}

void AccountRegistration::accountRegLoader()
{
    loader = startLoader(this);
}

void AccountRegistration::setEncryptionError(int code)
{
    stopLoader(loader);
    if (!error(QObject::tr("Password encryption error code:") + QLatin1Char(' ')
               + QString::number(code)))
        return;
    markFieldInvalid(passwordEdit);
    markFieldInvalid(repeatEdit);
    registerBtn->setEnabled(true);
}

void AccountRegistration::setEcryptedPassword(const QString &encryptedPassword)
{
    storedPassword = encryptedPassword;
    auto *manager = new NetworkManager;
    manager->setParent(this);
    connect(manager, &NetworkManager::userCountry, this, &AccountRegistration::onUserCountry);
    connect(manager, &NetworkManager::finished, manager, &QObject::deleteLater);
    manager->getLocation();
}

void AccountRegistration::onUserCountry(const QString &countryText)
{
    country = countryText.isEmpty() ? QStringLiteral("Unknown") : countryText;
    registerUser();
}

void AccountRegistration::registerUser()
{
    RegData reg;
    reg.name = nameEdit->text();
    reg.username = usernameEdit->text();
    reg.password = storedPassword;
    reg.email = codeEmail.toHtmlEscaped();
    reg.gender = maleButton->isChecked() ? 1 : 2;
    reg.reg_date = serverDateTimeText(QStringLiteral("yyyy-MM-dd hh:mm:ss"));
    reg.user_group = 4;
    reg.birth_date = QLocale(QLocale::English, QLocale::UnitedStates)
                         .toString(birthDateEdit->date(), QStringLiteral("yyyy-MM-dd"));
    reg.country_id = country;
    registerAccountMetaTypes();

    auto *db = new ServerDB;
    connect(db, &ServerDB::regSuccess, this, &AccountRegistration::setRegSucess);
    connect(db, &ServerDB::regFailed, this, &AccountRegistration::setRegFailed);
    connect(db, &ServerDB::registrationFinished, db, &ServerDB::closeConnection);
    connect(db, &ServerDB::finished, db, &QObject::deleteLater);
    db->registerAccount(QVector<RegData> { reg });
}

void AccountRegistration::setRegSucess()
{
    stopLoader(loader);
    if (!showMessage(
            this, QObject::tr("Information"),
            QObject::tr("You have been successfully registered! Sign in to use all features."), 1))
        return;
    registerBtn->setEnabled(true);
    emit accountLoginData(usernameEdit->text(), passwordEdit->text());
    close();
}

void AccountRegistration::setRegFailed(const QString &errorCode)
{
    stopLoader(loader);
    if (!error(QObject::tr("Registration failed! Error code:") + QLatin1Char(' ') + errorCode))
        return;
    // The form stays, open for a correction and another attempt; the verified address and
    // its code stay locked.
    for (QWidget *field : std::initializer_list<QWidget *> {
             nameEdit, usernameEdit, passwordEdit, repeatEdit, birthDateEdit, captchaEdit })
        field->setEnabled(true);
    registerBtn->setEnabled(true);
}

bool AccountRegistration::error(const QString &text)
{
    return showMessage(this, QObject::tr("Error"), text, 3);
}
