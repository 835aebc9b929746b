#include "accounts/account.h"

#include "accounts/accountforms.h"
#include "accounts/accountimage.h"
#include "accounts/serverdb.h"
#include "app/dialogstyle.h"
#include "app/settings.h"
#include "widgets/loaderwidget.h"

#include <QColor>
#include <QEvent>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
// Object names of the caption and value labels, row by row.
const char *const captionNames[]
    = { "label_2", "label_4", "label_6", "label_8", "label_10", "label_13" };
const char *const valueNames[]
    = { "label_3", "label_5", "label_7", "label_9", "label_11", "label_12" };
} // namespace

Account::Account(QWidget *parent)
    : QDialog(parent)
{
    if (objectName().isEmpty())
        setObjectName(QStringLiteral("Account"));
    resize(360, 230);
    setMinimumHeight(120);
    applyDialogWindowStyle(this);

    avatar = new AccountImage(this);
    avatar->setScaledContents(true);
    avatar->setFixedSize(100, 100);
    avatar->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);

    QFont valueFont = dialogFont();
    QFont captionFont = valueFont;
    captionFont.setWeight(QFont::Bold);
    auto *form = new QFormLayout;
    form->setSpacing(12);
    for (int row = 0; row < RowCount; ++row) {
        captions[row] = new QLabel(this);
        captions[row]->setObjectName(QLatin1String(captionNames[row]));
        captions[row]->setFont(captionFont);
        values[row] = new QLabel(QObject::tr("Unknown"), this);
        values[row]->setObjectName(QLatin1String(valueNames[row]));
        values[row]->setFont(valueFont);
        // The values come from the account database: shown as they are, never as markup.
        values[row]->setTextFormat(Qt::PlainText);
        values[row]->setTextInteractionFlags(Qt::TextSelectableByMouse);
        form->addRow(captions[row], values[row]);
    }

    logOutBtn = new QPushButton(QIcon(QStringLiteral(":/Icon/sign-out.svg")), QString(), this);
    logOutBtn->setObjectName(QStringLiteral("pushButton"));
    logOutBtn->setFont(valueFont);
    logOutBtn->setMinimumSize(75, textFitHeight(logOutBtn, 23));
    connect(logOutBtn, &QPushButton::clicked, this, &Account::setUserLoggedOff);
    closeBtn = new QPushButton(this);
    closeBtn->setObjectName(QStringLiteral("pushButton_2"));
    closeBtn->setFont(valueFont);
    closeBtn->setMinimumSize(75, textFitHeight(closeBtn, 23));
    connect(closeBtn, &QPushButton::clicked, this, &QWidget::close);

    auto *top = new QHBoxLayout;
    top->addWidget(avatar);
    top->addStretch(1);
    top->addLayout(form);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(logOutBtn);
    buttons->addWidget(closeBtn);
    auto *outer = new QVBoxLayout(this);
    outer->addLayout(top);
    outer->addLayout(buttons);
    outer->setAlignment(buttons, Qt::AlignRight | Qt::AlignBottom);
    retranslate();
}

void Account::retranslate()
{
    setWindowTitle(QObject::tr("Account details"));
    const QString texts[RowCount]
        = { QObject::tr("ID:"),    QObject::tr("Name:"),  QObject::tr("Username:"),
            QObject::tr("Group:"), QObject::tr("Email:"), QObject::tr("Phone:") };
    for (int row = 0; row < RowCount; ++row)
        captions[row]->setText(texts[row]);
    logOutBtn->setText(QObject::tr("Log out"));
    closeBtn->setText(QObject::tr("Close"));
}

void Account::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QDialog::changeEvent(event);
}

void Account::setAccountData(const QVector<AccountData> &accountDataVector)
{
    if (accountDataVector.isEmpty())
        return;
    const AccountData &account = accountDataVector.first();
    values[IdRow]->setText(account.id);
    values[NameRow]->setText(account.name);
    values[UsernameRow]->setText(account.username);
    values[GroupRow]->setText(account.group_name);
    // Only a colour goes into the style sheet: any other text from the database could carry
    // style rules of its own (images, files).
    const QString colour = QColor::isValidColor(account.group_color)
        ? QColor(account.group_color).name()
        : QString();
    values[GroupRow]->setStyleSheet(QStringLiteral("color: %1").arg(colour));
    values[EmailRow]->setText(account.email);
    if (!account.phone.isEmpty())
        values[PhoneRow]->setText(account.phone);
}

void Account::setAccountAvatar(const QPixmap &picture)
{
    avatar->setAvatar(picture);
    emit dataAcquired();
}

void Account::setUserLoggedOff()
{
    setVisible(false);
    // An unreachable server ends in loggedOutFailed once the connection gives up, off the GUI
    // thread; a reachability test here would hold the window.
    auto *db = new ServerDB;
    connect(db, &ServerDB::logoutStarted, this, &Account::accountLogoffLoader);
    connect(db, &ServerDB::loggedOut, this, &Account::accountLoggedOut);
    connect(db, &ServerDB::loggedOutFailed, this, &Account::setLogoutFailed);
    connect(db, &ServerDB::finished, db, &QObject::deleteLater);
    db->setUserLoggedOffStatus(values[IdRow]->text());
}

void Account::accountLogoffLoader()
{
    loader = AccountForms::startLoader(this);
}

void Account::accountLoggedOut()
{
    Settings::clearCredentials();
    AccountForms::stopLoader(loader);
    // The window releases the page on logOut.
    const QPointer<Account> self(this);
    emit logOut();
    if (self)
        close();
}

void Account::setLogoutFailed()
{
    AccountForms::stopLoader(loader);
    AccountForms::showMessage(
        this, QObject::tr("Error"),
        QObject::tr("Failed to log out! Please check your network connection and try again."), 3);
}
