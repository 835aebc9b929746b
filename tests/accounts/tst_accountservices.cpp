#include "accounts/serverdb.h"
#include "accountstesting.h"
#include "net/networkmanager.h"
#include "signallog.h"

#include <QCoreApplication>
#include <QSignalSpy>
#include <QtTest>

class TstAccountServices : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        QString error;
        QVERIFY2(servers.start(&error), qPrintable(error));
        registerAccountMetaTypes();
    }

    void init() { servers.web.applyEnvironment(); }

    void formBodyKeepsEveryCharacter_data()
    {
        QTest::addColumn<QString>("value");
        QTest::addColumn<QByteArray>("encoded");
        QTest::newRow("plus") << QStringLiteral("a+b") << QByteArray("a%2Bb");
        QTest::newRow("delimiters") << QStringLiteral("x&y=z") << QByteArray("x%26y%3Dz");
        QTest::newRow("escape-like") << QStringLiteral("50%41") << QByteArray("50%2541");
        QTest::newRow("blank and non-Latin") << QStringLiteral("я b") << QByteArray("%D1%8F%20b");
    }

    void formBodyKeepsEveryCharacter()
    {
        QFETCH(QString, value);
        QFETCH(QByteArray, encoded);
        QCOMPARE(NetworkManager::formBody({ { QStringLiteral("k"), value },
                                            { QStringLiteral("t"), QStringLiteral("1") } }),
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
            { "Registration accepted", "", "new@mail.test", "emailAccepted regVerifCode" },
            { "Registration of a used address", "", "bob@mail.test", "emailBlocked regVerifCode" },
            { "Registration, plain text", "acctext", "a@mail.test", "jsonReaderError" },
            { "Registration, service down", "accdown", "a@mail.test", "emailValidationError" },
            { "Recovery found", "", "bob@mail.test", "customerFound recoveryVerifCode" },
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
        const QString type = QString::fromLatin1(QTest::currentDataTag())
                                 .section(QLatin1Char(' '), 0, 0)
                                 .remove(QLatin1Char(','));
        QFETCH(QStringList, signalNames);
        servers.web.applyEnvironment(mode);
        NetworkManager manager;
        SignalLog log(&manager);
        if (type == QLatin1String("Recovery"))
            manager.validateEmail(email, type);
        else
            manager.validateEmail(QStringLiteral("New User"), email, type);
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
        QStringList names;
        const QVector<AccountData> account = signInAs(login, password, &names);
        QCOMPARE(names, outcome);
        if (!names.contains(QStringLiteral("noAccountFound")))
            QCOMPARE(servers.forms().last().value(QLatin1String("user_pas")).toString(), password);
        if (username.isEmpty()) {
            QVERIFY(account.isEmpty());
            return;
        }
        QCOMPARE(account.size(), 1);
        QCOMPARE(account.first().username, username);
        QCOMPARE(account.first().group_name, group);
        QCOMPARE(account.first().dev_access, username != QLatin1String("carol"));
        QCOMPARE(account.first().avatar, QStringLiteral("avatars/%1.png").arg(username));
        QCOMPARE(servers.db.adminQuery(
                     QStringLiteral("SELECT status, last_login IS NOT NULL FROM users WHERE "
                                    "username = '%1'")
                         .arg(username)),
                 QStringList { QStringLiteral("online\t1") });
        servers.db.adminQuery(QStringLiteral("UPDATE users SET status = 'offline'"));
    }

    void signOut_data()
    {
        QTest::addColumn<QString>("id");
        QTest::addColumn<QString>("status");
        QTest::addColumn<QString>("result");
        const char *rows[][4] = {
            { "online", "4", "online", "loggedOut" },
            { "already offline", "4", "offline", "loggedOut" },
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
        servers.db.adminQuery(
            QStringLiteral("UPDATE users SET status = '%1' WHERE id = 4").arg(status));
        ServerDB db;
        SignalLog log(&db);
        db.setUserLoggedOffStatus(id);
        QCOMPARE(log.names(), QStringList({ "logoutStarted", result, "finished" }));
        QCOMPARE(servers.db.adminQuery(QStringLiteral("SELECT status FROM users WHERE id = 4")),
                 QStringList { id == QLatin1String("4") ? QStringLiteral("offline") : status });
        QCOMPARE(servers.db.adminQuery(QStringLiteral("SELECT COUNT(*) FROM users")).size(), 1);
    }

    void usernameLookup()
    {
        ServerDB db;
        QSignalSpy taken(&db, &ServerDB::usernameTaken);
        QSignalSpy available(&db, &ServerDB::usernameAvailable);
        db.validateUsername(QStringLiteral("bob"));
        db.validateUsername(QStringLiteral("BOB"));
        db.validateUsername(QStringLiteral("nobody_yet"));
        QCOMPARE(taken.count(), 2);
        QCOMPARE(available.count(), 1);
    }

    void registrationStoresValuesVerbatim()
    {
        RegData reg;
        reg.name = QStringLiteral("Robert'); DROP TABLE users;-- Олена 李");
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
        QCOMPARE(log->names(), QStringList({ "regSuccess", "registrationFinished" }));
        QCOMPARE(servers.db.adminQuery(
                     QStringLiteral("SELECT name, country, reg_from, dev_access, is_verified FROM "
                                    "users WHERE username = 'robert_tables'")),
                 QStringList { reg.name + QStringLiteral("\tУкраїна\tVerdimon Nuvo\t0\tyes") });
        QVERIFY(servers.db
                    .adminQuery(QStringLiteral("SELECT id FROM users WHERE username = "
                                               "'second_record'"))
                    .isEmpty());

        // The same user name again: the server's duplicate-key code reaches the caller.
        log->clear();
        db.registerAccount({ reg });
        QCOMPARE(log->names(), QStringList({ "regFailed", "registrationFinished" }));
        QCOMPARE(argument(QStringLiteral("regFailed")), QStringLiteral("1062"));
    }

    void recovery()
    {
        ServerDB db;
        SignalLog log(&db);
        db.recoverAccount(QStringLiteral("nobody@mail.test"), QStringLiteral("vn1$a$b"));
        QCOMPARE(log.names(), QStringList({ "recoveryFailed", "recoveryFinished" }));
        QCOMPARE(log.arguments(QStringLiteral("recoveryFailed")).value(0),
                 QVariantList { QString() });

        log.clear();
        db.recoverAccount(QStringLiteral("carol@mail.test"), QStringLiteral("vn1$c$d"));
        QCOMPARE(log.names(), QStringList({ "recoverySuccess", "recoveryFinished" }));
        QCOMPARE(servers.db.adminQuery(QStringLiteral("SELECT password FROM users WHERE id = 3")),
                 QStringList { QStringLiteral("vn1$c$d") });
    }

    void databaseDownReportsNativeCode()
    {
        dropAccountConnection();
        qputenv("VN_DB_PORT", QByteArray::number(HttpsStandIn::closedPort()));
        QStringList outcome;
        signInAs(QStringLiteral("alice"), QStringLiteral("Alice+Pass1"), &outcome);
        QCOMPARE(outcome, QStringList({ "loginStarted", "databaseConnectionError(1)" }));
        QCOMPARE(argument(QStringLiteral("databaseConnectionError(1)")), QStringLiteral("2002"));
        dropAccountConnection();
        servers.db.applyEnvironment();
    }

    void webServiceDownEndsAtOnce()
    {
        qputenv("VN_WEB_PORT", QByteArray::number(HttpsStandIn::closedPort()));
        QStringList outcome;
        signInAs(QStringLiteral("alice"), QStringLiteral("Alice+Pass1"), &outcome);
        QCOMPARE(outcome, QStringList({ "loginStarted", "databaseConnectionError()", "finished" }));
    }

private:
    // Runs a sign-in to its end; returns the account read, or an empty vector.
    QVector<AccountData> signInAs(const QString &login, const QString &password,
                                  QStringList *outcome)
    {
        ServerDB db;
        log = std::make_unique<SignalLog>(&db);
        db.connectDB(login, password);
        const QStringList ends { "accountData", "noAccountFound", "finished",
                                 "databaseConnectionError(1)" };
        const bool ended = QTest::qWaitFor(
            [&] {
                return std::any_of(ends.begin(), ends.end(),
                                   [&](const QString &end) { return log->contains(end); });
            },
            15000);
        *outcome = log->names();
        if (!ended)
            *outcome << QStringLiteral("timed out");
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

    AccountServers servers;
    std::unique_ptr<SignalLog> log;
};

QTEST_MAIN(TstAccountServices)
#include "tst_accountservices.moc"
