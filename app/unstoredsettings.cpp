#include "app/unstoredsettings.h"

#include "app/applog.h"
#include "app/atomicfile.h"
#include "app/msgdialog.h"

#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QPointer>
#include <QSet>
#include <QWidget>

#include <mutex>

namespace {

std::mutex unstoredMutex;
QHash<QString, QVariant> unstoredValues; // by "group/key"
// Refusals logged, and whether the user was told of one, since the store last took a value.
QSet<QString> loggedKeys;
bool userTold = false;

QString keyPath(const QString &group, const QString &key)
{
    return group + QLatin1Char('/') + key;
}

// The folder itself, or the closest of its parents that exists (a missing folder is made
// inside that one).
QString closestExistingFolder(QString folder)
{
    while (!QFileInfo(folder).isDir()) {
        const QString parent = QFileInfo(folder).absolutePath();
        if (parent == folder)
            break;
        folder = parent;
    }
    return folder;
}

// How often a box that went with its owner before it was answered is shown again.
constexpr int maxRetells = 3;

void tellUser(const QString &reason, int retold = 0)
{
    auto *app = qobject_cast<QApplication *>(QCoreApplication::instance());
    if (!app)
        return;
    // Queued: a write may come from a resize, a destructor or another thread, none of which may
    // run a modal loop.
    QMetaObject::invokeMethod(
        app,
        [reason, retold] {
            // The change was made in the window in front (the main window or a dialog over it):
            // the box belongs to that one, so it shows over it rather than behind.
            QWidget *owner = QApplication::activeModalWidget();
            if (!owner)
                owner = QApplication::activeWindow();
            // The owner may go while the box is open (a dialog that closes itself), taking the
            // box with it.
            QPointer<MsgDialog> message = new MsgDialog(
                owner, QObject::tr("Error"),
                QObject::tr("Settings could not be saved!") + QLatin1Char('\n') + reason
                    + QLatin1Char('\n') + QObject::tr("Changes apply until the program is closed."),
                3, QDialogButtonBox::Ok);
            message->exec();
            if (!message) {
                // It went with its owner (a dialog that closed itself) before it was answered:
                // not read yet, it is shown again over the window now in front.
                if (retold < maxRetells)
                    tellUser(reason, retold + 1);
                return;
            }
            delete message.data();
        },
        Qt::QueuedConnection);
}

} // namespace

namespace Settings {

void keepUnstoredValue(const QString &group, const QString &key, const QVariant &value)
{
    std::lock_guard<std::mutex> lock(unstoredMutex);
    unstoredValues.insert(keyPath(group, key), value);
}

void forgetUnstoredValue(const QString &group, const QString &key)
{
    std::lock_guard<std::mutex> lock(unstoredMutex);
    unstoredValues.remove(keyPath(group, key));
}

bool unstoredValue(const QString &group, const QString &key, QVariant *value)
{
    std::lock_guard<std::mutex> lock(unstoredMutex);
    const auto found = unstoredValues.constFind(keyPath(group, key));
    if (found == unstoredValues.constEnd())
        return false;
    if (value)
        *value = found.value();
    return true;
}

QString storeWriteFailureReason(const QString &fileName, qint64 bytes)
{
    const QFileInfo info(fileName);
    if (info.exists()) {
        QFile file(fileName);
        if (!file.open(QIODevice::ReadWrite))
            return file.errorString();
    }
    // The store is rewritten through a new file beside it: make one of that size (and a block
    // more) to learn what stops it.
    const QString folder = closestExistingFolder(info.absolutePath());
    const QString probe
        = folder + QStringLiteral("/.") + info.fileName() + QStringLiteral(".probe");
    const qint64 size = qBound<qint64>(0, bytes, 64 * 1024 * 1024) + 4096;
    QString reason;
    if (!AtomicFile::writeFile(probe, QByteArray(int(size), '\n'), &reason))
        return reason.isEmpty() ? QObject::tr("Unknown") : reason;
    QFile::remove(probe);
    return QObject::tr("Unknown");
}

bool unstoredSettingReported(const QString &group, const QString &key, bool userChange)
{
    std::lock_guard<std::mutex> lock(unstoredMutex);
    return loggedKeys.contains(keyPath(group, key)) && (!userChange || userTold);
}

void reportUnstoredSetting(const QString &group, const QString &key, const QString &reason,
                           bool userChange)
{
    bool log = false;
    bool tell = false;
    {
        std::lock_guard<std::mutex> lock(unstoredMutex);
        const QString path = keyPath(group, key);
        log = !loggedKeys.contains(path);
        loggedKeys.insert(path);
        tell = userChange && !userTold;
        userTold = userTold || userChange;
    }
    if (log) {
        appendToLog(QStringLiteral("%1: %2: %3")
                        .arg(currentTimestamp(),
                             QObject::tr("setting %1 could not be saved").arg(keyPath(group, key)),
                             reason));
    }
    if (tell)
        tellUser(reason);
}

void noteSettingStored()
{
    std::lock_guard<std::mutex> lock(unstoredMutex);
    loggedKeys.clear();
    userTold = false;
}

void resetUnstoredSettings()
{
    std::lock_guard<std::mutex> lock(unstoredMutex);
    unstoredValues.clear();
    loggedKeys.clear();
    userTold = false;
}

} // namespace Settings
