#include "accounts/account.h"
#include "accounts/accountimage.h"
#include "accounts/accountrecovery.h"
#include "accounts/accountregistration.h"
#include "accounts/login.h"
#include "accounts/serverdb.h"
#include "accountstesting.h"
#include "app/cipher.h"
#include "app/msgdialog.h"
#include "app/settings.h"
#include "layoutcheck.h"
#include "mainwindow/detectionstats.h"
#include "mainwindow/verdimonnuvo.h"
#include "net/networkmanager.h"
#include "platform/fakes/fakeplatform.h"
#include "widgets/appqlabel.h"
#include "widgets/switch.h"

#include <QApplication>
#include <QDateEdit>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QtTest>

class TstAccountDialogs : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        QCoreApplication::setOrganizationName(QStringLiteral("Dravonel"));
        QCoreApplication::setApplicationName(QStringLiteral("Verdimon Nuvo"));
        fakes = std::make_unique<plat::FakePlatform>();
        scopedPlatform = std::make_unique<plat::ScopedPlatform>(fakes->platform());
        QString error;
        QVERIFY2(servers.start(&error), qPrintable(error));
        MsgDialog::setTestResponder([this](MsgDialog *box) {
            messages << box->textLabel()->text();
            return int(QDialogButtonBox::Ok);
        });
    }

    void init()
    {
        messages.clear();
        Settings::clearCredentials();
        servers.web.applyEnvironment();
        servers.db.adminQuery(QStringLiteral("UPDATE users SET status = 'offline'"));
    }

    // The account dialogs' titles, and every field, switch and link in their layouts.
    void dialogsLayOutEveryWidget()
    {
        LogIn login;
        QCOMPARE(login.windowTitle(), QStringLiteral("Login"));
        QCOMPARE(unplacedWidgets(&login, true), QStringList());
        AccountRegistration registration;
        QCOMPARE(registration.windowTitle(), QStringLiteral("Registration"));
        QCOMPARE(unplacedWidgets(&registration, true), QStringList());
        AccountRecovery recovery;
        QCOMPARE(recovery.windowTitle(), QStringLiteral("Recovery"));
        QCOMPARE(unplacedWidgets(&recovery, true), QStringList());
    }

    void rememberedSignInRunsHidden()
    {
        Settings::setSettingsValue(QStringLiteral("Credentials"), QStringLiteral("Login"),
                                   encryptString(credentialsCipherKey, QStringLiteral("alice")));
        Settings::setSettingsValue(
            QStringLiteral("Credentials"), QStringLiteral("Password"),
            encryptString(credentialsCipherKey, QStringLiteral("Alice+Pass1")));
        QPointer<LogIn> login = new LogIn;
        QSignalSpy data(login.data(), &LogIn::userAccountData);
        QSignalSpy avatar(login.data(), &LogIn::userAccountAvatar);
        QTRY_COMPARE_WITH_TIMEOUT(avatar.count(), 1, 15000);
        QCOMPARE(data.count(), 1);
        QVERIFY(!avatar.first().first().value<QPixmap>().isNull());
        QVERIFY(messages.isEmpty());
        QVERIFY(Settings::savedCredentials());
        QTRY_VERIFY(login.isNull()); // closed and released itself, never shown
    }

    void unreadableStoredCredentialsAreDropped()
    {
        Settings::setSettingsValue(QStringLiteral("Credentials"), QStringLiteral("Login"),
                                   QStringLiteral("bm90IGNpcGhlcg=="));
        Settings::setSettingsValue(QStringLiteral("Credentials"), QStringLiteral("Password"),
                                   QStringLiteral("bm90IGNpcGhlcg=="));
        LogIn dialog;
        QVERIFY(messages.isEmpty());
        QVERIFY(dialog.signInButton()->isEnabled());
        QVERIFY(!Settings::savedCredentials());
    }

    void failedSignInClearsCredentials_data()
    {
        QTest::addColumn<QString>("login");
        QTest::addColumn<QString>("password");
        QTest::addColumn<bool>("webDown"); // also: the dialog reports the connection failure
        QTest::addColumn<QString>("message");
        QTest::newRow("wrong password") << "alice"
                                        << "wrong" << false
                                        << "Account credentials verification has failed!\nPlease "
                                           "enter the valid credentials for your account.";
        QTest::newRow("no account")
            << "nobody"
            << "x" << false << "This account does not exists!\nPlease enter the valid credentials.";
        QTest::newRow("web service down")
            << "alice"
            << "Alice+Pass1" << true
            << "Could not log in! Check your network connection and try again!";
    }

    void failedSignInClearsCredentials()
    {
        QFETCH(QString, login);
        QFETCH(QString, password);
        QFETCH(bool, webDown);
        QFETCH(QString, message);
        if (webDown)
            qputenv("VN_WEB_PORT", QByteArray::number(HttpsStandIn::closedPort()));
        LogIn dialog;
        Settings::setSettingsValue(QStringLiteral("Credentials"), QStringLiteral("Login"),
                                   QStringLiteral("old"));
        Settings::setSettingsValue(QStringLiteral("Credentials"), QStringLiteral("Password"),
                                   QStringLiteral("old"));
        QSignalSpy failures(&dialog, &LogIn::connectionFailed);
        dialog.show();
        dialog.loginField()->setText(login);
        dialog.passwordField()->setText(password);
        QTest::mouseClick(dialog.signInButton(), Qt::LeftButton);
        const QPointer<NetworkManager> request = dialog.findChild<NetworkManager *>();
        QVERIFY(request);
        QTRY_COMPARE_WITH_TIMEOUT(messages.size(), 1, 15000);
        QCOMPARE(messages.first(), message);
        QCOMPARE(failures.count(), webDown ? 1 : 0);
        QVERIFY(!Settings::savedCredentials());
        QVERIFY(dialog.signInButton()->isEnabled());
        // The attempt's request object does not outlive it.
        QTRY_VERIFY(request.isNull());
    }

    void registrationWithVerifiedEmail()
    {
        auto *dialog = new AccountRegistration;
        QPointer<AccountRegistration> guard = dialog;
        QSignalSpy credentials(dialog, &AccountRegistration::accountLoginData);
        fillRegistration(dialog, QStringLiteral("Олена Коваль"), QStringLiteral("olena_k"),
                         QStringLiteral("olena@mail.test"));
        QVERIFY(dialog->isUsernameFree);
        QTRY_VERIFY_WITH_TIMEOUT(dialog->isEmailAccepted, 10000);
        dialog->codeEdit->setText(servers.mailedCode(QStringLiteral("olena@mail.test")));
        emit dialog->codeEdit->editingFinished();
        QVERIFY(dialog->isCodeAccepted);
        QTest::mouseClick(dialog->registerBtn, Qt::LeftButton);
        QTRY_COMPARE_WITH_TIMEOUT(credentials.count(), 1, 15000);
        QCOMPARE(credentials.first(), QVariantList({ "olena_k", "New+pass 1" }));
        QCOMPARE(messages,
                 QStringList { QStringLiteral(
                     "You have been successfully registered! Sign in to use all features.") });
        QTRY_VERIFY(guard.isNull());
        QCOMPARE(servers.db.adminQuery(
                     QStringLiteral("SELECT name, email, gender, birth_date, country, user_group "
                                    "FROM users WHERE username = 'olena_k'")),
                 QStringList {
                     QStringLiteral("Олена Коваль\tolena@mail.test\t1\t1991-08-24\tUkraine\t4") });
        bool sawPassword = false;
        for (const QJsonObject &form : servers.forms())
            sawPassword |= form.value(QLatin1String("user_password")).toString()
                == QLatin1String("New+pass 1");
        QVERIFY(sawPassword);

        ServerDB db;
        QSignalSpy accepted(&db, &ServerDB::accountData);
        db.connectDB(QStringLiteral("olena@mail.test"), QStringLiteral("New+pass 1"));
        QTRY_COMPARE_WITH_TIMEOUT(accepted.count(), 1, 10000);
    }

    void registrationRefusals_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("username");
        QTest::addColumn<QString>("email");
        QTest::addColumn<QString>("message");
        const QString capitals = QStringLiteral("You can't use all uppercase characters!");
        const char *rows[][4] = {
            { "taken user name", "Bob Two", "bob", "bob2@mail.test" },
            { "used e-mail", "Al Two", "al_two", "alice@mail.test" },
            { "capital e-mail", "Al Two", "al_two", "AL@mail.test" },
            { "reserved name", "The Admins", "club_x", "club@mail.test" },
            { "reserved user name", "Club X", "siteadmin", "club@mail.test" },
            { "capital name", "ALL CAPS", "club_x", "club@mail.test" },
        };
        const QStringList messages { "Username is invalid or already taken!",
                                     "This email is empty/used/invalid or in the blacklist!",
                                     capitals,
                                     "You can't take that name!",
                                     "You can't take that username!",
                                     capitals };
        for (int i = 0; i < messages.size(); ++i)
            QTest::newRow(rows[i][0]) << rows[i][1] << rows[i][2] << rows[i][3] << messages.at(i);
    }

    void registrationRefusals()
    {
        QFETCH(QString, name);
        QFETCH(QString, username);
        QFETCH(QString, email);
        QFETCH(QString, message);
        AccountRegistration dialog;
        dialog.setAttribute(Qt::WA_DeleteOnClose, false);
        fillRegistration(&dialog, name, username, email);
        QTest::qWait(500); // the e-mail answer
        QTest::mouseClick(dialog.registerBtn, Qt::LeftButton);
        QVERIFY2(messages.contains(message), qPrintable(messages.join(QLatin1Char('|'))));
        QVERIFY(dialog.registerBtn->isEnabled());
    }

    void recoveryReplacesPassword()
    {
        auto *dialog = new AccountRecovery;
        QSignalSpy credentials(dialog, &AccountRecovery::accountLoginData);
        QTRY_COMPARE_WITH_TIMEOUT(dialog->captchaText, QStringLiteral("4711"), 10000);
        dialog->emailEdit->setText(QStringLiteral("nobody@mail.test"));
        emit dialog->emailEdit->editingFinished();
        QTRY_COMPARE_WITH_TIMEOUT(messages, QStringList { "No such user account has been found!" },
                                  10000);

        dialog->emailEdit->setText(QStringLiteral("bob@mail.test"));
        emit dialog->emailEdit->editingFinished();
        QTRY_VERIFY_WITH_TIMEOUT(dialog->accountFound, 10000);
        dialog->codeEdit->setText(servers.mailedCode(QStringLiteral("bob@mail.test")));
        emit dialog->codeEdit->editingFinished();
        dialog->passwordEdit->setText(QStringLiteral("fresh+start"));
        dialog->repeatEdit->setText(QStringLiteral("fresh+start"));
        dialog->captchaEdit->setText(QStringLiteral("4711"));
        QTest::mouseClick(dialog->recoverBtn, Qt::LeftButton);
        QTRY_COMPARE_WITH_TIMEOUT(credentials.count(), 1, 15000);
        QCOMPARE(credentials.first(), QVariantList({ "bob@mail.test", "fresh+start" }));
        QCOMPARE(messages.last(), QStringLiteral("Your password has been successfully changed."));

        ServerDB db;
        QSignalSpy accepted(&db, &ServerDB::accountData);
        db.connectDB(QStringLiteral("bob"), QStringLiteral("fresh+start"));
        QTRY_COMPARE_WITH_TIMEOUT(accepted.count(), 1, 10000);
    }

    void accountPageSignsOut_data()
    {
        QTest::addColumn<QString>("status");
        QTest::newRow("online") << "online";
        QTest::newRow("already offline") << "offline";
    }

    void accountPageSignsOut()
    {
        QFETCH(QString, status);
        servers.db.adminQuery(
            QStringLiteral("UPDATE users SET status = '%1' WHERE id = 4").arg(status));
        Account page;
        AccountData data;
        data.id = QStringLiteral("4");
        data.name = QStringLiteral("Dave Online");
        data.group_name = QStringLiteral("Users");
        data.group_color = QStringLiteral("#229954");
        page.setAccountData({ data });
        QCOMPARE(page.valueLabel(5)->text(), QStringLiteral("Unknown")); // no phone in the record
        QCOMPARE(page.valueLabel(3)->styleSheet(), QStringLiteral("color: #229954"));
        QSignalSpy loggedOut(&page, &Account::logOut);
        QTest::mouseClick(page.logOutButton(), Qt::LeftButton);
        QCOMPARE(loggedOut.count(), 1);
        QVERIFY(page.isEnabled()); // no spinner left behind
        QCOMPARE(servers.db.adminQuery(QStringLiteral("SELECT status FROM users WHERE id = 4")),
                 QStringList { QStringLiteral("offline") });
    }

    void windowSignsInAndOut()
    {
        VerdimonNuvo window(VerdimonNuvo::StartupActions::Skip);
        window.showAccountDialogs();
        QTRY_VERIFY(window.loginDialog && window.loginDialog->isVisible());
        window.loginDialog->loginField()->setText(QStringLiteral("alice"));
        window.loginDialog->passwordField()->setText(QStringLiteral("Alice+Pass1"));
        QTest::mouseClick(window.loginDialog->rememberSwitch(), Qt::LeftButton);
        QTest::mouseClick(window.loginDialog->signInButton(), Qt::LeftButton);
        QTRY_COMPARE_WITH_TIMEOUT(window.accountImage->toolTip(), QStringLiteral("Alice Moroz"),
                                  15000);
        QVERIFY(window.signedIn);
        QCOMPARE(window.accountUserId, 1);
        QTRY_VERIFY_WITH_TIMEOUT(window.loginDialog.isNull(), 15000);
        QVERIFY(Settings::savedCredentials());

        // What quitting does: the account goes offline and the connection is released.
        const QString statusQuery = QStringLiteral("SELECT status FROM users WHERE id = 1");
        QCOMPARE(servers.db.adminQuery(statusQuery), QStringList { QStringLiteral("online") });
        window.closeAccountSession();
        QCOMPARE(servers.db.adminQuery(statusQuery), QStringList { QStringLiteral("offline") });
        QVERIFY(!QSqlDatabase::contains(QStringLiteral("DBConnection")));

        emit window.accountDialog->logOutButton()->clicked();
        QVERIFY(!window.signedIn);
        QCOMPARE(window.accountUserId, 0);
        QCOMPARE(window.accountImage->toolTip(), QStringLiteral("Account"));
        QVERIFY(!Settings::savedCredentials());
        QTRY_VERIFY(window.loginDialog && window.loginDialog->isVisible());
        QCOMPARE(servers.db.adminQuery(statusQuery), QStringList { QStringLiteral("offline") });
        waitForDetections();
    }

    void windowGoesOnWhenDatabaseIsDown()
    {
        dropAccountConnection();
        qputenv("VN_DB_PORT", QByteArray::number(HttpsStandIn::closedPort()));
        DetectionStats::clearDurations();
        VerdimonNuvo window(VerdimonNuvo::StartupActions::Skip);
        window.showAccountDialogs();
        window.loginDialog->loginField()->setText(QStringLiteral("alice"));
        window.loginDialog->passwordField()->setText(QStringLiteral("Alice+Pass1"));
        QTest::mouseClick(window.loginDialog->signInButton(), Qt::LeftButton);
        QTRY_COMPARE_WITH_TIMEOUT(messages.size(), 1, 15000);
        QVERIFY(messages.first().startsWith(QStringLiteral("Could not log in!\nError code: 20")));
        QVERIFY(window.accountServiceDown);
        QVERIFY(window.accountImage->isEnabled());
        QVERIFY(window.loginDialog->isVisible()); // another attempt stays possible
        waitForDetections();
        QVERIFY(!DetectionStats::durations().isEmpty()); // the inventory did not wait
        dropAccountConnection();
        servers.db.applyEnvironment();
    }

private:
    // The window's detections end before the window does.
    static void waitForDetections()
    {
        QTRY_VERIFY_WITH_TIMEOUT(
            DetectionStats::liveThreads() == 0 && DetectionStats::liveWorkers() == 0, 60000);
    }

    void fillRegistration(AccountRegistration *dialog, const QString &name, const QString &username,
                          const QString &email)
    {
        QTRY_COMPARE_WITH_TIMEOUT(dialog->captchaCode, QStringLiteral("4711"), 10000);
        dialog->nameEdit->setText(name);
        dialog->usernameEdit->setText(username);
        emit dialog->usernameEdit->editingFinished();
        dialog->passwordEdit->setText(QStringLiteral("New+pass 1"));
        dialog->repeatEdit->setText(QStringLiteral("New+pass 1"));
        dialog->emailEdit->setText(email);
        emit dialog->emailEdit->editingFinished();
        dialog->maleButton->setChecked(true);
        dialog->birthDateEdit->setDate(QDate(1991, 8, 24));
        dialog->captchaEdit->setText(QStringLiteral("4711"));
        dialog->codeEdit->setText(QStringLiteral("000000"));
        dialog->termsSwitch->setChecked(true);
    }

    AccountServers servers;
    std::unique_ptr<plat::FakePlatform> fakes;
    std::unique_ptr<plat::ScopedPlatform> scopedPlatform;
    QStringList messages;
};

QTEST_MAIN(TstAccountDialogs)
#include "tst_accountdialogs.moc"
