#pragma once
// Settings the store could not take (a full disk, a read-only folder): the value stays in
// memory for the rest of the session and the log names each key that could not be stored. The
// user is told, with the system's reason, of the first of their own changes that the store
// refuses; once the store takes a value again, a later refusal is logged and told again.
// Any thread.

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

// Logs the refusal of group/key unless it was logged since the store last took a value. With
// `userChange`, the user is also told in a message box (queued to the GUI thread and owned by
// the window in front; none without a widget application) unless told since then.
void reportUnstoredSetting(const QString &group, const QString &key, const QString &reason,
                           bool userChange);
// True when a refusal of group/key would neither be logged nor told (see above).
bool unstoredSettingReported(const QString &group, const QString &key, bool userChange);
// The store took a value: later refusals are news again.
void noteSettingStored();

// Starts a new session (tests): no value kept, nothing reported yet.
void resetUnstoredSettings();

} // namespace Settings
