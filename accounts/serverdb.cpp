#include "accounts/serverdb.h"

#include "accounts/accountforms.h"
#include "accounts/accountqueries.h"
#include "net/networkmanager.h"

#include <QPointer>
#include <QThread>

namespace {
int passwordCheckStallOverride = 0;
} // namespace

void registerAccountMetaTypes()
{
    qRegisterMetaType<QVector<AccountData>>("QVector<AccountData>");
    qRegisterMetaType<QVector<RegData>>("QVector<RegData>");
}

// The connection itself belongs to the database thread, which creates it with the first task.
ServerDB::ServerDB(QObject *parent)
    : QObject(parent)
{
}

bool ServerDB::endSession(int timeoutMs)
{
    return DatabaseThread::stop([] { AccountQueries::removeConnection(); }, timeoutMs);
}

void ServerDB::setPasswordCheckStallTimeout(int milliseconds)
{
    passwordCheckStallOverride = qMax(0, milliseconds);
}

// A receiver of any signal may open a message box, whose loop runs what is queued meanwhile: a
// finished task's finished(), and with it this object's deleteLater. Every emit that has more to
// do after it checks that the object is still there (`self`).

void ServerDB::connectDB(const QString &login, const QString &password)
{
    using AccountQueries::Lookup;
    const QPointer<ServerDB> self(this);
    emit loginStarted();
    if (!self)
        return;
    runTask([login] { return AccountQueries::findAccount(login); },
            [this, password](const Lookup &found) {
                const QPointer<ServerDB> self(this);
                switch (found.result) {
                case Lookup::Unreachable:
                    emit databaseConnectionError();
                    if (self)
                        emit finished();
                    return;
                case Lookup::NotOpened:
                case Lookup::Failed:
                    // A lookup without an answer is no "no such account".
                    emit databaseConnectionError(found.errorCode);
                    return;
                case Lookup::NoRow:
                    emit noAccountFound();
                    return;
                case Lookup::Found:
                    username = found.username;
                    checkUserPasswordInThread(password, found.storedPassword);
                    return;
                }
            });
}

void ServerDB::checkUserPasswordInThread(const QString &password, const QString &storedPassword)
{
    auto *thread = new QThread;
    auto *manager = new NetworkManager;
    if (passwordCheckStallOverride > 0)
        manager->setStallTimeout(passwordCheckStallOverride);
    manager->moveToThread(thread);
    QMetaObject::invokeMethod(manager, "checkUserPassword",
                              Q_ARG(QString, AccountForms::threadCopy(password)),
                              Q_ARG(QString, AccountForms::threadCopy(storedPassword)));
    connect(manager, &NetworkManager::loggedInSuccessfully, this, &ServerDB::setLoggedIn);
    connect(manager, &NetworkManager::credentialsError, this, &ServerDB::setCredentialsError);
    // No answer says nothing about the password; the sign-in then asks for the close (closeDB)
    // as after a database that did not answer.
    connect(manager, &NetworkManager::requestFailed, this, &ServerDB::passwordCheckFailed);
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
    // The avatar request starts before the account is marked online.
    runTask([name = username] { return AccountQueries::readAccount(name); },
            [this](const AccountQueries::AccountRead &read) {
                // The sign-in waits for the account: it always hears how the read ended.
                if (read.result == AccountQueries::AccountRead::Failed) {
                    emit databaseConnectionError(read.errorCode);
                    return;
                }
                if (read.result == AccountQueries::AccountRead::NoRow) {
                    emit noAccountFound(); // removed since the lookup
                    return;
                }
                const QPointer<ServerDB> self(this);
                emit accountImage(read.account.avatar);
                if (!self)
                    return;
                const AccountData account = read.account;
                runTask(
                    [id = account.id] {
                        AccountQueries::markUserOnline(id);
                        return true;
                    },
                    [this, account](bool) { emit accountData(QVector<AccountData> { account }); });
            });
}

void ServerDB::setCredentialsError()
{
    const QPointer<ServerDB> self(this);
    emit passwordVerificationFailed();
    if (self)
        emit finished();
}

void ServerDB::closeConnection()
{
    runTask(
        [] {
            AccountQueries::closeConnection();
            return true;
        },
        [this](bool) { emit finished(); });
}

void ServerDB::setUserLoggedOffStatus(const QString &userID)
{
    const QPointer<ServerDB> self(this);
    emit logoutStarted();
    if (!self)
        return;
    if (!AccountQueries::isAccountId(userID)) {
        emit loggedOutFailed(); // the page would otherwise wait behind its spinner for good
        if (self)
            emit finished();
        return;
    }
    runTask([userID] { return AccountQueries::markUserOffline(userID); },
            [this](AccountQueries::Offline result) {
                const QPointer<ServerDB> self(this);
                reportOffline(result);
                if (self)
                    emit finished();
            });
}

void ServerDB::markUserOffline(const QString &id)
{
    if (!AccountQueries::isAccountId(id))
        return;
    runTask([id] { return AccountQueries::markUserOffline(id); },
            [this](AccountQueries::Offline result) { reportOffline(result); });
}

void ServerDB::reportOffline(AccountQueries::Offline result)
{
    // An account that is not online (or no longer exists) is signed out already.
    if (result == AccountQueries::Offline::Failed)
        emit loggedOutFailed();
    else
        emit loggedOut();
}

void ServerDB::validateUsername(const QString &name)
{
    runTask([name] { return AccountQueries::usernameRows(name); },
            [this](int rows) {
                const QPointer<ServerDB> self(this);
                // A lookup that fails reads as taken: a name is never offered that may exist.
                if (rows != 0)
                    emit usernameTaken();
                else
                    emit usernameAvailable();
                if (self)
                    emit usernameValidationFinished();
            });
}

void ServerDB::validatePhone(const QString &phone)
{
    runTask([phone] { return AccountQueries::phoneRows(phone); },
            [this](int rows) {
                const QPointer<ServerDB> self(this);
                // As for a user name: a lookup that fails reads as taken, never as free.
                if (rows != 0)
                    emit phoneTaken();
                else
                    emit phoneAvailable();
                if (self)
                    emit phoneValidationFinished();
            });
}

void ServerDB::registerAccount(const QVector<RegData> &regDataVector)
{
    if (regDataVector.isEmpty()) {
        const QPointer<ServerDB> self(this);
        emit regFailed(QString());
        if (self)
            emit registrationFinished();
        return;
    }
    runTask([reg = regDataVector.first()] { return AccountQueries::insertAccount(reg); },
            [this](const AccountQueries::Written &written) {
                const QPointer<ServerDB> self(this);
                if (written.ok)
                    emit regSuccess();
                else
                    emit regFailed(written.errorCode);
                if (self)
                    emit registrationFinished();
            });
}

void ServerDB::recoverAccount(const QString &email, const QString &encryptedPassword)
{
    runTask(
        [email, encryptedPassword] {
            return AccountQueries::replacePassword(email, encryptedPassword);
        },
        [this](const AccountQueries::Written &written) {
            const QPointer<ServerDB> self(this);
            // An empty code: no account has the address, so nothing was changed.
            if (written.ok)
                emit recoverySuccess();
            else
                emit recoveryFailed(written.errorCode);
            if (self)
                emit recoveryFinished();
        });
}
