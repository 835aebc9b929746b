#pragma once
// One task on the vendor's account database. The caller creates it on the GUI thread, connects
// the signals it needs, calls one operation and releases it on finished(). The statements run
// on the database thread (DatabaseThread), on the connection "DBConnection" that all objects
// share, and the results come back as this object's signals on the GUI thread; the password
// check runs on a NetworkManager of its own. A released object receives no late result. A
// statement that fails or gets no answer in time is a failure, never a result: the connection
// error, a name or number read as taken, a failed write or sign-out. A receiver may release the
// object while it handles a signal (a message box runs its own loop): nothing is emitted after
// that.

#include "accounts/accountdata.h"
#include "accounts/accountqueries.h"
#include "accounts/databasethread.h"

#include <QObject>
#include <QString>
#include <QVector>
#include <memory>
#include <mutex>
#include <type_traits>

class ServerDB : public QObject
{
    Q_OBJECT

public:
    static constexpr const char *connectionName = "DBConnection";

    explicit ServerDB(QObject *parent = nullptr);

    // Sets the account offline when it is online (loggedOut); an account that is not online
    // gives loggedOut too, a failed statement loggedOutFailed, a bad id no signal.
    void markUserOffline(const QString &id);

    // Closes and forgets the connection after the tasks already asked for and ends the database
    // thread, waiting at most timeoutMs. False when the thread was still busy then.
    static bool endSession(int timeoutMs);

    // Replaces the password check's stall time-out (NetworkManager::transferTimeoutMs) for the
    // checks started from now on; 0 restores it.
    static void setPasswordCheckStallTimeout(int milliseconds);

signals:
    void databaseConnectionError(QString connectionError);
    void databaseConnectionError();
    void noAccountFound();
    void accountData(QVector<AccountData> userAccountData);
    void accountImage(QString path);
    void passwordVerificationFailed();
    void finished();
    void usernameTaken();
    void usernameAvailable();
    void phoneTaken();
    void phoneAvailable();
    void phoneValidationFinished();
    void regSuccess();
    void regFailed(QString error);
    void registrationFinished();
    void usernameValidationFinished();
    void loginStarted();
    void logoutStarted();
    void loggedOut();
    void loggedOutFailed();
    void recoverySuccess();
    void recoveryFailed(QString error);
    void recoveryFinished();
    // The password check got no answer from the service (refused, silent, cut, TLS, an error
    // status): nothing is known about the password. The reason says what went wrong.
    void passwordCheckFailed(QString reason);

public slots:
    void connectDB(const QString &login, const QString &password);
    void getAccountData();
    void closeConnection();
    void setLoggedIn();
    void setCredentialsError();
    void validateUsername(const QString &username);
    void validatePhone(const QString &phone);
    void registerAccount(const QVector<RegData> &regDataVector);
    void setUserLoggedOffStatus(const QString &userID);
    void recoverAccount(const QString &email, const QString &encryptedPassword);

private:
    void checkUserPasswordInThread(const QString &password, const QString &storedPassword);
    void reportOffline(AccountQueries::Offline result);

    // Runs work() on the database thread and hands its result to apply() on this object's
    // thread, unless this object is gone by then.
    template<typename Work, typename Apply> void runTask(Work work, Apply apply)
    {
        using Result = std::invoke_result_t<Work>;
        auto result = std::make_shared<Result>();
        DatabaseThread::post(
            this,
            [result, work] {
                Result value = work();
                const std::lock_guard<std::mutex> guard(DatabaseThread::handoverLock());
                *result = std::move(value);
            },
            [result, apply] {
                Result value;
                {
                    const std::lock_guard<std::mutex> guard(DatabaseThread::handoverLock());
                    value = *result;
                }
                apply(value);
            });
    }

    QString username;
};
