#include "accounts/accountqueries.h"

#include "accounts/serverdb.h"
#include "app/config.h"
#include "app/productinfo.h"
#include "app/systemfunctions.h"

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

#include <atomic>

namespace AccountQueries {

namespace {

std::atomic<int> connectTimeoutOverride { 0 };
std::atomic<int> readTimeoutOverride { 0 };

QString connectionName()
{
    return QString::fromLatin1(ServerDB::connectionName);
}

// The shared connection, opened when it is not. When it does not open, errorCode gets the
// driver's native code.
QSqlDatabase openedDatabase(QString *errorCode = nullptr)
{
    if (!QSqlDatabase::contains(connectionName())) {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QMYSQL"), connectionName());
        db.setHostName(Config::dbHost());
        db.setPort(Config::dbPort());
        db.setDatabaseName(Config::dbName());
        db.setUserName(Config::dbUser());
        db.setPassword(Config::dbPassword());
        db.setConnectOptions(connectOptions());
    }
    QSqlDatabase db = QSqlDatabase::database(connectionName(), false);
    if (!db.isValid() || db.isOpen())
        return db;
    if (!db.open()) {
        if (errorCode)
            *errorCode = db.lastError().nativeErrorCode();
        return db;
    }
    // With MariaDB's client library the driver asks for utf8mb3, in which a character outside
    // the Basic Multilingual Plane (an emoji in a name) fails with 1366. The driver's reconnect
    // keeps the character set chosen here.
    QSqlQuery names(db);
    if (!names.exec(QStringLiteral("SET NAMES utf8mb4"))) {
        if (errorCode)
            *errorCode = names.lastError().nativeErrorCode();
        db.close();
    }
    return db;
}

// A statement prepared on the server. One whose preparation failed is never run: Qt would send
// it again as plain text (on a new connection, when the driver reconnects after a lost one), so
// a server that went silent or dropped the connection would be asked twice and take twice as
// long to give up.
class Statement
{
public:
    Statement(const QSqlDatabase &db, const QString &text)
        : query(db)
    {
        prepared = query.prepare(text);
    }

    void bind(const QString &placeholder, const QVariant &value)
    {
        query.bindValue(placeholder, value);
    }

    // False when it failed, with the driver's native code in errorCode.
    bool run(QString *errorCode = nullptr)
    {
        const bool ok = prepared && query.exec();
        if (!ok && errorCode)
            *errorCode = query.lastError().nativeErrorCode();
        return ok;
    }

    QSqlQuery query;

private:
    bool prepared = false;
};

} // namespace

void setConnectTimeout(int seconds)
{
    connectTimeoutOverride = qMax(0, seconds);
}

int connectTimeout()
{
    const int seconds = connectTimeoutOverride;
    return seconds > 0 ? seconds : connectTimeoutSeconds;
}

void setReadTimeout(int seconds)
{
    readTimeoutOverride = qMax(0, seconds);
}

int readTimeout()
{
    const int seconds = readTimeoutOverride;
    return seconds > 0 ? seconds : readTimeoutSeconds;
}

QString connectOptions()
{
    return QStringLiteral("MYSQL_OPT_RECONNECT=TRUE;MYSQL_OPT_CONNECT_TIMEOUT=%1;"
                          "MYSQL_OPT_READ_TIMEOUT=%2;MYSQL_OPT_WRITE_TIMEOUT=%3")
        .arg(connectTimeout())
        .arg(readTimeout())
        .arg(writeTimeoutSeconds);
}

bool isAccountId(const QString &id)
{
    bool ok = false;
    const qlonglong number = id.toLongLong(&ok, 10);
    return ok && number >= 1;
}

Lookup findAccount(const QString &login)
{
    Lookup found;
    if (!isNetworkAvailable()) {
        found.result = Lookup::Unreachable;
        return found;
    }
    QSqlDatabase db = openedDatabase(&found.errorCode);
    if (!db.isOpen()) {
        found.result = Lookup::NotOpened;
        return found;
    }
    Statement lookup(db,
                     QStringLiteral("SELECT username, password FROM users WHERE username = :login "
                                    "OR email = :login OR phone = :login"));
    lookup.bind(QStringLiteral(":login"), login);
    if (!lookup.run(&found.errorCode)) {
        found.result = Lookup::Failed;
        return found;
    }
    if (!lookup.query.next()) {
        found.result = Lookup::NoRow;
        return found;
    }
    found.result = Lookup::Found;
    found.username = lookup.query.value(0).toString();
    found.storedPassword = lookup.query.value(1).toString();
    return found;
}

AccountRead readAccount(const QString &username)
{
    AccountRead read;
    QSqlDatabase db = openedDatabase(&read.errorCode);
    if (!db.isOpen()) {
        read.result = AccountRead::Failed;
        return read;
    }
    Statement user(db,
                   QStringLiteral("SELECT avatar, id, name, email, user_group, dev_access, phone "
                                  "FROM users WHERE username = :username"));
    user.bind(QStringLiteral(":username"), username);
    if (!user.run(&read.errorCode)) {
        read.result = AccountRead::Failed;
        return read;
    }
    if (!user.query.next()) {
        read.result = AccountRead::NoRow;
        return read;
    }
    const QSqlQuery &row = user.query;
    AccountData &account = read.account;
    account.avatar = row.value(0).toString();
    account.id = row.value(1).toString();
    account.name = row.value(2).toString();
    account.username = username;
    account.email = row.value(3).toString();
    account.dev_access = row.value(5).toBool();
    account.phone = row.value(6).toString();

    Statement group(
        db, QStringLiteral("SELECT group_name, group_color FROM `groups` WHERE id = :groupId"));
    group.bind(QStringLiteral(":groupId"), row.value(4));
    if (!group.run(&read.errorCode)) {
        read.result = AccountRead::Failed;
        return read;
    }
    if (group.query.next()) {
        account.group_name = group.query.value(0).toString();
        account.group_color = group.query.value(1).toString();
    }
    read.result = AccountRead::Found;
    return read;
}

void markUserOnline(const QString &id)
{
    if (!isAccountId(id))
        return;
    QSqlDatabase db = openedDatabase();
    if (!db.isOpen())
        return;
    Statement update(db,
                     QStringLiteral("UPDATE users SET status = :userStatus, last_login = "
                                    ":userLogin, last_action = :userAction WHERE id = :userID"));
    update.bind(QStringLiteral(":userStatus"), QStringLiteral("online"));
    update.bind(QStringLiteral(":userLogin"), serverDateTime());
    update.bind(QStringLiteral(":userAction"), serverDateTime());
    update.bind(QStringLiteral(":userID"), id);
    update.run();
}

Offline markUserOffline(const QString &id)
{
    QSqlDatabase db = openedDatabase();
    if (!db.isOpen())
        return Offline::Failed;
    Statement status(db, QStringLiteral("SELECT status FROM users WHERE id = :id"));
    status.bind(QStringLiteral(":id"), id);
    if (!status.run())
        return Offline::Failed;
    if (!status.query.next() || status.query.value(0).toString() != QLatin1String("online"))
        return Offline::NotOnline;
    Statement update(db,
                     QStringLiteral("UPDATE users SET status = :userStatus, last_logout = "
                                    ":userLogout, last_action = :userAction WHERE id = :userID"));
    update.bind(QStringLiteral(":userStatus"), QStringLiteral("offline"));
    update.bind(QStringLiteral(":userLogout"), serverDateTime());
    update.bind(QStringLiteral(":userAction"), serverDateTime());
    update.bind(QStringLiteral(":userID"), id);
    return update.run() ? Offline::LoggedOut : Offline::Failed;
}

namespace {

// Rows of `users` whose column holds the value, or -1 when the statement failed.
int rowsHolding(const QString &column, const QString &value)
{
    QSqlDatabase db = openedDatabase();
    if (!db.isOpen())
        return -1;
    Statement select(db, QStringLiteral("SELECT %1 FROM users WHERE %1 = :value").arg(column));
    select.bind(QStringLiteral(":value"), value);
    return select.run() ? select.query.size() : -1;
}

} // namespace

int usernameRows(const QString &username)
{
    return rowsHolding(QStringLiteral("username"), username);
}

int phoneRows(const QString &phone)
{
    return rowsHolding(QStringLiteral("phone"), phone);
}

Written insertAccount(const RegData &reg)
{
    Written written;
    QSqlDatabase db = openedDatabase(&written.errorCode);
    if (!db.isOpen())
        return written;
    Statement insert(
        db,
        QStringLiteral("INSERT INTO users (name, username, password, email, reg_date, user_group, "
                       "birth_date, gender, dev_access, reg_from, country, is_verified) VALUES "
                       "(:name, :username, :password, :email, :reg_date, :user_group, "
                       ":birth_date, :gender, :dev_access, :reg_from, :country_id, "
                       ":account_verified)"));
    insert.bind(QStringLiteral(":name"), reg.name);
    insert.bind(QStringLiteral(":username"), reg.username);
    insert.bind(QStringLiteral(":password"), reg.password);
    insert.bind(QStringLiteral(":email"), reg.email);
    insert.bind(QStringLiteral(":reg_date"), reg.reg_date);
    insert.bind(QStringLiteral(":user_group"), reg.user_group);
    insert.bind(QStringLiteral(":birth_date"), reg.birth_date);
    insert.bind(QStringLiteral(":gender"), reg.gender);
    insert.bind(QStringLiteral(":dev_access"), 0);
    insert.bind(QStringLiteral(":reg_from"), QString::fromLatin1(Product::displayName));
    insert.bind(QStringLiteral(":country_id"), reg.country_id);
    insert.bind(QStringLiteral(":account_verified"), QStringLiteral("yes"));
    written.ok = insert.run(&written.errorCode);
    return written;
}

Written replacePassword(const QString &email, const QString &storedPassword)
{
    Written written;
    QSqlDatabase db = openedDatabase(&written.errorCode);
    if (!db.isOpen())
        return written;
    Statement lookup(db, QStringLiteral("SELECT id FROM users WHERE email = :email"));
    lookup.bind(QStringLiteral(":email"), email);
    if (!lookup.run(&written.errorCode))
        return written;
    if (!lookup.query.next())
        return written; // no account has the address: an empty code
    const QString id = lookup.query.value(0).toString();
    Statement update(db,
                     QStringLiteral("UPDATE users SET password = :password WHERE email = :email "
                                    "AND id = :id"));
    update.bind(QStringLiteral(":password"), storedPassword);
    update.bind(QStringLiteral(":email"), email);
    update.bind(QStringLiteral(":id"), id);
    written.ok = update.run(&written.errorCode);
    return written;
}

void closeConnection()
{
    if (!QSqlDatabase::contains(connectionName()))
        return;
    QSqlDatabase db = QSqlDatabase::database(connectionName(), false);
    if (db.isOpen())
        db.close();
}

void removeConnection()
{
    closeConnection();
    QSqlDatabase::removeDatabase(connectionName());
}

} // namespace AccountQueries
