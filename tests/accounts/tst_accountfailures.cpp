// Sign-in, recovery and the database requests when the database or the web service is slow,
// silent or cuts the connection: a private MariaDB behind a proxy that delays, stalls or cuts
// chosen statements, and the HTTPS web service, both on loopback.

#include "accounts/account.h"
#include "accounts/accountimage.h"
#include "accounts/accountqueries.h"
#include "accounts/accountrecovery.h"
#include "accounts/accountregistration.h"
#include "accounts/login.h"
#include "accounts/serverdb.h"
#include "accounttestsupport.h"
#include "app/config.h"
#include "app/settings.h"
#include "app/unstoredsettings.h"
#include "diskfaults.h"
#include "httpsstandin.h"
#include "mainwindow/verdimonnuvo.h"
#include "mariadbstandin.h"
#include "net/networkmanager.h"
#include "platform/fakes/fakeplatform.h"
#include "signallog.h"
#include "silentlistener.h"
#include "widgets/loaderwidget.h"
#include "widgets/switch.h"

#include <QLabel>
#include <QLineEdit>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QPointer>
#include <QPushButton>
#include <QScopeGuard>
#include <QSettings>
#include <QSignalSpy>
#include <QTimer>
#include <QtTest>

using namespace AccountTestSupport;

class TstAccountFailures : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        registerAccountMetaTypes();
        fakes = std::make_unique<plat::FakePlatform>();
        scopedPlatform = std::make_unique<plat::ScopedPlatform>(fakes->platform());
        const QString notStarted = startAccountServices(dbServer, webServer);
        QVERIFY2(notStarted.isEmpty(), qPrintable(notStarted));
    }

    // Every test talks to the database through the proxy, which passes everything by default.
    void init()
    {
        messages.clear();
        recordMessages(&messages);
        Settings::clearCredentials();
        dbServer.applyEnvironment();
        qputenv("VN_DB_PORT", QByteArray::number(dbServer.proxyPort()));
        webServer.applyEnvironment();
        dbServer.adminQuery(QStringLiteral("UPDATE users SET status = 'offline', "
                                           "avatar = CONCAT('avatars/', username, '.png')"));
    }

    void cleanup()
    {
        QVERIFY(ServerDB::endSession(15000));
        AccountQueries::setReadTimeout(0);
        LogIn::setAvatarDeadline(0);
        ServerDB::setPasswordCheckStallTimeout(0);
        dbServer.setProxyRules({});
        dbServer.clearProxyLog();
    }

    // A statement the server stops answering, or whose connection is cut, at its preparation or
    // at its run: each request tells the failure (a connection error, a name or number read as
    // taken, a failed write or sign-out) once the read time-out has passed, never an answer that
    // the server did not give, and sends the statement once.
    void statementFailureIsNoAnswer_data()
    {
        QTest::addColumn<QString>("request");
        QTest::addColumn<QString>("rule");
        QTest::addColumn<QString>("statement"); // a text of the statement's SQL
        QTest::addColumn<QStringList>("outcome");
        QTest::addColumn<QString>("code"); // first argument of the outcome's first signal
        struct Request
        {
            const char *name;
            const char *statement;
            const char *outcome;
            const char *code;
        };
        const Request requests[] = {
            { "connectDB", "password FROM users", "loginStarted databaseConnectionError(1)",
              "2013" },
            { "validateUsername", "SELECT username FROM users",
              "usernameTaken usernameValidationFinished", "" },
            { "validatePhone", "SELECT phone FROM users", "phoneTaken phoneValidationFinished",
              "" },
            { "registerAccount", "INSERT INTO users", "regFailed registrationFinished", "2013" },
            { "recoverAccount, its lookup", "SELECT id FROM users",
              "recoveryFailed recoveryFinished", "2013" },
            { "recoverAccount, its update", "UPDATE users SET password",
              "recoveryFailed recoveryFinished", "2013" },
            { "setUserLoggedOffStatus, its lookup", "SELECT status FROM users",
              "logoutStarted loggedOutFailed finished", "" },
            { "setUserLoggedOffStatus, its update", "last_logout",
              "logoutStarted loggedOutFailed finished", "" },
        };
        for (const char *action : { "stall", "drop" }) {
            for (const char *stage : { "prepare", "execute" }) {
                for (const Request &request : requests) {
                    const QString name = QString::fromLatin1(request.name);
                    QTest::addRow("%s at %s: %s", action, stage, request.name)
                        << name.section(QLatin1Char(','), 0, 0)
                        << QStringLiteral("%1 %2 %3").arg(action, stage, request.statement)
                        << request.statement << QString::fromLatin1(request.outcome).split(' ')
                        << request.code;
                }
            }
        }
    }

    void statementFailureIsNoAnswer()
    {
        QFETCH(QString, request);
        QFETCH(QString, rule);
        QFETCH(QString, statement);
        QFETCH(QStringList, outcome);
        QFETCH(QString, code);
        const bool stalled = rule.startsWith(QLatin1String("stall"));
        dbServer.adminQuery(QStringLiteral("UPDATE users SET status = 'online' WHERE id = 4"));
        AccountQueries::setReadTimeout(1);
        dbServer.setProxyRules({ rule });
        ServerDB db;
        SignalLog log(&db);
        QElapsedTimer clock;
        clock.start();
        RegData reg;
        reg.name = QStringLiteral("Stalled User");
        reg.username = QStringLiteral("stalled_user");
        reg.email = QStringLiteral("stalled@mail.test");
        if (request == "connectDB")
            db.connectDB("alice", "Alice+Pass1");
        else if (request == "validateUsername")
            db.validateUsername("stalled_user"); // a free name
        else if (request == "validatePhone")
            db.validatePhone("+380999999999"); // a free number
        else if (request == "registerAccount")
            db.registerAccount({ reg });
        else if (request == "setUserLoggedOffStatus")
            db.setUserLoggedOffStatus("4");
        else
            db.recoverAccount("bob@mail.test", "vn1$a$b");
        QVERIFY(log.waitFor(outcome.last(), 20000));
        const qint64 took = clock.elapsed();
        QTest::qWait(300); // anything sent after the outcome
        QCOMPARE(log.names(), outcome);
        if (!code.isEmpty())
            QCOMPARE(log.arguments(outcome.at(request == "connectDB" ? 1 : 0)).value(0).value(0),
                     QVariant(code));
        // Sent once: no second copy, as text or prepared, on the same or a new connection.
        const QStringList sent = dbServer.proxyLog().filter(statement);
        QCOMPARE(sent.size(), rule.contains(QLatin1String(" execute ")) ? 3 : 2);
        QVERIFY2(sent.last().startsWith(stalled ? "stalled " : "dropped "),
                 qPrintable(sent.last()));
        const qint64 limit = stalled ? AccountQueries::readTimeout() * 1000 : 0;
        QVERIFY2(took >= limit - 200 && took < limit + 1500, qPrintable(QString::number(took)));
        // Nothing was written or changed.
        QCOMPARE(dbServer.adminQuery("SELECT COUNT(*) FROM users WHERE username = 'stalled_user'"),
                 QStringList { "0" });
        QCOMPARE(dbServer.adminQuery("SELECT status FROM users WHERE id = 4"),
                 QStringList { "online" });
    }

    // A sign-in whose statements go unanswered or lose their connection says that it could not
    // log in, with the driver's code, and lets the user try again; it never says that the
    // account does not exist, and never signs in.
    void signInWithoutAnswer_data()
    {
        QTest::addColumn<QString>("rule");
        QTest::addRow("lookup silent") << "stall execute password FROM users";
        QTest::addRow("lookup cut off") << "drop prepare password FROM users";
        QTest::addRow("account read silent") << "stall execute SELECT avatar";
        QTest::addRow("group read cut off") << "drop execute FROM `groups`";
    }

    void signInWithoutAnswer()
    {
        QFETCH(QString, rule);
        AccountQueries::setReadTimeout(1);
        dbServer.setProxyRules({ rule });
        LogIn dialog;
        dialog.setAttribute(Qt::WA_DeleteOnClose, false);
        QSignalSpy failures(&dialog, &LogIn::connectionFailed);
        QSignalSpy accounts(&dialog, &LogIn::userAccountData);
        dialog.show();
        dialog.loginField()->setText(QStringLiteral("alice"));
        dialog.passwordField()->setText(QStringLiteral("Alice+Pass1"));
        QTest::mouseClick(dialog.signInButton(), Qt::LeftButton);
        QTRY_COMPARE_WITH_TIMEOUT(messages.size(), 1, 15000);
        QCOMPARE(messages, QStringList { "Error|Could not log in!\nError code: 2013|3" });
        QCOMPARE(failures.count(), 1);
        QCOMPARE(accounts.count(), 0);
        QVERIFY(!dialog.isSignedIn());
        QVERIFY(dialog.isVisible() && dialog.isEnabled() && dialog.signInButton()->isEnabled());
        QCOMPARE(dbServer.adminQuery("SELECT status FROM users WHERE username = 'alice'"),
                 QStringList { "offline" });
    }

    // A wrong password, told by the box while its loop runs on until the attempt's database
    // object has closed its connection and is gone, as it does while a user reads the message;
    // then OK, and in some rows another wrong password and the Close button. The program neither
    // crashes nor uses what the loop released, and the credentials are cleared.
    void wrongPasswordIsToldSafely_data()
    {
        QTest::addColumn<bool>("remembered"); // a stale password signs in hidden at start
        QTest::addColumn<int>("attempts");
        QTest::addColumn<bool>("closed"); // the Close button after the last OK
        QTest::newRow("OK") << false << 1 << false;
        QTest::newRow("OK then Close") << false << 1 << true;
        QTest::newRow("remembered stale password at start") << true << 1 << false;
        QTest::newRow("twice, then Close") << false << 2 << true;
        QTest::newRow("stale at start, then wrong again") << true << 2 << false;
    }

    void wrongPasswordIsToldSafely()
    {
        QFETCH(bool, remembered);
        QFETCH(int, attempts);
        QFETCH(bool, closed);
        if (remembered)
            storeCredentials(QStringLiteral("alice"), QStringLiteral("stale+pass"));
        VerdimonNuvo window(VerdimonNuvo::StartupActions::Skip);
        window.networkWaitMs = 2000;
        QStringList told;
        int releasedMeanwhile = 0;
        MsgDialog::setTestResponder([&](MsgDialog *box) {
            told << box->textLabel()->text();
            const bool inItsLoop = QThread::currentThread()->loopLevel() > 0;
            const QPointer<LogIn> login = window.loginDialog;
            if (QTest::qWaitFor(
                    [&] { return !login || login->findChildren<ServerDB *>().isEmpty(); }, 15000)
                && inItsLoop)
                ++releasedMeanwhile;
            return int(QDialogButtonBox::Ok);
        });
        window.showAccountDialogs();
        const QPointer<LogIn> login = window.loginDialog;
        QVERIFY(login);
        for (int attempt = 0; attempt < attempts; ++attempt) {
            if (!remembered || attempt > 0) {
                QTRY_VERIFY(login->isVisible() && login->signInButton()->isEnabled());
                login->loginField()->setText(QStringLiteral("alice"));
                login->passwordField()->setText(QStringLiteral("wrong+pass"));
                QTest::mouseClick(login->signInButton(), Qt::LeftButton);
            }
            QTRY_VERIFY_WITH_TIMEOUT(told.size() > attempt, 15000);
            QVERIFY2(told.size() == attempt + 1, qPrintable(told.join(QLatin1Char('|'))));
        }
        QTest::qWait(300); // anything the last attempt still sends
        const QString wrong
            = QStringLiteral("Account credentials verification has failed!\n"
                             "Please enter the valid credentials for your account.");
        QCOMPARE(told, QVector<QString>(attempts, wrong).toList());
        QCOMPARE(releasedMeanwhile, attempts);
        QVERIFY(!Settings::savedCredentials());
        QVERIFY(login && login->isVisible() && login->isEnabled());
        QVERIFY(login->signInButton()->isEnabled() && !login->isSignedIn());
        QVERIFY(!window.signedIn);
        if (!closed)
            return;
        QTest::mouseClick(login->findChild<QPushButton *>(QStringLiteral("pushButton_2")),
                          Qt::LeftButton);
        // The vendor's host answers: the application ends (its loop returns 0).
        QTimer::singleShot(window.networkWaitMs + 1500, &window, [] { QCoreApplication::exit(1); });
        QCOMPARE(QCoreApplication::exec(), 0);
        QVERIFY(login.isNull());
    }

    // A remembered sign-in at start whose password check gets no answer from the web service
    // (refused, silent, cut short, an untrusted certificate, an error status) tells that it could
    // not log in and why, as a database that does not answer does, and keeps the credentials; so
    // does a start without network. Only an answer of the service that is not "true", and a
    // password it refuses, clear them.
    void passwordCheckWithoutAnswer_data()
    {
        QTest::addColumn<QString>("service"); // where the password check goes
        QTest::addColumn<QString>("password"); // remembered
        QTest::addColumn<QString>("message"); // how the message starts
        QTest::addColumn<bool>("kept");
        const QString couldNot = QStringLiteral("Error|Could not log in!\n");
        const QString right = QStringLiteral("Alice+Pass1");
        QTest::newRow("refused") << "refused" << right << couldNot + "Connection refused|3" << true;
        QTest::newRow("silent") << "silent" << right
                                << couldNot + "The server did not respond for 2 seconds.|3" << true;
        QTest::newRow("cut short")
            << "shortbody" << right << couldNot + "The server's reply ended after 4 of the 104"
            << true;
        QTest::newRow("untrusted certificate")
            << "untrusted" << right << couldNot + "The issuer certificate" << true;
        QTest::newRow("status 503")
            << "accdown" << right << couldNot + "Status code: 503|3" << true;
        QTest::newRow("status 500 saying true")
            << "status500true" << right << couldNot + "Status code: 500|3" << true;
        QTest::newRow("no network at start")
            << "unreachable" << right
            << "Error|Could not log in! Check your network connection and try again!|3" << true;
        const QString mismatch
            = QStringLiteral("Error|Account credentials verification has failed!\n"
                             "Please enter the valid credentials for your account.|3");
        QTest::newRow("answer that is not true") << "acctext" << right << mismatch << false;
        QTest::newRow("stale password") << ""
                                        << "stale+pass" << mismatch << false;
    }

    void passwordCheckWithoutAnswer()
    {
        QFETCH(QString, service);
        QFETCH(QString, password);
        QFETCH(QString, message);
        QFETCH(bool, kept);
        HttpsStandIn untrusted; // a CA of its own, which the program does not trust
        if (service == "refused") {
            qputenv(
                "VN_WEB_BASE_URL",
                QStringLiteral("https://127.0.0.1:%1").arg(HttpsStandIn::closedPort()).toUtf8());
        } else if (service == "silent") {
            ServerDB::setPasswordCheckStallTimeout(2000);
            qputenv("VN_WEB_BASE_URL",
                    QStringLiteral("https://127.0.0.1:%1").arg(dbServer.silentPort()).toUtf8());
        } else if (service == "untrusted") {
            QVERIFY2(untrusted.start(), qPrintable(untrusted.errorText()));
            qputenv("VN_WEB_BASE_URL", untrusted.baseUrl().toUtf8());
        } else if (service == "unreachable") {
            qputenv("VN_WEB_PORT", QByteArray::number(HttpsStandIn::closedPort()));
        } else if (!service.isEmpty()) {
            qputenv("VN_WEB_BASE_URL", webServer.baseUrl(service).toUtf8());
        }
        storeCredentials(QStringLiteral("alice"), password);
        LogIn dialog; // signs in hidden, as at the program's start
        dialog.setAttribute(Qt::WA_DeleteOnClose, false);
        QSignalSpy failures(&dialog, &LogIn::connectionFailed);
        QTRY_COMPARE_WITH_TIMEOUT(messages.size(), 1, 20000);
        QVERIFY2(messages.first().startsWith(message), qPrintable(messages.first()));
        QCOMPARE(Settings::savedCredentials(), kept);
        QCOMPARE(failures.count(), kept ? 1 : 0);
        QCOMPARE(dialog.hasConnectionFailed(), kept);
        QVERIFY(!dialog.isSignedIn());
        QVERIFY(dialog.isVisible() && dialog.isEnabled() && dialog.signInButton()->isEnabled());
        QTest::qWait(300); // nothing more is told
        QCOMPARE(messages.size(), 1);
        QCOMPARE(dbServer.adminQuery("SELECT status FROM users WHERE username = 'alice'"),
                 QStringList { "offline" });
    }

    // However the account, the avatar and the online mark are ordered or delayed, and whether
    // the avatar comes at all: the window and its account page get the account, the window
    // shows its avatar or the default one and collects, and the sign-in dialog closes.
    void signInEndsWithTheAccount_data()
    {
        QTest::addColumn<QString>("rule");
        QTest::addColumn<QString>("avatarPath"); // alice's users.avatar
        QTest::addColumn<QStringList>("arrivals"); // at the dialog's database and avatar objects
        QTest::addColumn<bool>("ownPicture"); // else the default avatar
        const QString holdOnlineMark = QStringLiteral("delay:2000 execute last_login");
        const QStringList avatarFirst { "avatar", "account" };
        const QStringList accountFirst { "account", "avatar" };
        QTest::addRow("avatar first, the online mark held 2 s")
            << holdOnlineMark << "avatars/alice.png" << avatarFirst << true;
        QTest::addRow("account first, the avatar slow")
            << QString() << "accslow/avatars/alice.png" << accountFirst << true;
        QTest::addRow("avatar failed after the account")
            << QString() << "accslow/accdown/avatars/alice.png" << accountFirst << false;
        QTest::addRow("avatar failed, the online mark held 2 s")
            << holdOnlineMark << "accdown/avatars/alice.png" << avatarFirst << false;
        QTest::addRow("avatar never completed")
            << QString() << "trickle/avatars/alice.png" << accountFirst << false;
    }

    void signInEndsWithTheAccount()
    {
        QFETCH(QString, rule);
        QFETCH(QString, avatarPath);
        QFETCH(QStringList, arrivals);
        QFETCH(bool, ownPicture);
        dbServer.adminQuery(
            QStringLiteral("UPDATE users SET avatar = '%1' WHERE username = 'alice'")
                .arg(avatarPath));
        dbServer.setProxyRules({ rule });
        LogIn::setAvatarDeadline(3000);
        DetectionStats::clearDurations();
        VerdimonNuvo window(VerdimonNuvo::StartupActions::Skip);
        const QImage anonymous = window.accountImage->avatar().toImage();
        window.showAccountDialogs();
        QTRY_VERIFY(window.loginDialog && window.loginDialog->isVisible());
        const QPointer<LogIn> login = window.loginDialog;
        login->loginField()->setText(QStringLiteral("alice"));
        login->passwordField()->setText(QStringLiteral("Alice+Pass1"));
        QElapsedTimer clock;
        clock.start();
        QTest::mouseClick(login->signInButton(), Qt::LeftButton);
        QStringList arrived;
        auto *db = login->findChild<ServerDB *>();
        auto *pictures = login->findChild<NetworkManager *>();
        QVERIFY(db && pictures);
        connect(db, &ServerDB::accountData, db, [&arrived] { arrived << "account"; });
        connect(pictures, &NetworkManager::accountAvatar, pictures,
                [&arrived] { arrived << "avatar"; });

        QTRY_VERIFY_WITH_TIMEOUT(login.isNull(), 15000);
        QCOMPARE(arrived, arrivals);
        QVERIFY2(clock.elapsed() < 6000, qPrintable(QString::number(clock.elapsed())));
        QVERIFY(window.signedIn);
        QCOMPARE(window.accountUserId, 1);
        QCOMPARE(window.accountImage->toolTip(), QStringLiteral("Alice Moroz"));
        QVERIFY(window.accountImage->isEnabled());
        QCOMPARE(window.accountImage->avatar().toImage() != anonymous, ownPicture);
        QVERIFY(window.accountDialog);
        QCOMPARE(window.accountDialog->valueLabel(1)->text(), QStringLiteral("Alice Moroz"));
        QCOMPARE(window.accountDialog->valueLabel(2)->text(), QStringLiteral("alice"));
        QVERIFY(messages.isEmpty());
        QVERIFY(collectionStarted());
        QCOMPARE(dbServer.adminQuery("SELECT status FROM users WHERE username = 'alice'"),
                 QStringList { "online" });
        QVERIFY(detectionsEnded());
    }

    // After a sign-in, by hand or hidden from remembered credentials, the account page shows the
    // picture the web service serves for the account, as the account button does, and the
    // sign-in dialog is gone.
    void accountPageShowsTheSignedInPicture_data()
    {
        QTest::addColumn<bool>("remembered");
        QTest::newRow("signed in by hand") << false;
        QTest::newRow("remembered at start") << true;
    }

    void accountPageShowsTheSignedInPicture()
    {
        QFETCH(bool, remembered);
        QNetworkAccessManager web;
        QNetworkReply *served = web.get(QNetworkRequest(
            QUrl(qEnvironmentVariable("VN_WEB_BASE_URL") + QStringLiteral("/avatars/alice.png"))));
        QTRY_VERIFY_WITH_TIMEOUT(served->isFinished(), 10000);
        const QImage picture = QImage::fromData(served->readAll());
        delete served;
        QVERIFY(!picture.isNull());
        if (remembered)
            storeCredentials(QStringLiteral("alice"), QStringLiteral("Alice+Pass1"));
        VerdimonNuvo window(VerdimonNuvo::StartupActions::Skip);
        window.showAccountDialogs();
        const QPointer<LogIn> login = window.loginDialog;
        QVERIFY(login);
        if (!remembered) {
            QTRY_VERIFY(login->isVisible());
            login->loginField()->setText(QStringLiteral("alice"));
            login->passwordField()->setText(QStringLiteral("Alice+Pass1"));
            QTest::mouseClick(login->signInButton(), Qt::LeftButton);
        }
        QTRY_VERIFY_WITH_TIMEOUT(window.signedIn && login.isNull(), 15000);
        QVERIFY(window.accountDialog);
        const auto shown = [](const AccountImage *image) {
            return image->avatar().toImage().convertToFormat(QImage::Format_RGB32);
        };
        QCOMPARE(shown(window.accountDialog->avatarImage()),
                 picture.convertToFormat(QImage::Format_RGB32));
        QCOMPARE(shown(window.accountImage), shown(window.accountDialog->avatarImage()));
        QCOMPARE(window.accountDialog->valueLabel(2)->text(), QStringLiteral("alice"));
        QVERIFY(messages.isEmpty());
        QVERIFY(detectionsEnded());
    }

    // A dialog closed while one of its messages is open (a result that closes it comes in the
    // box's loop) is released with the box, and its remaining checks are not run on it.
    void dialogReleasedBehindItsMessage_data()
    {
        QTest::addColumn<bool>("registration"); // else recovery
        QTest::newRow("registration") << true;
        QTest::newRow("recovery") << false;
    }

    void dialogReleasedBehindItsMessage()
    {
        QFETCH(bool, registration);
        // Complete forms whose password is too short, and whose later checks fail too.
        QPointer<QDialog> dialog;
        if (registration)
            dialog = new AccountRegistration;
        else
            dialog = new AccountRecovery;
        const char *const texts[][2] = {
            { "lineEdit", "Closed Carl" }, { "lineEdit_2", "closed_carl" },
            { "lineEdit_3", "short" },     { "lineEdit_4", "short" },
            { "lineEdit_5", "0000" },      { "lineEdit_6", "0000" },
            { "lineEdit_8", "000000" },
        };
        for (const auto &text : texts) {
            if (auto *field = dialog->findChild<QLineEdit *>(QLatin1String(text[0])))
                field->setText(QString::fromUtf8(text[1]));
        }
        // The address: the registration's field 5, the recovery's field 1.
        dialog->findChild<QLineEdit *>(registration ? "lineEdit_5" : "lineEdit")
            ->setText(QStringLiteral("carl@mail.test"));
        if (registration)
            dialog->findChild<QAbstractButton *>("radioButton")->setChecked(true);
        dialog->show();
        QStringList told;
        bool released = false; // inside the box's loop
        MsgDialog::setTestResponder([&](MsgDialog *box) {
            told << box->textLabel()->text();
            if (dialog)
                dialog->close(); // released on close
            released = QTest::qWaitFor([&] { return dialog.isNull(); }, 5000);
            return int(QDialogButtonBox::Ok);
        });
        QTest::mouseClick(dialog->findChild<QPushButton *>("pushButton"), Qt::LeftButton);
        recordMessages(&messages);
        QVERIFY(released);
        // No later check ran on the released dialog.
        QCOMPARE(told, QStringList { "Password must be between 6 and 40 characters!" });
    }

    // Cancelling the sign-in right after its attempt could not reach the account database lets
    // the program go on without an account; after a later attempt that reached it, cancelling
    // asks the vendor's host again, which answers, and the application ends.
    void cancelAfterFailedConnection_data()
    {
        QTest::addColumn<bool>("retried");
        QTest::addRow("right after the failure") << false;
        QTest::addRow("after a later attempt") << true;
    }

    void cancelAfterFailedConnection()
    {
        QFETCH(bool, retried);
        qputenv("VN_DB_PORT", QByteArray::number(HttpsStandIn::closedPort()));
        DetectionStats::clearDurations();
        VerdimonNuvo window(VerdimonNuvo::StartupActions::Skip);
        window.networkWaitMs = 2000;
        window.showAccountDialogs();
        QTRY_VERIFY(window.loginDialog && window.loginDialog->isVisible());
        const QPointer<LogIn> login = window.loginDialog;
        login->loginField()->setText(QStringLiteral("alice"));
        login->passwordField()->setText(QStringLiteral("wrong"));
        QTest::mouseClick(login->signInButton(), Qt::LeftButton);
        QTRY_COMPARE_WITH_TIMEOUT(messages.size(), 1, 15000);
        QCOMPARE(messages.first(), QStringLiteral("Error|Could not log in!\nError code: 2002|3"));
        if (retried) {
            // The database is back.
            QVERIFY(ServerDB::endSession(5000));
            dbServer.applyEnvironment();
            QTest::mouseClick(login->signInButton(), Qt::LeftButton);
            QTRY_COMPARE_WITH_TIMEOUT(messages.size(), 2, 15000);
            QCOMPARE(messages.last(),
                     QStringLiteral("Error|Account credentials verification has failed!\n"
                                    "Please enter the valid credentials for your account.|3"));
        }
        login->close();
        // Quitting ends the application's loop with 0; else the loop runs on.
        QTimer::singleShot(window.networkWaitMs + 1500, &window, [] { QCoreApplication::exit(1); });
        QCOMPARE(QCoreApplication::exec(), retried ? 0 : 1);
        QVERIFY(login.isNull());
        QVERIFY(detectionsEnded());
    }

    // A remembered sign-in runs hidden. Shown while it still runs (here its test of a silent
    // vendor host), the dialog spins but takes Esc, which cancels the sign-in.
    void hiddenSignInShownLater()
    {
        SilentListener host;
        QVERIFY(host.port() > 0);
        qputenv("VN_WEB_PORT", QByteArray::number(host.port()));
        storeCredentials(QStringLiteral("alice"), QStringLiteral("Alice+Pass1"));
        LogIn dialog;
        dialog.setAttribute(Qt::WA_DeleteOnClose, false);
        QVERIFY(!dialog.isVisible());
        QVERIFY(!dialog.signInButton()->isEnabled()); // signing in
        QVERIFY(dialog.isEnabled());
        QSignalSpy cancelled(&dialog, &LogIn::loginCancelled);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QVERIFY(dialog.isEnabled());
        const QList<LoaderWidget *> loaders = dialog.findChildren<LoaderWidget *>();
        QCOMPARE(loaders.size(), 1);
        QVERIFY(loaders.first()->isSpinning() && loaders.first()->isVisible());
        QTest::keyClick(&dialog, Qt::Key_Escape);
        QCOMPARE(cancelled.count(), 1);
        QVERIFY(!dialog.isVisible());
        host.close();
    }

    // After the new password is stored, and after the database refused it, the recovery window
    // tells the result, closes, is released and closes its database connection.
    void recoveryClosesAfterItsResult_data()
    {
        QTest::addColumn<bool>("refused");
        QTest::addColumn<QString>("message");
        QTest::addRow("stored") << false
                                << "Information|Your password has been successfully changed.|1";
        QTest::addRow("refused")
            << true
            << "Error|The password of your account could not be changed.\nError code: 1644|3";
    }

    void recoveryClosesAfterItsResult()
    {
        QFETCH(bool, refused);
        QFETCH(QString, message);
        const auto dropTrigger = qScopeGuard(
            [this] { dbServer.adminQuery("DROP TRIGGER IF EXISTS vn_refuse_password"); });
        if (refused)
            dbServer.adminQuery("CREATE TRIGGER vn_refuse_password BEFORE UPDATE ON users FOR "
                                "EACH ROW SIGNAL SQLSTATE '45000' SET MESSAGE_TEXT = 'refused'");
        const QString before = QStringLiteral("SELECT password FROM users WHERE username = 'bob'");
        const QStringList stored = dbServer.adminQuery(before);
        QPointer<AccountRecovery> dialog = new AccountRecovery;
        QSignalSpy credentials(dialog.data(), &AccountRecovery::accountLoginData);
        dialog->show();
        QTRY_COMPARE_WITH_TIMEOUT(dialog->captchaText, QStringLiteral("4711"), 10000);
        dialog->emailEdit->setText(QStringLiteral("bob@mail.test"));
        emit dialog->emailEdit->editingFinished();
        QTRY_VERIFY_WITH_TIMEOUT(dialog->accountFound, 10000);
        dialog->codeEdit->setText(mailedCode(webServer.dir(), QStringLiteral("bob@mail.test")));
        emit dialog->codeEdit->editingFinished();
        dialog->passwordEdit->setText(QStringLiteral("fresh+start"));
        dialog->repeatEdit->setText(QStringLiteral("fresh+start"));
        dialog->captchaEdit->setText(QStringLiteral("4711"));
        QTest::mouseClick(dialog->recoverBtn, Qt::LeftButton);

        QTRY_VERIFY_WITH_TIMEOUT(dialog.isNull(), 15000);
        QCOMPARE(messages, QStringList { message });
        QCOMPARE(credentials.count(), refused ? 0 : 1);
        QCOMPARE(dbServer.adminQuery(before) == stored, refused);
        // No connection of the program is left open on the server.
        QTRY_COMPARE_WITH_TIMEOUT(
            dbServer.adminQuery("SELECT COUNT(*) FROM information_schema.PROCESSLIST WHERE "
                                "USER = 'user_dravonel_account'"),
            QStringList { "0" }, 5000);
        dbServer.adminQuery("UPDATE users SET password = '" + stored.value(0)
                            + "' WHERE username = 'bob'");
    }

    // A remembered sign-in whose password check is answered 6 s late (the service may hash the
    // password or send mail before it answers): the user is signed in, nothing is shown and the
    // remembered credentials stay.
    void slowPasswordCheckSignsIn()
    {
        storeCredentials(QStringLiteral("alice"), QStringLiteral("Alice+Pass1"));
        qputenv("VN_WEB_BASE_URL", webServer.baseUrl(QStringLiteral("lateheaders/6")).toUtf8());
        QElapsedTimer clock;
        clock.start();
        LogIn dialog; // signs in at once, hidden
        dialog.setAttribute(Qt::WA_DeleteOnClose, false);
        QSignalSpy accounts(&dialog, &LogIn::userAccountData);
        QTRY_VERIFY_WITH_TIMEOUT(dialog.isSignedIn(), 40000);
        QVERIFY2(clock.elapsed() >= 6000, qPrintable(QString::number(clock.elapsed())));
        QCOMPARE(accounts.count(), 1);
        QVERIFY(messages.isEmpty());
        const auto remembered = [](const char *key) {
            return decryptString(credentialsCipherKey,
                                 Settings::settingsValue(QStringLiteral("Credentials"),
                                                         QString::fromLatin1(key), QString())
                                     .toString());
        };
        QCOMPARE(remembered("Login"), QStringLiteral("alice"));
        QCOMPARE(remembered("Password"), QStringLiteral("Alice+Pass1"));
        QCOMPARE(dbServer.adminQuery("SELECT status FROM users WHERE username = 'alice'"),
                 QStringList { "online" });
    }

    // A settings store that can't be written (read-only, or a full disk): signing in, at start
    // with the remembered credentials or by hand, changes nothing of the user's settings, so no
    // box comes; the account's own record (its development access) is only logged. Asking to be
    // remembered is a change: it is told once, and the box reaches the user although the sign-in
    // dialog it was shown over closes meanwhile.
    void signInOnUnwritableStore_data()
    {
        QTest::addColumn<bool>("readOnly");
        QTest::addColumn<bool>("remembered"); // the credentials were remembered before
        QTest::addColumn<bool>("rememberNow"); // "Remember me" switched on by hand
        QTest::newRow("read-only, remembered, at start") << true << true << false;
        QTest::newRow("full disk, remembered, at start") << false << true << false;
        QTest::newRow("read-only, by hand") << true << false << false;
        QTest::newRow("read-only, by hand, remember me") << true << false << true;
    }

    void signInOnUnwritableStore()
    {
        QFETCH(bool, readOnly);
        QFETCH(bool, remembered);
        QFETCH(bool, rememberNow);
        VN_SMALL_DISK(disk);
        // The program's own store (a store without an organisation is never taken for refused).
        const QString organisation = QCoreApplication::organizationName();
        QCoreApplication::setOrganizationName(QStringLiteral("Dravonel"));
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, disk.path());
        const auto restore = qScopeGuard([organisation] {
            QCoreApplication::setOrganizationName(organisation);
            QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope,
                               qEnvironmentVariable("XDG_CONFIG_HOME"));
            Settings::resetUnstoredSettings();
        });
        Settings::resetUnstoredSettings();
        Settings::writeDefaultSettings();
        if (remembered)
            storeCredentials(QStringLiteral("alice"), QStringLiteral("Alice+Pass1"));
        QVERIFY(readOnly ? disk.makeReadOnly() : disk.fill(0));
        // Read as a user does: the box stays open a while, so a sign-in that ends meanwhile
        // closes its dialog under it.
        int answered = 0;
        MsgDialog::setTestResponder([&](MsgDialog *box) {
            messages << box->windowTitle() + QLatin1Char('|') + box->textLabel()->text();
            const QPointer<MsgDialog> alive(box);
            QTest::qWait(1500);
            answered += alive ? 1 : 0;
            return int(QDialogButtonBox::Ok);
        });

        VerdimonNuvo window(VerdimonNuvo::StartupActions::Skip);
        window.show();
        window.showAccountDialogs();
        const QPointer<LogIn> login = window.loginDialog;
        QVERIFY(login);
        if (!remembered) {
            QTRY_VERIFY(login->isVisible() && login->signInButton()->isEnabled());
            login->loginField()->setText(QStringLiteral("alice"));
            login->passwordField()->setText(QStringLiteral("Alice+Pass1"));
            if (rememberNow)
                login->rememberSwitch()->click();
            QTest::mouseClick(login->signInButton(), Qt::LeftButton);
        }
        QTRY_VERIFY_WITH_TIMEOUT(window.signedIn && login.isNull(), 20000);
        QTest::qWait(rememberNow ? 4000 : 1000); // a box that would come
        if (!rememberNow) {
            QCOMPARE(messages, QStringList());
        } else {
            QVERIFY2(!messages.isEmpty(), "the refused change was not told");
            QVERIFY(
                messages.last().startsWith(QStringLiteral("Error|Settings could not be saved!")));
            QCOMPARE(answered, 1);
        }
        // The session still knows the account and the remembered sign-in.
        QCOMPARE(Settings::savedCredentials(), remembered || rememberNow);
    }

private:
    MariaDbStandIn dbServer;
    HttpsStandIn webServer;
    std::unique_ptr<plat::FakePlatform> fakes;
    std::unique_ptr<plat::ScopedPlatform> scopedPlatform;
    QStringList messages; // "title|text|kind" of every message box, in order
};

QTEST_MAIN(TstAccountFailures)
#include "tst_accountfailures.moc"
