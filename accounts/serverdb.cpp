#include "accounts/serverdb.h"

#include "accounts/accountforms.h"
#include "app/config.h"
#include "app/productinfo.h"
#include "app/systemfunctions.h"
#include "net/networkmanager.h"

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QThread>
#include <QVariant>

namespace {

// An id that names an account: a decimal number of at least 1.
bool isAccountId(const QString &id)
{
    bool ok = false;
    const qlonglong number = id.toLongLong(&ok, 10);
    return ok && number >= 1;
}

QSqlQuery preparedQuery(const QSqlDatabase &db, const QString &statement)
{
    QSqlQuery query(db);
    query.prepare(statement);
    return query;
}

} // namespace

void registerAccountMetaTypes()
{
    qRegisterMetaType<QVector<AccountData>>("QVector<AccountData>");
    qRegisterMetaType<QVector<RegData>>("QVector<RegData>");
}

ServerDB::ServerDB(QObject *parent)
    : QObject(parent)
{
    const QString name = QString::fromLatin1(connectionName);
    if (QSqlDatabase::contains(name))
        return;
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QMYSQL"), name);
    db.setHostName(Config::dbHost());
    db.setPort(Config::dbPort());
    db.setDatabaseName(Config::dbName());
    db.setUserName(Config::dbUser());
    db.setPassword(Config::dbPassword());
    db.setConnectOptions(QStringLiteral("MYSQL_OPT_RECONNECT=TRUE"));
}

QSqlDatabase ServerDB::openedDatabase()
{
    QSqlDatabase db = QSqlDatabase::database(QString::fromLatin1(connectionName), false);
    if (db.isValid() && !db.isOpen())
        db.open();
    return db;
}

void ServerDB::connectDB(const QString &login, const QString &password)
{
    emit loginStarted();
    if (!isNetworkAvailable()) {
        emit databaseConnectionError();
        emit finished();
        return;
    }
    QSqlDatabase db = openedDatabase();
    if (!db.isOpen()) {
        emit databaseConnectionError(db.lastError().nativeErrorCode());
        return;
    }
    QSqlQuery query = preparedQuery(db,
                                    QStringLiteral("SELECT username, password FROM users WHERE "
                                                   "username = :login OR email = :login OR "
                                                   "phone = :login"));
    query.bindValue(QStringLiteral(":login"), login);
    if (!query.exec() || !query.next()) {
        emit noAccountFound();
        return;
    }
    username = query.value(0).toString();
    checkUserPasswordInThread(password, query.value(1).toString());
}

void ServerDB::checkUserPasswordInThread(const QString &password, const QString &storedPassword)
{
    auto *thread = new QThread;
    auto *manager = new NetworkManager;
    manager->moveToThread(thread);
    QMetaObject::invokeMethod(manager, "checkUserPassword",
                              Q_ARG(QString, AccountForms::threadCopy(password)),
                              Q_ARG(QString, AccountForms::threadCopy(storedPassword)));
    connect(manager, &NetworkManager::loggedInSuccessfully, this, &ServerDB::setLoggedIn);
    connect(manager, &NetworkManager::credentialsError, this, &ServerDB::setCredentialsError);
    connect(manager, &NetworkManager::finished, thread, &QThread::quit);
    connect(manager, &NetworkManager::finished, manager, &QObject::deleteLater);
    connect(thread, &QThread::finished, thread, &QObject::deleteLater);
    thread->start(QThread::InheritPriority);
}

void ServerDB::setLoggedIn()
{
    getAccountData();
}

void ServerDB::getAccountData()
{
    if (username.isEmpty())
        return;
    QSqlDatabase db = openedDatabase();
    QSqlQuery query = preparedQuery(db,
                                    QStringLiteral("SELECT avatar, id, name, email, user_group, "
                                                   "dev_access, phone FROM users WHERE "
                                                   "username = :username"));
    query.bindValue(QStringLiteral(":username"), username);
    if (!query.exec() || !query.next())
        return;

    AccountData account;
    account.avatar = query.value(0).toString();
    emit accountImage(account.avatar);
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

    markUserOnline(account.id);
    emit accountData(QVector<AccountData> { account });
}

void ServerDB::markUserOnline(const QString &id)
{
    if (!isAccountId(id))
        return;
    QSqlQuery query = preparedQuery(openedDatabase(),
                                    QStringLiteral("UPDATE users SET status = :userStatus, "
                                                   "last_login = :userLogin, last_action = "
                                                   ":userAction WHERE id = :userID"));
    query.bindValue(QStringLiteral(":userStatus"), QStringLiteral("online"));
    query.bindValue(QStringLiteral(":userLogin"), serverDateTime());
    query.bindValue(QStringLiteral(":userAction"), serverDateTime());
    query.bindValue(QStringLiteral(":userID"), id);
    query.exec();
}

void ServerDB::setCredentialsError()
{
    emit passwordVerificationFailed();
    emit finished();
}

void ServerDB::closeConnection()
{
    QSqlDatabase db = QSqlDatabase::database(QString::fromLatin1(connectionName), false);
    if (db.isOpen())
        db.close();
    emit finished();
}

void ServerDB::setUserLoggedOffStatus(const QString &userID)
{
    emit logoutStarted();
    if (isAccountId(userID))
        markUserOffline(userID);
    else
        emit loggedOutFailed(); // the page would otherwise wait behind its spinner for good
    emit finished();
}

void ServerDB::markUserOffline(const QString &id)
{
    if (!isAccountId(id))
        return;
    QSqlDatabase db = openedDatabase();
    QSqlQuery status = preparedQuery(db, QStringLiteral("SELECT status FROM users WHERE id = :id"));
    status.bindValue(QStringLiteral(":id"), id);
    if (!status.exec()) {
        emit loggedOutFailed();
        return;
    }
    // An account that is not online (or no longer exists) is signed out already.
    if (!status.next() || status.value(0).toString() != QLatin1String("online")) {
        emit loggedOut();
        return;
    }
    QSqlQuery query = preparedQuery(db,
                                    QStringLiteral("UPDATE users SET status = :userStatus, "
                                                   "last_logout = :userLogout, last_action = "
                                                   ":userAction WHERE id = :userID"));
    query.bindValue(QStringLiteral(":userStatus"), QStringLiteral("offline"));
    query.bindValue(QStringLiteral(":userLogout"), serverDateTime());
    query.bindValue(QStringLiteral(":userAction"), serverDateTime());
    query.bindValue(QStringLiteral(":userID"), id);
    if (query.exec())
        emit loggedOut();
    else
        emit loggedOutFailed();
}

void ServerDB::validateUsername(const QString &name)
{
    QSqlQuery query = preparedQuery(
        openedDatabase(), QStringLiteral("SELECT username FROM users WHERE username = :username"));
    query.bindValue(QStringLiteral(":username"), name);
    // A lookup that fails reads as taken: a name is never offered that may exist.
    const int size = query.exec() ? query.size() : -1;
    if (size != 0)
        emit usernameTaken();
    else
        emit usernameAvailable();
    emit usernameValidationFinished();
}

void ServerDB::validatePhone(const QString &phone)
{
    QSqlQuery query = preparedQuery(openedDatabase(),
                                    QStringLiteral("SELECT phone FROM users WHERE phone = :phone"));
    query.bindValue(QStringLiteral(":phone"), phone);
    const int size = query.exec() ? query.size() : -1;
    if (size >= 1)
        emit phoneTaken();
    else
        emit phoneAvailable();
    emit phoneValidationFinished();
}

void ServerDB::registerAccount(const QVector<RegData> &regDataVector)
{
    if (regDataVector.isEmpty()) {
        emit regFailed(QString());
        emit registrationFinished();
        return;
    }
    const RegData &reg = regDataVector.first();
    QSqlDatabase db = openedDatabase();
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
    if (query.exec())
        emit regSuccess();
    else
        emit regFailed(db.isOpen() ? query.lastError().nativeErrorCode()
                                   : db.lastError().nativeErrorCode());
    emit registrationFinished();
}

QString ServerDB::findUserIdByEmail(const QString &email)
{
    QSqlQuery query = preparedQuery(openedDatabase(),
                                    QStringLiteral("SELECT id FROM users WHERE email = :email"));
    query.bindValue(QStringLiteral(":email"), email);
    if (query.exec() && query.next())
        return query.value(0).toString();
    return QString();
}

void ServerDB::recoverAccount(const QString &email, const QString &encryptedPassword)
{
    const QString id = findUserIdByEmail(email);
    if (id.isEmpty()) {
        // No account has the address: nothing was changed, so this is no success. An empty
        // code tells the dialog that no account was found.
        emit recoveryFailed(QString());
        emit recoveryFinished();
        return;
    }
    QSqlDatabase db = openedDatabase();
    QSqlQuery query = preparedQuery(db,
                                    QStringLiteral("UPDATE users SET password = :password WHERE "
                                                   "email = :email AND id = :id"));
    query.bindValue(QStringLiteral(":password"), encryptedPassword);
    query.bindValue(QStringLiteral(":email"), email);
    query.bindValue(QStringLiteral(":id"), id);
    if (query.exec())
        emit recoverySuccess();
    else
        emit recoveryFailed(query.lastError().nativeErrorCode());
    emit recoveryFinished();
}
