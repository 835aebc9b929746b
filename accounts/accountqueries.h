#pragma once
// The statements of the account database. They run synchronously on the thread that owns the
// connection "DBConnection" (the database thread, see DatabaseThread), which they open when it
// is not. Every value goes to the server as a bound value.

#include "accounts/accountdata.h"

#include <QString>

namespace AccountQueries {

// The driver's connection options: a server that accepts and then stays silent is given up
// after these times (seconds).
constexpr int connectTimeoutSeconds = 3;
constexpr int readTimeoutSeconds = 5;
constexpr int writeTimeoutSeconds = 5;
QString connectOptions();
// Replaces the connect time-out of the connections opened from now on (a test that waits for
// it); 0 restores connectTimeoutSeconds. Any thread.
void setConnectTimeout(int seconds);
int connectTimeout();
// The same for the read time-out (readTimeoutSeconds).
void setReadTimeout(int seconds);
int readTimeout();

// An id that names an account: a decimal number of at least 1.
bool isAccountId(const QString &id);

struct Lookup
{
    // Failed: the statement got no answer (timed out, connection lost) or was refused.
    enum Result { Unreachable, NotOpened, Failed, NoRow, Found };
    Result result = NoRow;
    QString errorCode; // NotOpened, Failed: the driver's native code
    QString username;
    QString storedPassword;
};
// The account whose user name, e-mail or phone is the login, after testing the vendor's host.
Lookup findAccount(const QString &login);

struct AccountRead
{
    enum Result { Failed, NoRow, Found };
    Result result = Failed;
    QString errorCode; // Failed: the driver's native code
    AccountData account; // group name and colour empty when the group row is missing
};
AccountRead readAccount(const QString &username);

void markUserOnline(const QString &id);

enum class Offline { NotOnline, LoggedOut, Failed };
// Sets an online account offline; an account that is not online (or missing) is NotOnline.
Offline markUserOffline(const QString &id);

// Rows holding the value, or -1 when the statement failed (or got no answer).
int usernameRows(const QString &username);
int phoneRows(const QString &phone);

// A write: ok, or the server's native error code.
struct Written
{
    bool ok = false;
    QString errorCode;
};
Written insertAccount(const RegData &reg);
// The new stored password of the account of the address; no account: not ok, empty code.
Written replacePassword(const QString &email, const QString &storedPassword);

void closeConnection();
// Closes the connection and forgets it, so the next task builds it from the settings again.
void removeConnection();

} // namespace AccountQueries
