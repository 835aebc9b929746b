#include "accounts/login.h"

#include "accounts/accountforms.h"
#include "accounts/accountrecovery.h"
#include "accounts/accountregistration.h"
#include "accounts/serverdb.h"
#include "app/applog.h"
#include "app/cipher.h"
#include "app/dialogstyle.h"
#include "app/settings.h"
#include "net/networkmanager.h"
#include "widgets/appqlabel.h"
#include "widgets/loaderwidget.h"
#include "widgets/switch.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QShowEvent>
#include <QVBoxLayout>

namespace {

int avatarDeadlineOverride = 0;

QString linkText(const QString &text)
{
    return QStringLiteral("<a style=\"text-decoration: none;\" href=\"#\">%1</a>").arg(text);
}

} // namespace

LogIn::LogIn(QWidget *parent)
    : QDialog(parent)
{
    if (objectName().isEmpty())
        setObjectName(QStringLiteral("LogIn"));
    setWindowTitle(QObject::tr("Login"));
    resize(440, 180);
    setMinimumSize(440, 180);
    applyDialogWindowStyle(this);
    setAttribute(Qt::WA_DeleteOnClose);
    const QFont font = dialogFont();

    infoLabel = new QLabel(QObject::tr("Enter your credentials to sign in to the system"), this);
    infoLabel->setObjectName(QStringLiteral("loginInfo"));
    infoLabel->setFont(font);

    loginEdit = AccountForms::makeField(this, "lineEdit",
                                        QObject::tr("Username / email / phone number"), font);
    loginEdit->setValidator(new QRegularExpressionValidator(
        QRegularExpression(QStringLiteral("^[0-9A-Za-z_+@.-]*")), loginEdit));

    passwordEdit = AccountForms::makeField(this, "lineEdit_2", QObject::tr("Password"), font);
    passwordEdit->setEchoMode(QLineEdit::Password);

    rememberMe = new Switch(QObject::tr("Remember me"), this);
    rememberMe->setToolTip(rememberMe->text());
    rememberMe->setFont(font);
    showCharacters = new Switch(QObject::tr("Show characters"), this);
    showCharacters->setToolTip(showCharacters->text());
    showCharacters->setFont(font);
    connect(showCharacters, &Switch::clicked, this, [this](bool checked) {
        passwordEdit->setEchoMode(checked ? QLineEdit::Normal : QLineEdit::Password);
    });
    connect(rememberMe, &Switch::clicked, this, [this](bool checked) {
        remember = checked;
        if (!checked)
            Settings::clearCredentials();
    });

    signUpLink = new AppQLabel(linkText(QObject::tr("Sign up")), this);
    forgotLink = new AppQLabel(linkText(QObject::tr("Forget your password?")), this);
    for (AppQLabel *link : { signUpLink, forgotLink }) {
        link->setFont(font);
        link->setOpenExternalLinks(false);
        link->setCursor(Qt::PointingHandCursor);
    }
    connect(signUpLink, &QLabel::linkActivated, this, [this]() {
        auto *registration = new AccountRegistration(this);
        connect(registration, &AccountRegistration::accountLoginData, this,
                &LogIn::setAccountLoginData);
        registration->exec();
    });
    connect(forgotLink, &QLabel::linkActivated, this, [this]() {
        auto *recovery = new AccountRecovery(this);
        connect(recovery, &AccountRecovery::accountLoginData, this, &LogIn::setAccountLoginData);
        recovery->exec();
    });

    lockLabel = new QLabel(this);
    lockLabel->setObjectName(QStringLiteral("label_6"));
    lockLabel->setPixmap(QPixmap(QStringLiteral(":/Icon/lock.svg")));
    lockLabel->setScaledContents(true);
    lockLabel->setFixedSize(60, 60);

    signInBtn = AccountForms::makeButton(this, "pushButton", QStringLiteral(":/Icon/sign-in.svg"),
                                         QObject::tr("Sign in"), QSize(75, 23), font);
    connect(signInBtn, &QPushButton::clicked, this, &LogIn::onSignInClicked);
    closeBtn = AccountForms::makeButton(this, "pushButton_2", QString(), QObject::tr("Close"),
                                        QSize(75, 23), font);
    connect(closeBtn, &QPushButton::clicked, this, &QWidget::close);

    createLayout();
    fitDialogToContents(this, QSize(440, 180));
    loadStoredCredentials();
}

void LogIn::createLayout()
{
    auto *fields = new QVBoxLayout;
    fields->setSpacing(10);
    fields->addWidget(loginEdit);
    fields->addWidget(passwordEdit);
    auto *switches = new QHBoxLayout;
    switches->addWidget(rememberMe);
    switches->addWidget(showCharacters);
    auto *column = new QVBoxLayout;
    column->addLayout(fields);
    column->setAlignment(fields, Qt::AlignHCenter);
    column->addLayout(switches);
    column->setAlignment(switches, Qt::AlignRight | Qt::AlignTop);
    auto *middle = new QHBoxLayout;
    middle->setSpacing(10);
    middle->addWidget(lockLabel, 0, Qt::AlignLeft | Qt::AlignTop);
    middle->addLayout(column);

    auto *links = new QVBoxLayout;
    links->addWidget(signUpLink, 0, Qt::AlignLeft);
    links->addWidget(forgotLink, 0, Qt::AlignLeft);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(signInBtn);
    buttons->addWidget(closeBtn);
    auto *bottom = new QHBoxLayout;
    bottom->addLayout(links);
    bottom->setAlignment(links, Qt::AlignLeft | Qt::AlignBottom);
    bottom->addStretch(1);
    bottom->addLayout(buttons);
    bottom->setAlignment(buttons, Qt::AlignRight | Qt::AlignBottom);

    auto *outer = new QVBoxLayout(this);
    outer->addWidget(infoLabel, 0, Qt::AlignRight | Qt::AlignTop);
    outer->addStretch(1);
    outer->addLayout(middle);
    outer->addStretch(1);
    outer->addLayout(bottom);
}

void LogIn::loadStoredCredentials()
{
    const QString login
        = Settings::settingsValue(QStringLiteral("Credentials"), QStringLiteral("Login"), QString())
              .toString();
    const QString password = Settings::settingsValue(QStringLiteral("Credentials"),
                                                     QStringLiteral("Password"), QString())
                                 .toString();
    const QString storedLogin = decryptString(credentialsCipherKey, login);
    const QString storedPassword = decryptString(credentialsCipherKey, password);
    if (storedLogin.isEmpty() || storedPassword.isEmpty()) {
        // Values that do not decipher (damaged, or written by another program) are no
        // credentials: signing in with empty texts would only fail.
        if (!login.isEmpty() || !password.isEmpty())
            Settings::clearCredentials();
        rememberMe->setChecked(false);
        return;
    }
    loginEdit->setText(storedLogin);
    passwordEdit->setText(storedPassword);
    rememberMe->setChecked(true);
    startLogin(loginEdit->text(), passwordEdit->text());
}

void LogIn::onSignInClicked()
{
    if (loginEdit->text().isEmpty() || passwordEdit->text().isEmpty()) {
        AccountForms::showMessage(this, QObject::tr("Attention"),
                                  QObject::tr("Please enter your credentials!"), 2);
        return;
    }
    remember = rememberMe->isChecked();
    startLogin(loginEdit->text(), passwordEdit->text());
}

void LogIn::setControlsEnabled(bool enabled)
{
    for (QWidget *control :
         std::initializer_list<QWidget *> { loginEdit, passwordEdit, signInBtn, closeBtn,
                                            rememberMe, showCharacters, signUpLink, forgotLink })
        control->setEnabled(enabled);
    signInBtn->setText(enabled ? QObject::tr("Sign in") : QObject::tr("Login"));
}

void LogIn::setAvatarDeadline(int milliseconds)
{
    avatarDeadlineOverride = qMax(0, milliseconds);
}

void LogIn::startLogin(const QString &login, const QString &password)
{
    setControlsEnabled(false);
    connectionHasFailed = false;
    accountReceived = false;
    avatarReceived = false;
    receivedAvatar = QPixmap();
    // An earlier attempt's late results are not this attempt's.
    if (database)
        database->disconnect(this);
    // Both objects belong to this dialog: a dialog closed during the sign-in releases them, and
    // no later result reaches a released dialog.
    auto *db = new ServerDB(this);
    database = db;
    if (avatarManager)
        avatarManager->deleteLater();
    avatarManager = new NetworkManager;
    avatarManager->setParent(this);
    // A picture server that never answers must not hold the sign-in.
    avatarManager->setRequestBounds(
        0, avatarDeadlineOverride > 0 ? avatarDeadlineOverride : avatarDeadlineMs);
    registerAccountMetaTypes();

    connect(db, &ServerDB::loginStarted, this, &LogIn::accountLoginLoader);
    connect(db, &ServerDB::accountData, this, &LogIn::setAccountData);
    connect(db, &ServerDB::accountImage, avatarManager.data(), &NetworkManager::getAccountAvatar);
    connect(avatarManager.data(), &NetworkManager::accountAvatar, this, &LogIn::setAccountAvatar);
    connect(db, qOverload<QString>(&ServerDB::databaseConnectionError), this,
            qOverload<const QString &>(&LogIn::dbConnectionError));
    connect(db, qOverload<>(&ServerDB::databaseConnectionError), this,
            qOverload<>(&LogIn::dbConnectionError));
    connect(db, &ServerDB::noAccountFound, this, &LogIn::setNoAccountFound);
    connect(avatarManager.data(), &NetworkManager::finished, avatarManager.data(),
            &QObject::deleteLater);
    connect(db, &ServerDB::passwordVerificationFailed, this, &LogIn::setPasswordVerificationFailed);
    connect(db, &ServerDB::passwordCheckFailed, this, &LogIn::setPasswordCheckFailed);
    connect(this, &LogIn::closeDB, db, &ServerDB::closeConnection);
    connect(db, &ServerDB::finished, db, &QObject::deleteLater);

    db->connectDB(login, password);
}

void LogIn::accountLoginLoader()
{
    stopLoader();
    // A hidden dialog stays enabled: shown during the sign-in (the window gave up waiting for
    // it), it spins there but still takes Esc and its close button.
    loader = AccountForms::makeLoader(this, isVisible());
    if (isVisible())
        loader->start();
}

void LogIn::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (loader && !loader->isSpinning())
        loader->start();
}

void LogIn::stopLoader()
{
    AccountForms::stopLoader(loader);
}

void LogIn::setAccountData(const QVector<AccountData> &accountDataVector)
{
    if (accountReceived)
        return;
    accountReceived = true;
    const QPointer<LogIn> self(this);
    emit userAccountData(accountDataVector);
    if (self)
        finishSignIn();
}

// The account and the avatar come from two servers, in either order; the dialog (and with it
// the database object that still has to deliver the account) stays until both are in.
void LogIn::setAccountAvatar(const QPixmap &avatar)
{
    if (avatarReceived)
        return;
    avatarReceived = true;
    receivedAvatar = avatar;
    // The avatar request sends no finished(); the request object ends here.
    if (avatarManager)
        avatarManager->deleteLater();
    finishSignIn();
}

void LogIn::finishSignIn()
{
    if (!accountReceived || !avatarReceived || signedIn)
        return;
    if (remember) {
        Settings::setEncipheredValue(QStringLiteral("Credentials"), QStringLiteral("Login"),
                                     credentialsCipherKey, loginEdit->text());
        Settings::setEncipheredValue(QStringLiteral("Credentials"), QStringLiteral("Password"),
                                     credentialsCipherKey, passwordEdit->text());
    }
    signedIn = true;
    const QPointer<LogIn> self(this);
    emit userAccountAvatar(receivedAvatar);
    if (!self)
        return;
    emit closeDB();
    stopLoader();
    appendToLog(QStringLiteral("%1: %2").arg(
        currentTimestamp(), QObject::tr("user successfully logged in to the system")));
    close();
}

bool LogIn::showFailure(const QString &text, bool credentialsWrong)
{
    stopLoader();
    if (avatarManager)
        avatarManager->deleteLater();
    if (isHidden())
        show();
    setControlsEnabled(true);
    // A service that could not be asked says nothing about the credentials: a start without
    // network or with a slow server keeps the remembered sign-in.
    if (credentialsWrong)
        Settings::clearCredentials();
    return AccountForms::showMessage(this, QObject::tr("Error"), text, 3);
}

void LogIn::connectionFailure(const QString &text)
{
    if (!showFailure(text, false))
        return;
    // The window goes on without an account service rather than waiting for one.
    connectionHasFailed = true;
    emit connectionFailed();
}

void LogIn::dbConnectionError()
{
    connectionFailure(QObject::tr("Could not log in!") + QLatin1Char(' ')
                      + QObject::tr("Check your network connection and try again!"));
}

void LogIn::dbConnectionError(const QString &error)
{
    emit closeDB();
    connectionFailure(QObject::tr("Could not log in!") + QLatin1Char('\n')
                      + QObject::tr("Error code:") + QLatin1Char(' ') + error);
}

// The password check did not reach the service, or got no answer from it: as for a database that
// did not answer, the reason is told and the credentials stay.
void LogIn::setPasswordCheckFailed(const QString &reason)
{
    emit closeDB();
    connectionFailure(QObject::tr("Could not log in!") + QLatin1Char('\n') + reason);
}

void LogIn::setNoAccountFound()
{
    emit closeDB();
    showFailure(QStringLiteral("%1\n%2").arg(QObject::tr("This account does not exists!"),
                                             QObject::tr("Please enter the valid credentials.")),
                true);
}

void LogIn::setPasswordVerificationFailed()
{
    emit closeDB();
    showFailure(QStringLiteral("%1\n%2").arg(
                    QObject::tr("Account credentials verification has failed!"),
                    QObject::tr("Please enter the valid credentials for your account.")),
                true);
}

void LogIn::setAccountLoginData(const QString &username, const QString &password)
{
    loginEdit->setText(username);
    passwordEdit->setText(password);
}

void LogIn::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape && !signedIn)
        emit loginCancelled();
    QDialog::keyPressEvent(event);
}

void LogIn::closeEvent(QCloseEvent *event)
{
    if (!signedIn)
        emit loginCancelled();
    event->accept();
    QDialog::closeEvent(event);
}
