#include "app/settings.h"

#include "app/appenums.h"
#include "app/cipher.h"
#include "app/fonts.h"
#include "app/savedgeometry.h"
#include "app/systemfunctions.h"
#include "app/unstoredsettings.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QScreen>
#include <QSettings>
#include <QStandardPaths>
#include <QWidget>

#include <limits>

namespace {

// The store holds the enciphered remembered password: keep it private to the user. The file is
// created with mode 0600 before the first write, so the atomic rewrite of QSettings, which keeps
// the permissions of an existing file, never exposes it.
void protectStoreFile(const QString &fileName)
{
    if (fileName.isEmpty())
        return;
    QFile file(fileName);
    if (!file.exists()) {
        QDir().mkpath(QFileInfo(fileName).absolutePath());
        if (!file.open(QIODevice::WriteOnly | QIODevice::NewOnly))
            return;
        file.close();
    }
    file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
}

bool isTextLike(const QVariant &value)
{
    switch (value.userType()) {
    case QMetaType::Bool:
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Double:
    case QMetaType::Float:
    case QMetaType::QString:
        return true;
    default:
        return false;
    }
}

// Whether writing `value` would leave the store as it is. The store file keeps numbers and
// booleans as texts, which is how they read back after a restart, so those compare by that text
// (12 and "12", 1 and 1.0); other values only by their own type.
bool sameValue(const QVariant &held, const QVariant &value)
{
    if (!held.isValid() || !value.isValid())
        return false;
    if (isTextLike(held) && isTextLike(value))
        return held.toString() == value.toString();
    return held.userType() == value.userType() && held == value;
}

// `userChange`: the user's own change, whose refusal the user is told of; other writes (start
// defaults, repairs of invalid values) are only logged when refused.
void writeValue(const QString &group, const QString &key, const QVariant &value, bool userChange)
{
    QSettings settings;
    settings.beginGroup(group);
    // A value equal to the one in effect is no change: nothing is written, so nothing can fail
    // (a read-only store is not rewritten with what it holds).
    QVariant held;
    if (!Settings::unstoredValue(group, key, &held) && settings.contains(key))
        held = settings.value(key);
    if (sameValue(held, value))
        return;
    protectStoreFile(settings.fileName());
    settings.setValue(key, value);
    settings.endGroup();
    // QSettings writes lazily: only a sync tells whether the file took the value. A format error
    // (a hand-edited file) still rewrites the file, so only an access error is a failure; without
    // an organisation name Qt reports that error from the start and writes all the same.
    settings.sync();
    const bool nameless = QCoreApplication::organizationName().isEmpty()
        && QCoreApplication::organizationDomain().isEmpty();
    if (nameless || settings.status() != QSettings::AccessError) {
        Settings::forgetUnstoredValue(group, key);
        Settings::noteSettingStored();
        protectStoreFile(settings.fileName());
        return;
    }
    Settings::keepUnstoredValue(group, key, value);
    if (Settings::unstoredSettingReported(group, key, userChange))
        return;
    const QString reason = Settings::storeWriteFailureReason(settings.fileName(),
                                                             QFileInfo(settings.fileName()).size());
    Settings::reportUnstoredSetting(group, key, reason, userChange);
}

bool isKnownFontFamily(const QString &family)
{
    return fontResourceFile().contains(family);
}

} // namespace

namespace Settings {

const char positionDefaultBase64[]
    = "AdnQywACAAAAAAEYAAAA+AAABmcAAAMQAAABHQAAAQ4AAAZiAAADCwAAAAAAAAAAB4A=";
const char settingsViewSizeDefaultBase64[] = "AAAA/wAAAAEAAAAC//////////8B/////wEAAAABAA==";

QVariant settingsValue(const QString &group, const QString &key, const QVariant &defaultValue)
{
    QVariant unstored;
    if (Settings::unstoredValue(group, key, &unstored))
        return unstored;
    QSettings settings;
    settings.beginGroup(group);
    const QVariant value = settings.value(key, defaultValue);
    settings.endGroup();
    return value;
}

QVariant appSettingsValue(const QString &key, const QVariant &defaultValue)
{
    return settingsValue(QStringLiteral("AppSettings"), key, defaultValue);
}

void setSettingsValue(const QString &group, const QString &key, const QVariant &value,
                      WriteOrigin origin)
{
    if (key.isEmpty())
        return; // an empty key would address the whole group
    writeValue(group, key, value, origin == WriteOrigin::User);
}

void setEncipheredValue(const QString &group, const QString &key, quint64 cipherKey,
                        const QString &plain, WriteOrigin origin)
{
    const QString held = settingsValue(group, key, QString()).toString();
    if (!held.isEmpty() && decryptString(cipherKey, held) == plain)
        return;
    setSettingsValue(group, key, encryptString(cipherKey, plain), origin);
}

bool containsSetting(const QString &group, const QString &key)
{
    if (key.isEmpty())
        return false;
    if (Settings::unstoredValue(group, key, nullptr))
        return true;
    QSettings settings;
    settings.beginGroup(group);
    const bool found = settings.contains(key);
    settings.endGroup();
    return found;
}

// The stored enumerations and their valid values: anything else in the store (a hand-edited
// file, a newer version's value) reads as the caller's default. AppLanguage is not limited here:
// its readers give an unknown number a meaning of its own (a language with no dated texts).
struct IntRange
{
    const char *group;
    const char *key;
    int lowest;
    int highest;
};

const IntRange intRanges[] = {
    { "AppSettings", "AppTheme", App::Light, App::Dark },
    { "AppSettings", "TabPosition", App::North, App::East },
    { "Updates", "UpdatesChannel", Update::Development, Update::Release },
    { "Updates", "Delivery", Update::VendorServer, Update::Dropbox },
};

bool inRange(const QString &group, const QString &key, int value)
{
    for (const IntRange &range : intRanges) {
        if (group == QLatin1String(range.group) && key == QLatin1String(range.key))
            return value >= range.lowest && value <= range.highest;
    }
    return true;
}

int intValue(const QString &group, const QString &key, int defaultValue)
{
    // Read wide: QVariant's text-to-int conversion cuts 4294967296 to 0 and calls it good.
    bool ok = false;
    const qlonglong value = settingsValue(group, key, defaultValue).toLongLong(&ok);
    if (!ok || value < std::numeric_limits<int>::min() || value > std::numeric_limits<int>::max()
        || !inRange(group, key, int(value)))
        return defaultValue;
    return int(value);
}

bool boolValue(const QString &group, const QString &key, bool defaultValue)
{
    const QVariant value = settingsValue(group, key, defaultValue);
    if (value.type() == QVariant::String) {
        const QString text = value.toString().trimmed().toLower();
        if (text == QLatin1String("true") || text == QLatin1String("1"))
            return true;
        if (text == QLatin1String("false") || text == QLatin1String("0"))
            return false;
        return defaultValue;
    }
    return value.canConvert<bool>() ? value.toBool() : defaultValue;
}

QVector<DefaultSetting> defaultSettings()
{
    const QString app = QStringLiteral("AppSettings");
    const QString fonts = QStringLiteral("Fonts");
    const QString updates = QStringLiteral("Updates");
    return {
        { app, QStringLiteral("ShowSplash"), true },
        { app, QStringLiteral("AlwaysOnTop"), false },
        { app, QStringLiteral("ShareHardwareInfo"), false },
        { app, QStringLiteral("ShowFullInfo"), true },
        { app, QStringLiteral("AutoDataExpand"), false },
        { app, QStringLiteral("AddToTray"), false },
        { app, QStringLiteral("CloseToTray"), false },
        { app, QStringLiteral("MinimizeToTray"), false },
        { app, QStringLiteral("NotifyWhenInTray"), false },
        { app, QStringLiteral("ShowWindowWhenInTray"), false },
        { app, QStringLiteral("Position"), QByteArray::fromBase64(positionDefaultBase64) },
        { app, QStringLiteral("SettingsViewSize"),
          QByteArray::fromBase64(settingsViewSizeDefaultBase64) },
        { app, QStringLiteral("AppLanguage"), 0 },
        { app, QStringLiteral("AppTheme"), 0 },
        { app, QStringLiteral("Opacity"), 1 },
        { fonts, QStringLiteral("Family"), QStringLiteral("Segoe UI") },
        { fonts, QStringLiteral("Size"), 12 },
        { updates, QStringLiteral("InstallUpdatesAutomatically"), true },
        { updates, QStringLiteral("DisableUpdates"), false },
        { updates, QStringLiteral("CheckForUpdatesWhenAppStarts"), true },
        { updates, QStringLiteral("GetInsiderBuildsNotification"), true },
        { updates, QStringLiteral("DeleteInstaller"), false },
        { updates, QStringLiteral("InstallSilently"), true },
        { updates, QStringLiteral("DownloadPath"),
          QDir::toNativeSeparators(
              QStandardPaths::writableLocation(QStandardPaths::DownloadLocation)) },
        { updates, QStringLiteral("InstallPath"), defaultInstallPath() },
        { updates, QStringLiteral("UpdatesChannel"), 3 },
        { updates, QStringLiteral("Delivery"), 0 },
    };
}

void writeDefaultSettings()
{
    for (const DefaultSetting &entry : defaultSettings()) {
        if (!containsSetting(entry.group, entry.key))
            writeValue(entry.group, entry.key, entry.value, false);
    }
}

// A geometry saved on a larger screen (or the default, made for a 1920-wide one) must not leave
// the window partly out of reach: Qt only moves a window that is entirely off screen.
void keepOnScreen(QWidget *widget, const QMargins &frameMargins)
{
    const QScreen *screen = widget->screen();
    if (!screen)
        return;
    const QRect available = screen->availableGeometry();
    // Until the window manager has framed the window, Qt knows no frame: the one it had when
    // its geometry was saved stands in.
    const bool framed = widget->frameGeometry() != widget->geometry();
    const QMargins margins = framed
        ? QMargins(widget->geometry().left() - widget->frameGeometry().left(),
                   widget->geometry().top() - widget->frameGeometry().top(),
                   widget->frameGeometry().right() - widget->geometry().right(),
                   widget->frameGeometry().bottom() - widget->geometry().bottom())
        : frameMargins;
    QRect frame = widget->geometry().marginsAdded(margins);
    if (available.contains(frame))
        return;
    const QSize frameSize(margins.left() + margins.right(), margins.top() + margins.bottom());
    widget->resize(
        widget->size().boundedTo(available.size() - frameSize).expandedTo(widget->minimumSize()));
    frame = widget->geometry().marginsAdded(margins);
    const int x = qMax(available.left(), qMin(frame.left(), available.right() - frame.width() + 1));
    const int y = qMax(available.top(), qMin(frame.top(), available.bottom() - frame.height() + 1));
    // Placed by its own area: move() places the frame, and before the window is framed Qt
    // would put the frame where the window's own area belongs, a title bar lower each time.
    widget->setGeometry(widget->geometry().translated(x - frame.left(), y - frame.top()));
}

void restoreBase64Setting(QWidget *widget, const QString &key, const QByteArray &base64Default)
{
    if (!widget)
        return;
    const bool present = containsSetting(QStringLiteral("AppSettings"), key);
    const QByteArray bytes
        = appSettingsValue(key, QByteArray::fromBase64(base64Default)).toByteArray();
    if (present && !bytes.isEmpty()) {
        widget->restoreGeometry(bytes);
        keepOnScreen(widget, SavedGeometry::frameMargins(bytes));
        return;
    }
    widget->resize(1350, 510);
}

bool savedCredentials()
{
    const QString group = QStringLiteral("Credentials");
    return !settingsValue(group, QStringLiteral("Login"), QString()).toString().isEmpty()
        && !settingsValue(group, QStringLiteral("Password"), QString()).toString().isEmpty();
}

void clearCredentials()
{
    const QString group = QStringLiteral("Credentials");
    // Only what holds a text is cleared: a key that is not there holds nothing to forget, and
    // writing it would be a change a read-only store refuses.
    for (const QString &key :
         { QStringLiteral("DevBuild"), QStringLiteral("Login"), QStringLiteral("Password") }) {
        if (!settingsValue(group, key, QString()).toString().isEmpty())
            setSettingsValue(group, key, QString());
    }
}

QString fontFamily()
{
    const QString defaultFamily = QStringLiteral("Segoe UI");
    const QString family
        = settingsValue(QStringLiteral("Fonts"), QStringLiteral("Family"), defaultFamily)
              .toString();
    if (isKnownFontFamily(family))
        return family;
    writeValue(QStringLiteral("Fonts"), QStringLiteral("Family"), defaultFamily, false);
    return defaultFamily;
}

int fontSize()
{
    const int size = settingsValue(QStringLiteral("Fonts"), QStringLiteral("Size"), 12).toInt();
    if (fontSizeList().contains(QString::number(size)))
        return size;
    writeValue(QStringLiteral("Fonts"), QStringLiteral("Size"), 12, false);
    return 12;
}

double windowOpacity()
{
    // The slider offers 0.5 to 1.0. NaN fails both comparisons, so it falls back too.
    bool ok = false;
    const double value = appSettingsValue(QStringLiteral("Opacity"), 1).toDouble(&ok);
    return ok && value >= 0.5 && value <= 1.0 ? value : 1.0;
}

QString storeFileName()
{
    return QSettings().fileName();
}

} // namespace Settings
