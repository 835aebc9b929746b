#pragma once
// One task on the vendor's account database. The caller creates it on the GUI thread, connects
// the signals it needs, calls one operation directly and releases it on finished(). Every
// statement runs synchronously on the connection "DBConnection", which all objects share; only
// the password check leaves the thread, on a NetworkManager of its own.

#include "accounts/accountdata.h"

#include <QObject>
#include <QString>
#include <QVector>

class QSqlDatabase;

class ServerDB : public QObject
{
    Q_OBJECT

public:
    static constexpr const char *connectionName = "DBConnection";

    explicit ServerDB(QObject *parent = nullptr);

    // Sets the account offline when it is online; silent for a bad id, no row or another status.
    void markUserOffline(const QString &id);

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
    void markUserOnline(const QString &id);
    QString findUserIdByEmail(const QString &email);
    // The shared connection, opened when it is not; an invalid one when it does not open.
    static QSqlDatabase openedDatabase();

    QString username;
};
