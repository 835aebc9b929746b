#pragma once
// Settings the store could not take (a full disk, a read-only folder): the value stays in
// memory for the rest of the session, the user is told once with the system's reason, and the
// log names each key that could not be stored. Any thread.

#include <QString>
#include <QVariant>

namespace Settings {

// Remembers the value of group/key that the store refused, or forgets it once stored.
void keepUnstoredValue(const QString &group, const QString &key, const QVariant &value);
void forgetUnstoredValue(const QString &group, const QString &key);
// The refused value of group/key, when there is one.
bool unstoredValue(const QString &group, const QString &key, QVariant *value);

// The system's reason why the store file `fileName` can't take `bytes` bytes, found by
// repeating what a store write does (open the file, create and fill a file beside it);
// "Unknown" when all of that works now.
QString storeWriteFailureReason(const QString &fileName, qint64 bytes);

// Logs the first failure of group/key in this session and, once a session, shows the user a
// message box with the reason (queued to the GUI thread; none without a widget application).
void reportUnstoredSetting(const QString &group, const QString &key, const QString &reason);
// True when group/key has already been reported in this session.
bool unstoredSettingReported(const QString &group, const QString &key);

// Starts a new session (tests): no value kept, nothing reported yet.
void resetUnstoredSettings();

} // namespace Settings
