// The account services and dialogs against a private MariaDB with the seed accounts and the
// HTTPS web service that asks it, both on loopback.

#include "accounts/account.h"
#include "accounts/accountimage.h"
#include "accounts/accountqueries.h"
#include "accounts/accountrecovery.h"
#include "accounts/accountregistration.h"
#include "accounts/login.h"
#include "accounts/serverdb.h"
#include "accounttestsupport.h"
#include "app/cipher.h"
#include "app/config.h"
#include "app/fonts.h"
#include "app/msgdialog.h"
#include "app/settings.h"
#include "appidentity.h"
#include "httpsstandin.h"
#include "layoutcheck.h"
#include "mainwindow/detectionstats.h"
#include "mainwindow/verdimonnuvo.h"
#include "mariadbstandin.h"
#include "net/networkmanager.h"
#include "platform/fakes/fakeplatform.h"
#include "quitrequest.h"
#include "signallog.h"
#include "silentlistener.h"
#include "widgets/appqlabel.h"
#include "widgets/loaderwidget.h"
#include "widgets/switch.h"

#include <QApplication>
#include <QDateEdit>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QSqlDatabase>
#include <QTimer>
#include <QtTest>

class TstAccountDialogs : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        registerAccountMetaTypes();
        fakes = std::make_unique<plat::FakePlatform>();
        scopedPlatform = std::make_unique<plat::ScopedPlatform>(fakes->platform());
        const QString notStarted = AccountTestSupport::startAccountServices(dbServer, webServer);
        QVERIFY2(notStarted.isEmpty(), qPrintable(notStarted));
        collectMessages();
    }

    void init()
    {
        TestSupport::forgetQuitRequest(); // an earlier case quit the program
        messages.clear();
        Settings::clearCredentials();
        webServer.applyEnvironment();
        dbServer.adminQuery(QStringLiteral("UPDATE users SET status = 'offline'"));
    }

    // Forgets the shared connection, so the next ServerDB reads the configuration again.
    void cleanup()
    {
        QVERIFY(ServerDB::endSession(15000));
        dbServer.applyEnvironment();
        AccountQueries::setConnectTimeout(0);
    }

    void formBodyKeepsEveryCharacter_data()
    {
        QTest::addColumn<QString>("value");
        QTest::addColumn<QByteArray>("encoded");
        QTest::newRow("delimiters") << QStringLiteral("x&y=z") << QByteArray("x%26y%3Dz");
        QTest::newRow("escape-like") << QStringLiteral("50%41") << QByteArray("50%2541");
    }

    void formBodyKeepsEveryCharacter()
    {
        QFETCH(QString, value);
        QFETCH(QByteArray, encoded);
        QCOMPARE(NetworkManager::formBody({ { "k", value }, { "t", "1" } }),
                 QByteArray("k=" + encoded + "&t=1"));
    }

    void captchaSplitsAtLastSemicolon()
    {
        QImage image;
        QString code;
        NetworkManager::splitCaptcha(QByteArray("not;an image;ab12"), &image, &code);
        QCOMPARE(code, QStringLiteral("ab12"));
        QVERIFY(image.isNull());
        NetworkManager::splitCaptcha(QByteArray("no separator"), &image, &code);
        QCOMPARE(code, QStringLiteral("no separator"));
    }

    void emailValidationReplies_data()
    {
        QTest::addColumn<QString>("mode");
        QTest::addColumn<QString>("email");
        QTest::addColumn<QStringList>("signalNames");
        // The signals as a blank-separated list.
        const char *rows[][4] = {
            { "Registration, plain text", "acctext", "a@mail.test", "jsonReaderError" },
            { "Registration, service down", "accdown", "a@mail.test", "emailValidationError" },
            { "Recovery, plain text", "acctext", "bob@mail.test", "noCustomerFound" },
            { "Recovery, empty object", "accempty", "bob@mail.test", "jsonReaderError" },
        };
        for (const auto &row : rows)
            QTest::newRow(row[0])
                << row[1] << row[2]
                << (QString::fromLatin1(row[3]) + " finished").split(QLatin1Char(' '));
    }

    void emailValidationReplies()
    {
        QFETCH(QString, mode);
        QFETCH(QString, email);
        QFETCH(QStringList, signalNames);
        webServer.applyEnvironment(mode);
        NetworkManager manager;
        SignalLog log(&manager);
        if (QByteArray(QTest::currentDataTag()).startsWith("Recovery"))
            manager.validateEmail(email, QStringLiteral("Recovery"));
        else
            manager.validateEmail("New User", email, "Registration");
        QVERIFY(log.waitFor(QStringLiteral("finished"), 10000));
        QCOMPARE(log.names(), signalNames);
    }

    void signIn_data()
    {
        QTest::addColumn<QString>("login");
        QTest::addColumn<QString>("password");
        QTest::addColumn<QStringList>("outcome");
        QTest::addColumn<QString>("username"); // of the account read
        QTest::addColumn<QString>("group");
        // login, password, signals after "loginStarted", user name and group of the account read
        const char *rows[][6] = {
            { "user name, unknown group", "carol", "carol-pass", "accountImage accountData",
              "carol", "" },
            { "e-mail", "bob@mail.test", "bob-secret", "accountImage accountData", "bob", "Users" },
            // A '+' in the password arrives as '+', not as a blank.
            { "phone", "+380501112233", "Alice+Pass1", "accountImage accountData", "alice",
              "Developers" },
            { "wrong password", "alice", "alice+pass1", "passwordVerificationFailed finished", "",
              "" },
            { "unknown login", "' OR '1'='1", "x", "noAccountFound", "", "" },
        };
        for (const auto &row : rows)
            QTest::newRow(row[0]) << row[1] << row[2]
                                  << ("loginStarted " + QString::fromLatin1(row[3])).split(' ')
                                  << row[4] << row[5];
    }

    void signIn()
    {
        QFETCH(QString, login);
        QFETCH(QString, password);
        QFETCH(QStringList, outcome);
        QFETCH(QString, username);
        QFETCH(QString, group);
        const QVector<AccountData> account = signInAs(login, password);
        QCOMPARE(log->names(), outcome);
        if (!log->contains(QStringLiteral("noAccountFound")))
            QCOMPARE(forms().last().value(QLatin1String("user_pas")).toString(), password);
        if (username.isEmpty()) {
            QVERIFY(account.isEmpty());
            return;
        }
        QCOMPARE(account.size(), 1);
        QCOMPARE(account.first().username, username);
        QCOMPARE(account.first().group_name, group);
        QCOMPARE(account.first().dev_access, username != QLatin1String("carol"));
        QCOMPARE(account.first().avatar, QStringLiteral("avatars/%1.png").arg(username));
        const QString query(
            "SELECT status, last_login IS NOT NULL FROM users WHERE username = '%1'");
        QCOMPARE(dbServer.adminQuery(query.arg(username)), QStringList { "online\t1" });
    }

    void signOut_data()
    {
        QTest::addColumn<QString>("id");
        QTest::addColumn<QString>("status");
        QTest::addColumn<QString>("result");
        const char *rows[][4] = {
            { "online", "4", "online", "loggedOut" },
            { "no such account", "999", "offline", "loggedOut" },
            { "id zero", "0", "online", "loggedOutFailed" },
            { "not a number", "4; DROP TABLE users", "online", "loggedOutFailed" },
        };
        for (const auto &row : rows)
            QTest::newRow(row[0]) << row[1] << row[2] << row[3];
    }

    void signOut()
    {
        QFETCH(QString, id);
        QFETCH(QString, status);
        QFETCH(QString, result);
        dbServer.adminQuery(QString("UPDATE users SET status = '%1' WHERE id = 4").arg(status));
        ServerDB db;
        SignalLog log(&db);
        db.setUserLoggedOffStatus(id);
        QVERIFY(log.waitFor(QStringLiteral("finished")));
        QCOMPARE(log.names(), QStringList({ "logoutStarted", result, "finished" }));
        QCOMPARE(dbServer.adminQuery(QStringLiteral("SELECT status FROM users WHERE id = 4")),
                 QStringList { id == QLatin1String("4") ? QStringLiteral("offline") : status });
        QCOMPARE(dbServer.adminQuery(QStringLiteral("SELECT COUNT(*) FROM users")).size(), 1);
    }

    void registrationStoresValuesVerbatim()
    {
        RegData reg;
        // Quotes, and characters of two, three and four bytes in UTF-8.
        reg.name
            = QStringLiteral("Robert'); DROP TABLE users;-- Zoë Олена 李 \U0001F600 \U0001D11E");
        reg.username = QStringLiteral("robert_tables");
        reg.password = QStringLiteral("vn1$x$y");
        reg.email = QStringLiteral("robert@mail.test");
        reg.gender = 1;
        reg.reg_date = QStringLiteral("2026-01-02 03:04:05");
        reg.user_group = 4;
        reg.birth_date = QStringLiteral("1990-05-06");
        reg.country_id = QStringLiteral("Україна");
        RegData second = reg;
        second.username = QStringLiteral("second_record");
        second.email = QStringLiteral("second@mail.test");

        ServerDB db;
        log = std::make_unique<SignalLog>(&db);
        db.registerAccount({ reg, second });
        QVERIFY(log->waitFor(QStringLiteral("registrationFinished")));
        QCOMPARE(log->names(), QStringList({ "regSuccess", "registrationFinished" }));
        const QString hex = QString::fromLatin1(reg.name.toUtf8().toHex().toUpper());
        QCOMPARE(dbServer.adminQuery("SELECT HEX(name), country, reg_from, dev_access, is_verified "
                                     "FROM users WHERE username = 'robert_tables'"),
                 QStringList { hex + "\tУкраїна\tVerdimon Nuvo\t0\tyes" });
        QVERIFY(
            dbServer.adminQuery("SELECT id FROM users WHERE username = 'second_record'").isEmpty());

        // The same user name again: the server's duplicate-key code reaches the caller.
        log->clear();
        db.registerAccount({ reg });
        QVERIFY(log->waitFor(QStringLiteral("registrationFinished")));
        QCOMPARE(log->names(), QStringList({ "regFailed", "registrationFinished" }));
        QCOMPARE(argument(QStringLiteral("regFailed")), QStringLiteral("1062"));

        // And back: the sign-in reads the name as it is stored.
        dbServer.adminQuery("UPDATE users SET name = CONVERT(UNHEX('" + hex
                            + "') USING utf8mb4) WHERE username = 'alice'");
        const QVector<AccountData> account = signInAs("alice", "Alice+Pass1");
        dbServer.adminQuery("UPDATE users SET name = 'Alice Moroz' WHERE username = 'alice'");
        QCOMPARE(account.value(0).name, reg.name);
    }

    void recoveryOfUnknownAddress()
    {
        ServerDB db;
        SignalLog log(&db);
        db.recoverAccount(QStringLiteral("nobody@mail.test"), QStringLiteral("vn1$a$b"));
        QVERIFY(log.waitFor(QStringLiteral("recoveryFinished")));
        QCOMPARE(log.names(), QStringList({ "recoveryFailed", "recoveryFinished" }));
        QCOMPARE(log.arguments(QStringLiteral("recoveryFailed")).value(0),
                 QVariantList { QString() });
    }

    // A sign-in with the database or the web service down ends, the database's own code told.
    void serviceDown_data()
    {
        QTest::addColumn<QByteArray>("variable");
        QTest::addColumn<QStringList>("outcome");
        QTest::addColumn<QString>("code");
        QTest::newRow("database") << QByteArray("VN_DB_PORT")
                                  << QStringList { "loginStarted", "databaseConnectionError(1)" }
                                  << "2002";
        QTest::newRow("web service")
            << QByteArray("VN_WEB_PORT")
            << QStringList { "loginStarted", "databaseConnectionError()", "finished" } << "";
    }

    void serviceDown()
    {
        QFETCH(QByteArray, variable);
        QFETCH(QStringList, outcome);
        qputenv(variable.constData(), QByteArray::number(HttpsStandIn::closedPort()));
        signInAs(QStringLiteral("alice"), QStringLiteral("Alice+Pass1"));
        QCOMPARE(log->names(), outcome);
        QTEST(argument(QStringLiteral("databaseConnectionError(1)")), "code");
    }

    // Each request against a database that accepts the connection and never answers: its
    // outcome, given up after the connect time-out, while the GUI thread's timers keep ticking.
    void silentDatabase_data()
    {
        QTest::addColumn<QString>("request");
        QTest::addColumn<QStringList>("outcome");
        QTest::addColumn<QString>("code"); // first argument of the outcome's first signal
        const char *rows[][3] = {
            { "connectDB", "loginStarted databaseConnectionError(1)", "2013" },
            { "validateUsername", "usernameTaken usernameValidationFinished", "" },
            { "validatePhone", "phoneTaken phoneValidationFinished", "" },
            { "registerAccount", "regFailed registrationFinished", "2013" },
            { "setUserLoggedOffStatus", "logoutStarted loggedOutFailed finished", "" },
            { "recoverAccount", "recoveryFailed recoveryFinished", "2013" },
        };
        for (const auto &row : rows)
            QTest::newRow(row[0]) << row[0] << QString::fromLatin1(row[1]).split(' ') << row[2];
    }

    void silentDatabase()
    {
        QFETCH(QString, request);
        QFETCH(QStringList, outcome);
        QFETCH(QString, code);
        qputenv("VN_DB_PORT", QByteArray::number(dbServer.silentPort()));
        AccountQueries::setConnectTimeout(1); // the shortest the driver takes
        ServerDB db;
        SignalLog log(&db);
        int ticks = 0;
        QTimer ticker;
        connect(&ticker, &QTimer::timeout, [&ticks] { ++ticks; });
        ticker.start(50);
        QElapsedTimer clock;
        clock.start();
        RegData reg;
        reg.username = QStringLiteral("silent_user");
        if (request == "connectDB")
            db.connectDB("alice", "Alice+Pass1");
        else if (request == "validateUsername")
            db.validateUsername("alice");
        else if (request == "validatePhone")
            db.validatePhone("+380501112233");
        else if (request == "registerAccount")
            db.registerAccount({ reg });
        else if (request == "setUserLoggedOffStatus")
            db.setUserLoggedOffStatus("4");
        else
            db.recoverAccount("bob@mail.test", "vn1$a$b");
        QVERIFY2(clock.elapsed() < 200, "the call waited for the database");
        QVERIFY(log.waitFor(outcome.last(), 20000));
        const qint64 took = clock.elapsed();
        QCOMPARE(log.names(), outcome);
        if (!code.isEmpty())
            QCOMPARE(log.arguments(outcome.at(request == "connectDB" ? 1 : 0)).value(0).value(0),
                     QVariant(code));
        const qint64 limit = AccountQueries::connectTimeout() * 1000;
        QVERIFY2(took >= limit - 500 && took < limit + 2500, qPrintable(QString::number(took)));
        QVERIFY2(ticks >= took / 50 / 2, qPrintable(QString::number(ticks)));
    }

    // Quitting hands the sign-out to the database thread and waits for it only briefly.
    void quitDoesNotWaitForSilentDatabase()
    {
        qputenv("VN_DB_PORT", QByteArray::number(dbServer.silentPort()));
        // The two requests take twice this, well past the wait of quitting.
        AccountQueries::setConnectTimeout(2);
        VerdimonNuvo window(VerdimonNuvo::StartupActions::Skip);
        window.accountUserId = 1;
        ServerDB earlier;
        earlier.validatePhone(QStringLiteral("+380501112233")); // a request still waiting
        QElapsedTimer clock;
        clock.start();
        window.closeAccountSession();
        QVERIFY2(clock.elapsed() < 2500, qPrintable(QString::number(clock.elapsed())));
        // The thread gives up by itself and forgets the connection.
        QTRY_VERIFY_WITH_TIMEOUT(!QSqlDatabase::contains(QStringLiteral("DBConnection")), 20000);
    }

    // At the smallest and the largest size the Misc page offers, every field, switch and link is
    // in a layout, no text is cut and no field covers another; the titles, and the sign-in
    // dialog's opening size: 440 wide, 180 high or as high as its switches and fields need.
    void dialogsFitEveryFontSize_data() { addFontSizeRows(); }
    void dialogsFitEveryFontSize()
    {
        QFETCH(int, size);
        Settings::setSettingsValue("Fonts", "Size", size);
        const auto restore = qScopeGuard([] { Settings::setSettingsValue("Fonts", "Size", 12); });
        LogIn login;
        AccountRegistration registration;
        AccountRecovery recovery;
        Account account;
        if (size <= 12) { // larger fonts widen it
            QCOMPARE(login.width(), 440);
            QVERIFY(login.height() >= 180 && login.height() <= 200);
        }
        QStringList titles;
        for (QWidget *dialog : QList<QWidget *> { &login, &registration, &recovery, &account }) {
            titles << dialog->windowTitle();
            QCOMPARE(unplacedWidgets(dialog, true), QStringList());
            const QStringList faults = cutOrOverlappingWidgets(laidOutAtMinimum(dialog));
            QVERIFY2(faults.isEmpty(), qPrintable(faults.join('\n')));
        }
        QCOMPARE(titles, QStringList({ "Login", "Registration", "Recovery", "Account details" }));
    }

    void unreadableStoredCredentialsAreDropped()
    {
        storeCredentials(QStringLiteral("bm90IGNpcGhlcg=="), QStringLiteral("bm90IGNpcGhlcg=="));
        LogIn dialog;
        QVERIFY(messages.isEmpty());
        QVERIFY(dialog.signInButton()->isEnabled());
        QVERIFY(!Settings::savedCredentials());
    }

    // A failure that tells the credentials are wrong clears the remembered ones; one that says
    // nothing about them (the web service unreachable) keeps them.
    void failedSignInClearsWrongCredentials_data()
    {
        QTest::addColumn<QString>("login");
        QTest::addColumn<QString>("password");
        QTest::addColumn<bool>("webDown"); // also: the dialog reports the connection failure
        QTest::addColumn<QString>("message");
        QTest::newRow("wrong password")
            << QString("alice") << QString("wrong") << false
            << QString("Account credentials verification has failed!\n"
                       "Please enter the valid credentials for your account.");
        QTest::newRow("no account")
            << QString("nobody") << QString("x") << false
            << QString("This account does not exists!\nPlease enter the valid credentials.");
        QTest::newRow("web service down")
            << QString("alice") << QString("Alice+Pass1") << true
            << QString("Could not log in! Check your network connection and try again!");
    }

    void failedSignInClearsWrongCredentials()
    {
        QFETCH(QString, login);
        QFETCH(QString, password);
        QFETCH(bool, webDown);
        QFETCH(QString, message);
        if (webDown)
            qputenv("VN_WEB_PORT", QByteArray::number(HttpsStandIn::closedPort()));
        LogIn dialog;
        storeCredentials(QStringLiteral("old"), QStringLiteral("old"));
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
        QCOMPARE(Settings::savedCredentials(), webDown);
        QVERIFY(dialog.signInButton()->isEnabled());
        // The attempt's request object does not outlive it.
        QTRY_VERIFY(request.isNull());
    }

    void registrationWithVerifiedEmail()
    {
        auto *dialog = new AccountRegistration;
        QPointer<AccountRegistration> guard = dialog;
        QSignalSpy credentials(dialog, &AccountRegistration::accountLoginData);
        fillRegistration(dialog, "Олена Коваль", "olena_k", "olena@mail.test", true);
        QTest::mouseClick(dialog->registerBtn, Qt::LeftButton);
        QTRY_COMPARE_WITH_TIMEOUT(credentials.count(), 1, 15000);
        QCOMPARE(credentials.first(), QVariantList({ "olena_k", "New+pass 1" }));
        QCOMPARE(messages,
                 QStringList { QStringLiteral(
                     "You have been successfully registered! Sign in to use all features.") });
        QTRY_VERIFY(guard.isNull());
        QCOMPARE(dbServer.adminQuery("SELECT name, email, gender, birth_date, country, user_group "
                                     "FROM users WHERE username = 'olena_k'"),
                 QStringList { "Олена Коваль\tolena@mail.test\t1\t1991-08-24\tUkraine\t4" });
        const QList<QJsonObject> sent = forms();
        QVERIFY(std::any_of(sent.begin(), sent.end(), [](const QJsonObject &form) {
            return form.value(QLatin1String("user_password")) == QLatin1String("New+pass 1");
        }));
        QCOMPARE(signInAs(QStringLiteral("olena@mail.test"), QStringLiteral("New+pass 1")).size(),
                 1);
    }

    void registrationRefusals_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("username");
        QTest::addColumn<QString>("email");
        QTest::addColumn<QString>("message");
        const char *capitals = "You can't use all uppercase characters!";
        const char *rows[][5] = {
            { "taken user name", "Bob Two", "bob", "bob2@mail.test",
              "Username is invalid or already taken!" },
            { "used e-mail", "Al Two", "al_two", "alice@mail.test",
              "This email is empty/used/invalid or in the blacklist!" },
            { "capital e-mail", "Al Two", "al_two", "AL@mail.test", capitals },
            { "reserved name", "The Admins", "club_x", "club@mail.test",
              "You can't take that name!" },
            { "reserved user name", "Club X", "siteadmin", "club@mail.test",
              "You can't take that username!" },
            { "capital name", "ALL CAPS", "club_x", "club@mail.test", capitals },
        };
        for (const auto &row : rows)
            QTest::newRow(row[0]) << row[1] << row[2] << row[3] << row[4];
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

    // The address is edited while its lookup runs: that lookup's answer and the code mailed
    // for it count for nothing, and only the code mailed to the address in the field is taken.
    void recoveryCodeCountsOnlyForItsAddress()
    {
        AccountRecovery dialog;
        dialog.setAttribute(Qt::WA_DeleteOnClose, false);
        QTRY_COMPARE_WITH_TIMEOUT(dialog.captchaText, QStringLiteral("4711"), 10000);
        const QString alice = QStringLiteral("alice@mail.test");
        const QString bob = QStringLiteral("bob@mail.test");
        const QString before = mailedCode(alice);
        dialog.emailEdit->setText(alice);
        emit dialog.emailEdit->editingFinished();
        dialog.emailEdit->setText(bob); // before the answer for alice arrived
        QTRY_VERIFY_WITH_TIMEOUT(mailedCode(alice) != before, 10000);
        QTest::qWait(500); // the answer for alice
        QVERIFY(!dialog.accountFound);
        QVERIFY(dialog.emailEdit->isEnabled());

        emit dialog.emailEdit->editingFinished();
        QTRY_VERIFY_WITH_TIMEOUT(dialog.accountFound, 10000);
        QTRY_VERIFY_WITH_TIMEOUT(!dialog.verificationCode.isEmpty(), 10000);
        QVERIFY(mailedCode(alice) != mailedCode(bob));
        dialog.codeEdit->setText(mailedCode(alice));
        emit dialog.codeEdit->editingFinished();
        QVERIFY(!dialog.codeAccepted);
        QCOMPARE(messages.size(), 1);
        QVERIFY(messages.first().startsWith("Your verification code is incorrect"));
        dialog.codeEdit->setText(mailedCode(bob));
        emit dialog.codeEdit->editingFinished();
        QVERIFY(dialog.codeAccepted);
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

        fillRecovery(dialog);
        QTest::mouseClick(dialog->recoverBtn, Qt::LeftButton);
        QTRY_COMPARE_WITH_TIMEOUT(credentials.count(), 1, 15000);
        QCOMPARE(credentials.first(), QVariantList({ "bob@mail.test", "fresh+start" }));
        QCOMPARE(messages.last(), QStringLiteral("Your password has been successfully changed."));
        QCOMPARE(signInAs(QStringLiteral("bob"), QStringLiteral("fresh+start")).size(), 1);
    }

    void accountPageSignsOut()
    {
        dbServer.adminQuery(QStringLiteral("UPDATE users SET status = 'online' WHERE id = 4"));
        Account page;
        AccountData data;
        data.id = QStringLiteral("4");
        page.setAccountData({ data });
        QCOMPARE(page.valueLabel(5)->text(), QStringLiteral("Unknown")); // no phone in the record
        QSignalSpy loggedOut(&page, &Account::logOut);
        QTest::mouseClick(page.logOutButton(), Qt::LeftButton);
        QTRY_COMPARE_WITH_TIMEOUT(loggedOut.count(), 1, 10000);
        QVERIFY(page.isEnabled()); // no spinner left behind
        QCOMPARE(dbServer.adminQuery("SELECT status FROM users WHERE id = 4"),
                 QStringList { "offline" });
    }

    // Texts from the database are shown as text; the group colour is used only when it is one.
    void accountPageShowsDatabaseTextAsText_data()
    {
        QTest::addColumn<QString>("colour");
        QTest::addColumn<QString>("styleSheet");
        const QString none = QStringLiteral("color: ");
        QTest::newRow("hex") << QString("#229954") << QString("color: #229954");
        QTest::newRow("name") << QString("Red") << QString("color: #ff0000");
        QTest::newRow("rule added") << QString("red; background-image: url(/etc/passwd)") << none;
        QTest::newRow("image") << QString("url(/etc/passwd)") << none;
        QTest::newRow("empty") << QString() << none;
    }

    void accountPageShowsDatabaseTextAsText()
    {
        QFETCH(QString, colour);
        QFETCH(QString, styleSheet);
        Account page;
        AccountData data;
        data.id = QStringLiteral("7");
        data.name = QStringLiteral("<img src=\"/etc/passwd\"><b>Eve</b>");
        data.group_name = QStringLiteral("<a href=\"file:///etc\">Users</a>");
        data.group_color = colour;
        page.setAccountData({ data });
        QCOMPARE(page.valueLabel(3)->styleSheet(), styleSheet);
        for (int row : { 1, 3 }) {
            QCOMPARE(page.valueLabel(row)->textFormat(), Qt::PlainText);
            QCOMPARE(page.valueLabel(row)->text(), row == 1 ? data.name : data.group_name);
        }
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
        QCOMPARE(dbServer.adminQuery(statusQuery), QStringList { QStringLiteral("online") });
        window.closeAccountSession();
        QCOMPARE(dbServer.adminQuery(statusQuery), QStringList { QStringLiteral("offline") });
        QVERIFY(!QSqlDatabase::contains(QStringLiteral("DBConnection")));

        emit window.accountDialog->logOutButton()->clicked();
        QTRY_VERIFY_WITH_TIMEOUT(!window.signedIn, 10000);
        QCOMPARE(window.accountUserId, 0);
        QCOMPARE(window.accountImage->toolTip(), QStringLiteral("Account"));
        QVERIFY(!Settings::savedCredentials());
        QTRY_VERIFY(window.loginDialog && window.loginDialog->isVisible());
        waitForDetections();
    }

    void windowGoesOnWhenDatabaseIsDown()
    {
        qputenv("VN_DB_PORT", QByteArray::number(HttpsStandIn::closedPort()));
        DetectionStats::clearDurations();
        VerdimonNuvo window(VerdimonNuvo::StartupActions::Skip);
        window.showAccountDialogs();
        window.loginDialog->loginField()->setText(QStringLiteral("alice"));
        window.loginDialog->passwordField()->setText(QStringLiteral("Alice+Pass1"));
        QTest::mouseClick(window.loginDialog->signInButton(), Qt::LeftButton);
        QTRY_COMPARE_WITH_TIMEOUT(messages.size(), 1, 15000);
        QVERIFY(messages.first().startsWith(QStringLiteral("Could not log in!\nError code: 20")));
        QVERIFY(window.loginDialog->hasConnectionFailed());
        QVERIFY(window.accountImage->isEnabled());
        QVERIFY(window.loginDialog->isVisible()); // another attempt stays possible
        waitForDetections();
        QVERIFY(!DetectionStats::durations().isEmpty()); // the inventory did not wait
    }

    // The window tests the vendor's host without waiting for it: a host that drops packets
    // leaves the window answering while the test runs to its limit.
    void signInDecidesWithoutHoldingTheWindow_data()
    {
        QTest::addColumn<bool>("remembered"); // else: a sign-in shown, then closed
        QTest::addColumn<bool>("silent");
        QTest::newRow("remembered, host answers") << true << false;
        QTest::newRow("remembered, host silent") << true << true;
        QTest::newRow("closed, host answers") << false << false;
        QTest::newRow("closed, host silent") << false << true;
    }

    void signInDecidesWithoutHoldingTheWindow()
    {
        QFETCH(bool, remembered);
        QFETCH(bool, silent);
        SilentListener host;
        QVERIFY(host.port() > 0);
        if (remembered)
            storeCredentials(encryptString(credentialsCipherKey, QStringLiteral("alice")),
                             encryptString(credentialsCipherKey, QStringLiteral("Alice+Pass1")));
        if (silent && remembered)
            qputenv("VN_WEB_PORT", QByteArray::number(host.port()));
        DetectionStats::clearDurations();
        VerdimonNuvo window(VerdimonNuvo::StartupActions::Skip);
        window.networkWaitMs = 700;
        const QImage anonymous = window.accountImage->avatar().toImage();
        QElapsedTimer clock;
        clock.start();
        window.showAccountDialogs();
        QVERIFY(clock.elapsed() < 400);
        QPointer<LogIn> login = window.loginDialog;
        QCOMPARE(window.accountImage->isEnabled(), !remembered);
        if (remembered && !silent) {
            // Signs in by itself, never shown, keeps the credentials and shows the avatar.
            QTRY_COMPARE_WITH_TIMEOUT(window.accountImage->toolTip(), "Alice Moroz", 15000);
            QTRY_VERIFY(login.isNull()); // closed and released itself
            QTRY_VERIFY(window.accountImage->avatar().toImage() != anonymous);
            QVERIFY(messages.isEmpty() && Settings::savedCredentials());
        } else if (remembered) {
            QVERIFY(!login->isVisible());
            QTRY_VERIFY_WITH_TIMEOUT(login->isVisible(), 3000);
            QVERIFY(clock.elapsed() >= 600);
            QVERIFY(window.accountImage->isEnabled());
            const QPoint centre = window.geometry().center();
            QCOMPARE(login->pos(),
                     QPoint(centre.x() - login->width() / 2, centre.y() - login->height() / 2));
            // The dialog's own attempt fails once the port refuses.
            host.close();
            QTRY_COMPARE_WITH_TIMEOUT(messages.size(), 1, 10000);
        } else {
            QTRY_VERIFY(login && login->isVisible());
            if (silent)
                qputenv("VN_WEB_PORT", QByteArray::number(host.port()));
            clock.restart();
            login->close();
            QVERIFY(clock.elapsed() < 400);
            // Quitting ends the application's loop with 0; else the loop runs on.
            QTimer::singleShot(window.networkWaitMs + 1000, &window,
                               [] { QCoreApplication::exit(1); });
            QCOMPARE(QCoreApplication::exec(), silent ? 1 : 0);
            // Without an answer from the host the program goes on and collects.
            const auto collecting = [] {
                return DetectionStats::liveThreads() > 0 || !DetectionStats::durations().isEmpty();
            };
            QTRY_COMPARE(collecting(), silent);
        }
        waitForDetections();
    }

    // A registration or recovery (its captcha image shown) the database refuses at the last step,
    // being down or the user name taken by someone else since its check: when the failure is told
    // (the server's code named), the spinner has stopped and the dialog takes input again; a
    // registration form stays open with its texts, for a correction.
    void lastStepFailureStopsTheSpinner_data()
    {
        QTest::addColumn<bool>("registration"); // else recovery
        QTest::addColumn<bool>("taken"); // else the database is down
        QTest::addColumn<QString>("message");
        QTest::newRow("registration") << true << false << "Registration failed! Error code: 2002";
        QTest::newRow("registration, name taken")
            << true << true << "Registration failed! Error code: 1062";
        QTest::newRow("recovery") << false << false
                                  << "The password of your account could not be changed.";
    }

    void lastStepFailureStopsTheSpinner()
    {
        QFETCH(bool, registration);
        QFETCH(bool, taken);
        QFETCH(QString, message);
        QPointer<QDialog> dialog;
        QAbstractButton *finalButton = nullptr;
        QLabel *captcha = nullptr;
        if (registration) {
            auto *form = new AccountRegistration;
            fillRegistration(form, "Dbdown Dora", "dora_db", "dora@mail.test", true);
            dialog = form;
            finalButton = form->registerBtn;
            captcha = form->captchaImage;
        } else {
            auto *form = new AccountRecovery;
            fillRecovery(form);
            dialog = form;
            finalButton = form->recoverBtn;
            captcha = form->captchaImage;
        }
        dialog->show();
        QVERIFY(!captcha->pixmap(Qt::ReturnByValue).isNull()); // the code to copy is shown
        if (taken) {
            dbServer.adminQuery("INSERT INTO users (name, username, password, email) VALUES "
                                "('Other', 'dora_db', 'x', 'other-dora@mail.test')");
        } else {
            QSqlDatabase::removeDatabase(QStringLiteral("DBConnection"));
            qputenv("VN_DB_PORT", QByteArray::number(HttpsStandIn::closedPort()));
        }
        QStringList told; // each message with the dialog's state under it
        MsgDialog::setTestResponder([&](MsgDialog *box) {
            const QList<LoaderWidget *> loaders = dialog->findChildren<LoaderWidget *>();
            const bool spinning = std::any_of(loaders.cbegin(), loaders.cend(),
                                              [](LoaderWidget *l) { return l->isSpinning(); });
            told << box->textLabel()->text() + (dialog->isEnabled() && !spinning ? "" : " (busy)");
            return int(QDialogButtonBox::Ok);
        });
        QTest::mouseClick(finalButton, Qt::LeftButton);
        QTRY_COMPARE_WITH_TIMEOUT(told.size(), 1, 15000);
        collectMessages();
        QVERIFY2(told.first().startsWith(message) && !told.first().endsWith("(busy)"),
                 qPrintable(told.first()));
        if (auto *form = qobject_cast<AccountRegistration *>(dialog.data())) {
            QTest::qWait(200);
            QVERIFY(form->isVisible());
            QCOMPARE(QStringList({ form->nameEdit->text(), form->usernameEdit->text(),
                                   form->passwordEdit->text() }),
                     QStringList({ "Dbdown Dora", "dora_db", "New+pass 1" }));
            QVERIFY(form->usernameEdit->isEnabled() && form->registerBtn->isEnabled());
            QVERIFY(!form->emailEdit->isEnabled()); // the verified address stays
        }
        // The fields' clear buttons fade in; Qt leaks a fade cut short by the dialog's end.
        QTest::qWait(250);
        delete dialog.data();
    }

private:
    // The last verification code "mailed" to the address.
    QString mailedCode(const QString &email) const
    {
        QString code;
        for (const QString &line : StandInProcess::lines(webServer.dir() + "/mailbox.log")) {
            if (line.startsWith(email + QLatin1Char(' ')))
                code = line.mid(email.size() + 1);
        }
        return code;
    }

    // The decoded fields of every form the web service received, in order.
    QList<QJsonObject> forms() const
    {
        QList<QJsonObject> list;
        for (const QString &line : StandInProcess::lines(webServer.dir() + "/forms.log"))
            list << QJsonDocument::fromJson(line.toUtf8()).object().value("fields").toObject();
        return list;
    }

    static void storeCredentials(const QString &login, const QString &password)
    {
        Settings::setSettingsValue("Credentials", "Login", login);
        Settings::setSettingsValue("Credentials", "Password", password);
    }

    // Runs a sign-in to its end (its signals stay in `log`); returns the account read, or an
    // empty vector.
    QVector<AccountData> signInAs(const QString &login, const QString &password)
    {
        ServerDB db;
        log = std::make_unique<SignalLog>(&db);
        db.connectDB(login, password);
        const QStringList ends { "accountData", "noAccountFound", "finished",
                                 "databaseConnectionError(1)" };
        const auto ended = [&] {
            return std::any_of(ends.begin(), ends.end(),
                               [&](const QString &end) { return log->contains(end); });
        };
        if (!QTest::qWaitFor(ended, 15000))
            qWarning("The sign-in did not end in time");
        db.disconnect();
        db.closeConnection();
        QVector<AccountData> account = log->arguments(QStringLiteral("accountData"))
                                           .value(0)
                                           .value(0)
                                           .value<QVector<AccountData>>();
        if (!account.isEmpty())
            account.first().avatar = argument(QStringLiteral("accountImage"));
        return account;
    }

    // The first argument of the first emission of `name` in the last log, as text.
    QString argument(const QString &name) const
    {
        return log->arguments(name).value(0).value(0).toString();
    }

    // The window's detections end before the window does.
    static void waitForDetections()
    {
        QTRY_VERIFY_WITH_TIMEOUT(
            DetectionStats::liveThreads() == 0 && DetectionStats::liveWorkers() == 0, 60000);
    }

    void fillRegistration(AccountRegistration *dialog, const QString &name, const QString &username,
                          const QString &email, bool verified = false)
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
        if (!verified)
            return;
        QTRY_VERIFY_WITH_TIMEOUT(dialog->isUsernameFree && dialog->isEmailAccepted, 10000);
        dialog->codeEdit->setText(mailedCode(email));
        emit dialog->codeEdit->editingFinished();
        QVERIFY(dialog->isCodeAccepted);
    }

    // Bob's recovery, filled up to its last step.
    void fillRecovery(AccountRecovery *dialog)
    {
        QTRY_COMPARE_WITH_TIMEOUT(dialog->captchaText, QStringLiteral("4711"), 10000);
        dialog->emailEdit->setText(QStringLiteral("bob@mail.test"));
        emit dialog->emailEdit->editingFinished();
        QTRY_VERIFY_WITH_TIMEOUT(dialog->accountFound, 10000);
        dialog->codeEdit->setText(mailedCode(QStringLiteral("bob@mail.test")));
        emit dialog->codeEdit->editingFinished();
        dialog->passwordEdit->setText(QStringLiteral("fresh+start"));
        dialog->repeatEdit->setText(QStringLiteral("fresh+start"));
        dialog->captchaEdit->setText(QStringLiteral("4711"));
    }

    // Each message box is answered with OK, its text kept in `messages`.
    void collectMessages()
    {
        MsgDialog::setTestResponder([this](MsgDialog *box) {
            messages << box->textLabel()->text();
            return int(QDialogButtonBox::Ok);
        });
    }

    MariaDbStandIn dbServer;
    HttpsStandIn webServer;
    std::unique_ptr<plat::FakePlatform> fakes;
    std::unique_ptr<plat::ScopedPlatform> scopedPlatform;
    QStringList messages;
    std::unique_ptr<SignalLog> log;
};

QTEST_MAIN(TstAccountDialogs)
#include "tst_accountdialogs.moc"
