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

QSqlQuery preparedQuery(const QSqlDatabase &db, const QString &statement)
{
    QSqlQuery query(db);
    query.prepare(statement);
    return query;
}

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

QString connectOptions()
{
    return QStringLiteral("MYSQL_OPT_RECONNECT=TRUE;MYSQL_OPT_CONNECT_TIMEOUT=%1;"
                          "MYSQL_OPT_READ_TIMEOUT=%2;MYSQL_OPT_WRITE_TIMEOUT=%3")
        .arg(connectTimeout())
        .arg(readTimeoutSeconds)
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
    QSqlQuery query = preparedQuery(db,
                                    QStringLiteral("SELECT username, password FROM users WHERE "
                                                   "username = :login OR email = :login OR "
                                                   "phone = :login"));
    query.bindValue(QStringLiteral(":login"), login);
    if (!query.exec() || !query.next())
        return found;
    found.result = Lookup::Found;
    found.username = query.value(0).toString();
    found.storedPassword = query.value(1).toString();
    return found;
}

AccountRead readAccount(const QString &username)
{
    AccountRead read;
    QSqlDatabase db = openedDatabase();
    if (!db.isOpen())
        return read;
    QSqlQuery query = preparedQuery(db,
                                    QStringLiteral("SELECT avatar, id, name, email, user_group, "
                                                   "dev_access, phone FROM users WHERE "
                                                   "username = :username"));
    query.bindValue(QStringLiteral(":username"), username);
    if (!query.exec() || !query.next())
        return read;
    read.found = true;
    AccountData &account = read.account;
    account.avatar = query.value(0).toString();
    account.id = query.value(1).toString();
    account.name = query.value(2).toString();
    account.username = username;
    account.email = query.value(3).toString();
    account.dev_access = query.value(5).toBool();
    account.phone = query.value(6).toString();

    QSqlQuery group = preparedQuery(
        db, QStringLiteral("SELECT group_name, group_color FROM `groups` WHERE id = :groupId"));
    group.bindValue(QStringLiteral(":groupId"), query.value(4));
    if (group.exec() && group.next()) {
        account.group_name = group.value(0).toString();
        account.group_color = group.value(1).toString();
    }
    return read;
}

void markUserOnline(const QString &id)
{
    if (!isAccountId(id))
        return;
    QSqlDatabase db = openedDatabase();
    if (!db.isOpen())
        return;
    QSqlQuery query = preparedQuery(db,
                                    QStringLiteral("UPDATE users SET status = :userStatus, "
                                                   "last_login = :userLogin, last_action = "
                                                   ":userAction WHERE id = :userID"));
    query.bindValue(QStringLiteral(":userStatus"), QStringLiteral("online"));
    query.bindValue(QStringLiteral(":userLogin"), serverDateTime());
    query.bindValue(QStringLiteral(":userAction"), serverDateTime());
    query.bindValue(QStringLiteral(":userID"), id);
    query.exec();
}

Offline markUserOffline(const QString &id)
{
    QSqlDatabase db = openedDatabase();
    if (!db.isOpen())
        return Offline::Failed;
    QSqlQuery status = preparedQuery(db, QStringLiteral("SELECT status FROM users WHERE id = :id"));
    status.bindValue(QStringLiteral(":id"), id);
    if (!status.exec())
        return Offline::Failed;
    if (!status.next() || status.value(0).toString() != QLatin1String("online"))
        return Offline::NotOnline;
    QSqlQuery query = preparedQuery(db,
                                    QStringLiteral("UPDATE users SET status = :userStatus, "
                                                   "last_logout = :userLogout, last_action = "
                                                   ":userAction WHERE id = :userID"));
    query.bindValue(QStringLiteral(":userStatus"), QStringLiteral("offline"));
    query.bindValue(QStringLiteral(":userLogout"), serverDateTime());
    query.bindValue(QStringLiteral(":userAction"), serverDateTime());
    query.bindValue(QStringLiteral(":userID"), id);
    return query.exec() ? Offline::LoggedOut : Offline::Failed;
}

int usernameRows(const QString &username)
{
    QSqlDatabase db = openedDatabase();
    if (!db.isOpen())
        return -1;
    QSqlQuery query = preparedQuery(
        db, QStringLiteral("SELECT username FROM users WHERE username = :username"));
    query.bindValue(QStringLiteral(":username"), username);
    return query.exec() ? query.size() : -1;
}

int phoneRows(const QString &phone)
{
    QSqlDatabase db = openedDatabase();
    if (!db.isOpen())
        return -1;
    QSqlQuery query
        = preparedQuery(db, QStringLiteral("SELECT phone FROM users WHERE phone = :phone"));
    query.bindValue(QStringLiteral(":phone"), phone);
    return query.exec() ? query.size() : -1;
}

Written insertAccount(const RegData &reg)
{
    Written written;
    QSqlDatabase db = openedDatabase(&written.errorCode);
    if (!db.isOpen())
        return written;
    QSqlQuery query = preparedQuery(
        db,
        QStringLiteral("INSERT INTO users (name, username, password, email, reg_date, user_group, "
                       "birth_date, gender, dev_access, reg_from, country, is_verified) VALUES "
                       "(:name, :username, :password, :email, :reg_date, :user_group, "
                       ":birth_date, :gender, :dev_access, :reg_from, :country_id, "
                       ":account_verified)"));
    query.bindValue(QStringLiteral(":name"), reg.name);
    query.bindValue(QStringLiteral(":username"), reg.username);
    query.bindValue(QStringLiteral(":password"), reg.password);
    query.bindValue(QStringLiteral(":email"), reg.email);
    query.bindValue(QStringLiteral(":reg_date"), reg.reg_date);
    query.bindValue(QStringLiteral(":user_group"), reg.user_group);
    query.bindValue(QStringLiteral(":birth_date"), reg.birth_date);
    query.bindValue(QStringLiteral(":gender"), reg.gender);
    query.bindValue(QStringLiteral(":dev_access"), 0);
    query.bindValue(QStringLiteral(":reg_from"), QString::fromLatin1(Product::displayName));
    query.bindValue(QStringLiteral(":country_id"), reg.country_id);
    query.bindValue(QStringLiteral(":account_verified"), QStringLiteral("yes"));
    written.ok = query.exec();
    if (!written.ok)
        written.errorCode = query.lastError().nativeErrorCode();
    return written;
}

Written replacePassword(const QString &email, const QString &storedPassword)
{
    Written written;
    QSqlDatabase db = openedDatabase(&written.errorCode);
    if (!db.isOpen())
        return written;
    QSqlQuery idQuery
        = preparedQuery(db, QStringLiteral("SELECT id FROM users WHERE email = :email"));
    idQuery.bindValue(QStringLiteral(":email"), email);
    if (!idQuery.exec()) {
        written.errorCode = idQuery.lastError().nativeErrorCode();
        return written;
    }
    if (!idQuery.next())
        return written; // no account has the address: an empty code
    const QString id = idQuery.value(0).toString();
    QSqlQuery query = preparedQuery(db,
                                    QStringLiteral("UPDATE users SET password = :password WHERE "
                                                   "email = :email AND id = :id"));
    query.bindValue(QStringLiteral(":password"), storedPassword);
    query.bindValue(QStringLiteral(":email"), email);
    query.bindValue(QStringLiteral(":id"), id);
    written.ok = query.exec();
    if (!written.ok)
        written.errorCode = query.lastError().nativeErrorCode();
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
