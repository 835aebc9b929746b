#include "accounts/serverdb.h"
#include "accountstesting.h"
#include "net/networkmanager.h"

#include <QCoreApplication>
#include <QSignalSpy>
#include <QtTest>

class TstAccountServices : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void formBodyKeepsEveryCharacter_data();
    void formBodyKeepsEveryCharacter();
    void captchaSplitsAtLastSemicolon();
    void emailValidationReplies_data();
    void emailValidationReplies();
    void signIn_data();
    void signIn();
    void wrongPasswordFails();
    void plusInPasswordArrivesAsPlus();
    void unknownLoginFindsNoAccount();
    void missingGroupLeavesGroupEmpty();
    void signOut_data();
    void signOut();
    void usernameLookup();
    void registrationStoresValuesVerbatim();
    void recovery();
    void databaseDownReportsNativeCode();
    void webServiceDownEndsAtOnce();

private:
    // Runs a sign-in to its end; returns the account read, or an empty vector.
    QVector<AccountData> signIn(const QString &login, const QString &password,
                                QStringList *outcome);

    AccountServers servers;
};

void TstAccountServices::initTestCase()
{
    QString error;
    QVERIFY2(servers.start(&error), qPrintable(error));
    registerAccountMetaTypes();
}

void TstAccountServices::init()
{
    servers.web.applyEnvironment();
}

void TstAccountServices::formBodyKeepsEveryCharacter_data()
{
    QTest::addColumn<QString>("value");
    QTest::addColumn<QByteArray>("encoded");
    QTest::newRow("plus") << QStringLiteral("a+b") << QByteArray("a%2Bb");
    QTest::newRow("delimiters") << QStringLiteral("x&y=z") << QByteArray("x%26y%3Dz");
    QTest::newRow("escape-like") << QStringLiteral("50%41") << QByteArray("50%2541");
    QTest::newRow("blank and non-Latin") << QStringLiteral("я b") << QByteArray("%D1%8F%20b");
}

void TstAccountServices::formBodyKeepsEveryCharacter()
{
    QFETCH(QString, value);
    QFETCH(QByteArray, encoded);
    QCOMPARE(NetworkManager::formBody(
                 { { QStringLiteral("k"), value }, { QStringLiteral("t"), QStringLiteral("1") } }),
             QByteArray("k=" + encoded + "&t=1"));
}

void TstAccountServices::captchaSplitsAtLastSemicolon()
{
    QImage image;
    QString code;
    NetworkManager::splitCaptcha(QByteArray("not;an image;ab12"), &image, &code);
    QCOMPARE(code, QStringLiteral("ab12"));
    QVERIFY(image.isNull());
    NetworkManager::splitCaptcha(QByteArray("no separator"), &image, &code);
    QCOMPARE(code, QStringLiteral("no separator"));
}

void TstAccountServices::emailValidationReplies_data()
{
    QTest::addColumn<QString>("mode");
    QTest::addColumn<QString>("type");
    QTest::addColumn<QString>("email");
    QTest::addColumn<QStringList>("signalNames");
    const QStringList failed { "emailValidationError", "finished" };
    QTest::newRow("registration accepted")
        << ""
        << "Registration"
        << "new@mail.test" << QStringList { "emailAccepted", "regVerifCode", "finished" };
    QTest::newRow("registration of a used address")
        << ""
        << "Registration"
        << "bob@mail.test" << QStringList { "emailBlocked", "regVerifCode", "finished" };
    QTest::newRow("registration, plain text")
        << "acctext"
        << "Registration"
        << "a@mail.test" << QStringList { "jsonReaderError", "finished" };
    QTest::newRow("registration, service down") << "accdown"
                                                << "Registration"
                                                << "a@mail.test" << failed;
    QTest::newRow("recovery found")
        << ""
        << "Recovery"
        << "bob@mail.test" << QStringList { "customerFound", "recoveryVerifCode", "finished" };
    QTest::newRow("recovery, plain text")
        << "acctext"
        << "Recovery"
        << "bob@mail.test" << QStringList { "noCustomerFound", "finished" };
    QTest::newRow("recovery, empty object")
        << "accempty"
        << "Recovery"
        << "bob@mail.test" << QStringList { "jsonReaderError", "finished" };
}

void TstAccountServices::emailValidationReplies()
{
    QFETCH(QString, mode);
    QFETCH(QString, type);
    QFETCH(QString, email);
    QFETCH(QStringList, signalNames);
    servers.web.applyEnvironment(mode);
    NetworkManager manager;
    QStringList seen;
    auto record = [&seen](const char *name) {
        return [&seen, name] {
            seen << name;
        };
    };
    connect(&manager, &NetworkManager::emailAccepted, record("emailAccepted"));
    connect(&manager, &NetworkManager::emailBlocked, record("emailBlocked"));
    connect(&manager, &NetworkManager::regVerifCode, record("regVerifCode"));
    connect(&manager, &NetworkManager::customerFound, record("customerFound"));
    connect(&manager, &NetworkManager::noCustomerFound, record("noCustomerFound"));
    connect(&manager, &NetworkManager::recoveryVerifCode, record("recoveryVerifCode"));
    connect(&manager, &NetworkManager::jsonReaderError, record("jsonReaderError"));
    connect(&manager, &NetworkManager::emailValidationError, record("emailValidationError"));
    connect(&manager, &NetworkManager::finished, record("finished"));
    if (type == QLatin1String("Recovery"))
        manager.validateEmail(email, type);
    else
        manager.validateEmail(QStringLiteral("New User"), email, type);
    QTRY_VERIFY_WITH_TIMEOUT(seen.contains(QStringLiteral("finished")), 10000);
    QCOMPARE(seen, signalNames);
}

QVector<AccountData> TstAccountServices::signIn(const QString &login, const QString &password,
                                                QStringList *outcome)
{
    auto *db = new ServerDB;
    QVector<AccountData> account;
    QString avatarPath;
    bool done = false;
    connect(db, &ServerDB::accountImage, [&](const QString &path) {
        avatarPath = path;
        *outcome << QStringLiteral("accountImage");
    });
    connect(db, &ServerDB::accountData, [&](const QVector<AccountData> &data) {
        account = data;
        *outcome << QStringLiteral("accountData");
        done = true;
    });
    connect(db, &ServerDB::noAccountFound, [&] {
        *outcome << QStringLiteral("noAccountFound");
        done = true;
    });
    connect(db, &ServerDB::passwordVerificationFailed,
            [&] { *outcome << QStringLiteral("passwordVerificationFailed"); });
    connect(db, &ServerDB::finished, [&] {
        *outcome << QStringLiteral("finished");
        done = true;
    });
    connect(db, qOverload<QString>(&ServerDB::databaseConnectionError), [&](const QString &code) {
        *outcome << QStringLiteral("databaseConnectionError ") + code;
        done = true;
    });
    connect(db, qOverload<>(&ServerDB::databaseConnectionError),
            [&] { *outcome << QStringLiteral("databaseConnectionError"); });
    db->connectDB(login, password);
    QElapsedTimer clock;
    clock.start();
    while (!done && clock.elapsed() < 15000)
        QTest::qWait(20);
    if (!done)
        *outcome << QStringLiteral("timed out");
    if (!account.isEmpty())
        account.first().avatar = avatarPath;
    db->disconnect();
    db->closeConnection();
    delete db;
    return account;
}

void TstAccountServices::signIn_data()
{
    QTest::addColumn<QString>("login");
    QTest::addColumn<QString>("password");
    QTest::addColumn<QString>("username");
    QTest::newRow("user name") << "carol"
                               << "carol-pass"
                               << "carol";
    QTest::newRow("e-mail") << "bob@mail.test"
                            << "bob-secret"
                            << "bob";
    QTest::newRow("phone") << "+380501112233"
                           << "Alice+Pass1"
                           << "alice";
}

void TstAccountServices::signIn()
{
    QFETCH(QString, login);
    QFETCH(QString, password);
    QFETCH(QString, username);
    QStringList outcome;
    const QVector<AccountData> account = this->signIn(login, password, &outcome);
    QCOMPARE(outcome, QStringList({ "accountImage", "accountData" }));
    QCOMPARE(account.size(), 1);
    QCOMPARE(account.first().username, username);
    QCOMPARE(account.first().avatar, QStringLiteral("avatars/%1.png").arg(username));
    QCOMPARE(servers.db.adminQuery(
                 QStringLiteral("SELECT status, last_login IS NOT NULL FROM users WHERE "
                                "username = '%1'")
                     .arg(username)),
             QStringList { QStringLiteral("online\t1") });
    servers.db.adminQuery(QStringLiteral("UPDATE users SET status = 'offline'"));
}

void TstAccountServices::wrongPasswordFails()
{
    QStringList outcome;
    QVERIFY(signIn(QStringLiteral("alice"), QStringLiteral("alice+pass1"), &outcome).isEmpty());
    QCOMPARE(outcome, QStringList({ "passwordVerificationFailed", "finished" }));
}

void TstAccountServices::plusInPasswordArrivesAsPlus()
{
    QStringList outcome;
    QVERIFY(!signIn(QStringLiteral("alice"), QStringLiteral("Alice+Pass1"), &outcome).isEmpty());
    QCOMPARE(servers.forms().last().value(QLatin1String("user_pas")).toString(),
             QStringLiteral("Alice+Pass1"));
}

void TstAccountServices::unknownLoginFindsNoAccount()
{
    QStringList outcome;
    QVERIFY(signIn(QStringLiteral("' OR '1'='1"), QStringLiteral("x"), &outcome).isEmpty());
    QCOMPARE(outcome, QStringList { QStringLiteral("noAccountFound") });
}

void TstAccountServices::missingGroupLeavesGroupEmpty()
{
    QStringList outcome;
    const QVector<AccountData> carol
        = signIn(QStringLiteral("carol"), QStringLiteral("carol-pass"), &outcome);
    QCOMPARE(carol.size(), 1);
    QVERIFY(carol.first().group_name.isEmpty());
    const QVector<AccountData> alice
        = signIn(QStringLiteral("alice"), QStringLiteral("Alice+Pass1"), &outcome);
    QCOMPARE(alice.first().group_name, QStringLiteral("Developers"));
    QVERIFY(alice.first().dev_access);
}

void TstAccountServices::signOut_data()
{
    QTest::addColumn<QString>("id");
    QTest::addColumn<QString>("status");
    QTest::addColumn<QString>("result");
    QTest::newRow("online") << "4"
                            << "online"
                            << "loggedOut";
    QTest::newRow("already offline") << "4"
                                     << "offline"
                                     << "loggedOut";
    QTest::newRow("no such account") << "999"
                                     << "offline"
                                     << "loggedOut";
    QTest::newRow("id zero") << "0"
                             << "online"
                             << "loggedOutFailed";
    QTest::newRow("not a number") << "4; DROP TABLE users"
                                  << "online"
                                  << "loggedOutFailed";
}

void TstAccountServices::signOut()
{
    QFETCH(QString, id);
    QFETCH(QString, status);
    QFETCH(QString, result);
    servers.db.adminQuery(
        QStringLiteral("UPDATE users SET status = '%1' WHERE id = 4").arg(status));
    ServerDB db;
    QStringList outcome;
    connect(&db, &ServerDB::logoutStarted, [&] { outcome << QStringLiteral("logoutStarted"); });
    connect(&db, &ServerDB::loggedOut, [&] { outcome << QStringLiteral("loggedOut"); });
    connect(&db, &ServerDB::loggedOutFailed, [&] { outcome << QStringLiteral("loggedOutFailed"); });
    connect(&db, &ServerDB::finished, [&] { outcome << QStringLiteral("finished"); });
    db.setUserLoggedOffStatus(id);
    QCOMPARE(outcome, QStringList({ "logoutStarted", result, "finished" }));
    QCOMPARE(servers.db.adminQuery(QStringLiteral("SELECT status FROM users WHERE id = 4")),
             QStringList { id == QLatin1String("4") ? QStringLiteral("offline") : status });
    QCOMPARE(servers.db.adminQuery(QStringLiteral("SELECT COUNT(*) FROM users")).size(), 1);
}

void TstAccountServices::usernameLookup()
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

void TstAccountServices::registrationStoresValuesVerbatim()
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
    QStringList outcome;
    connect(&db, &ServerDB::regSuccess, [&] { outcome << QStringLiteral("regSuccess"); });
    connect(&db, &ServerDB::regFailed,
            [&](const QString &code) { outcome << "regFailed " + code; });
    connect(&db, &ServerDB::registrationFinished, [&] { outcome << QStringLiteral("finished"); });
    db.registerAccount({ reg, second });
    QCOMPARE(outcome, QStringList({ "regSuccess", "finished" }));
    QCOMPARE(servers.db.adminQuery(
                 QStringLiteral("SELECT name, country, reg_from, dev_access, is_verified FROM "
                                "users WHERE username = 'robert_tables'")),
             QStringList { reg.name + QStringLiteral("\tУкраїна\tVerdimon Nuvo\t0\tyes") });
    QVERIFY(servers.db
                .adminQuery(QStringLiteral("SELECT id FROM users WHERE username = "
                                           "'second_record'"))
                .isEmpty());

    // The same user name again: the server's duplicate-key code reaches the caller.
    outcome.clear();
    db.registerAccount({ reg });
    QCOMPARE(outcome, QStringList({ "regFailed 1062", "finished" }));
}

void TstAccountServices::recovery()
{
    ServerDB db;
    QStringList outcome;
    connect(&db, &ServerDB::recoverySuccess, [&] { outcome << QStringLiteral("success"); });
    connect(&db, &ServerDB::recoveryFailed,
            [&](const QString &code) { outcome << QStringLiteral("failed ") + code; });
    db.recoverAccount(QStringLiteral("nobody@mail.test"), QStringLiteral("vn1$a$b"));
    QCOMPARE(outcome, QStringList { QStringLiteral("failed ") });

    outcome.clear();
    db.recoverAccount(QStringLiteral("carol@mail.test"), QStringLiteral("vn1$c$d"));
    QCOMPARE(outcome, QStringList { QStringLiteral("success") });
    QCOMPARE(servers.db.adminQuery(QStringLiteral("SELECT password FROM users WHERE id = 3")),
             QStringList { QStringLiteral("vn1$c$d") });
}

void TstAccountServices::databaseDownReportsNativeCode()
{
    dropAccountConnection();
    qputenv("VN_DB_PORT", QByteArray::number(HttpsStandIn::closedPort()));
    QStringList outcome;
    signIn(QStringLiteral("alice"), QStringLiteral("Alice+Pass1"), &outcome);
    QCOMPARE(outcome, QStringList { QStringLiteral("databaseConnectionError 2002") });
    dropAccountConnection();
    servers.db.applyEnvironment();
}

void TstAccountServices::webServiceDownEndsAtOnce()
{
    qputenv("VN_WEB_PORT", QByteArray::number(HttpsStandIn::closedPort()));
    QStringList outcome;
    signIn(QStringLiteral("alice"), QStringLiteral("Alice+Pass1"), &outcome);
    QCOMPARE(outcome, QStringList({ "databaseConnectionError", "finished" }));
}

QTEST_MAIN(TstAccountServices)
#include "tst_accountservices.moc"
