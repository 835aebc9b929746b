#include "app/startup/managestartup.h"

#include "app/appenums.h"
#include "app/fonts.h"
#include "app/msgdialog.h"
#include "app/productinfo.h"
#include "app/settings.h"
#include "app/startup/mainwindowfactory.h"
#include "app/startup/splash.h"
#include "app/systemfunctions.h"
#include "app/wmiservice.h"
#include "net/networkmanager.h"
#include "net/updates.h"
#include "platform/platform.h"

#include <QDir>
#include <QFile>
#include <QMetaObject>
#include <QStandardPaths>
#include <QSystemTrayIcon>
#include <QThread>
#include <QWidget>

namespace {

bool appBool(const QString &key, bool defaultValue)
{
    return Settings::boolValue(QStringLiteral("AppSettings"), key, defaultValue);
}

ManageStartup::TrayProbe &trayProbe()
{
    static ManageStartup::TrayProbe probe;
    return probe;
}

bool systemTrayAvailable()
{
    if (trayProbe())
        return trayProbe()();
    return QSystemTrayIcon::isSystemTrayAvailable();
}

} // namespace

ManageStartup::ManageStartup(QObject *parent)
    : QObject(parent)
{
    installFontFile();
    startWmiService();
    Settings::writeDefaultSettings();

    const bool checkAtStart = Settings::boolValue(
        QStringLiteral("Updates"), QStringLiteral("CheckForUpdatesWhenAppStarts"), true);
    showSplash = appBool(QStringLiteral("ShowSplash"), true);
    showWindowWhenInTray = appBool(QStringLiteral("ShowWindowWhenInTray"), false);
    addToTray = appBool(QStringLiteral("AddToTray"), false);
    closeToTray = appBool(QStringLiteral("CloseToTray"), false);
    minimizeToTray = appBool(QStringLiteral("MinimizeToTray"), false);
    alwaysOnTop = Settings::appSettingsValue(QStringLiteral("AlwaysOnTop"), false).toBool();

    deleteOldInstaller();

    if (checkAtStart)
        checkForUpdates();
    else
        manageWindow();
}

ManageStartup::~ManageStartup() = default;

void ManageStartup::setTrayProbe(TrayProbe probe)
{
    trayProbe() = std::move(probe);
}

void ManageStartup::checkForUpdates()
{
    auto *thread = new QThread;
    auto *manager = new NetworkManager;
    manager->moveToThread(thread);
    qRegisterMetaType<QJsonParseError>("QJsonParseError");

    connect(manager,
            qOverload<QString, QString, QString, bool, QString>(&NetworkManager::updateAvailable),
            this, &ManageStartup::setUpdateAvailable);
    connect(manager, qOverload<>(&NetworkManager::latestVersion), this,
            &ManageStartup::setLatestVersion);
    connect(manager, &NetworkManager::noNetConnection, this, &ManageStartup::setNoNetConnection);
    connect(manager, &NetworkManager::jsonReaderError, this, &ManageStartup::setJsonReaderError);
    connect(manager, &NetworkManager::finished, this, &ManageStartup::updateCheckFinished);
    connect(manager, &NetworkManager::finished, thread, &QThread::quit);
    connect(manager, &NetworkManager::finished, manager, &QObject::deleteLater);
    connect(thread, &QThread::finished, thread, &QObject::deleteLater);

    QMetaObject::invokeMethod(manager, "checkForApplicationUpdates", Qt::AutoConnection,
                              Q_ARG(bool, false));
    thread->start(QThread::InheritPriority);
}

void ManageStartup::deleteOldInstaller()
{
    const QString group = QStringLiteral("Updates");
    if (!Settings::boolValue(group, QStringLiteral("DeleteInstaller"), false))
        return;
    const int channel
        = Settings::intValue(group, QStringLiteral("UpdatesChannel"), Update::Release);
    const QString folder
        = Settings::settingsValue(group, QStringLiteral("DownloadPath"),
                                  QDir::toNativeSeparators(QStandardPaths::writableLocation(
                                      QStandardPaths::DownloadLocation)))
              .toString();
    removeOldInstaller(channel, folder);
}

bool ManageStartup::takeAnswer()
{
    if (answered)
        return false;
    answered = true;
    return true;
}

void ManageStartup::manageWindow()
{
    if (windowOpened)
        return;
    windowOpened = true;

    if (showSplash) {
        auto *splash = new Splash;
        setWindowTopmost(splash, alwaysOnTop);
        splash->show();
        return;
    }
    QWidget *window = MainWindowFactory::create();
    setWindowTopmost(window, alwaysOnTop);
    const bool onlyInTray = !showWindowWhenInTray && addToTray && !closeToTray && !minimizeToTray;
    if (onlyInTray && systemTrayAvailable())
        window->hide();
    else
        window->show();
}

void ManageStartup::setUpdateAvailable(QString build, QString channel, QString info,
                                       bool isAutoUpdate, QString url)
{
    if (!takeAnswer())
        return;
    // The offer comes first; the first window opens when the Updates window closes without
    // installing (an installation quits the application instead).
    auto *updates = new Updates(nullptr);
    connect(updates, &Updates::displayWindow, this, &ManageStartup::manageWindow);
    updates->offerUpdate(build, channel, info, isAutoUpdate, url);
    updates->show();
}

void ManageStartup::setLatestVersion()
{
    if (!takeAnswer())
        return;
    manageWindow();
}

void ManageStartup::setNoNetConnection()
{
    if (!takeAnswer())
        return;
    MsgDialog message(nullptr, QObject::tr("Error"),
                      QObject::tr("No network connection has been found!") + QStringLiteral(" ")
                          + QObject::tr("Check for update has been skipped!"),
                      3, QDialogButtonBox::Ok);
    message.exec();
    manageWindow();
}

void ManageStartup::setJsonReaderError(QJsonParseError updateError)
{
    if (!takeAnswer())
        return;
    MsgDialog message(nullptr, QObject::tr("Error"),
                      QObject::tr("Failed to check for the updates!") + QStringLiteral(" ")
                          + QObject::tr("Error code:") + QStringLiteral(" ")
                          + QString::number(int(updateError.error)),
                      3, QDialogButtonBox::Ok);
    message.exec();
    manageWindow();
}

void ManageStartup::updateCheckFinished()
{
    // No answer before the end of the check: the reply failed or described nothing usable.
    if (!takeAnswer())
        return;
    manageWindow();
}

QString oldInstallerPath(int channel, const QString &folder)
{
    const QString architecture = formatArchitecture(QStringLiteral("64"));
    const QString package = productPackageName(QString::fromLatin1(Product::displayName));
    QString path;
    if (channel == Update::Release) {
        path = QStringLiteral("%1/%2.Setup.%3.exe").arg(folder, package, architecture);
    } else {
        path = QStringLiteral("%1/%2.%3.Setup.%4.exe")
                   .arg(folder, package, setupChannelWord(channel), architecture);
    }
    return QDir::toNativeSeparators(path);
}

void removeOldInstaller(int channel, const QString &folder)
{
    const QString path = oldInstallerPath(channel, folder);
    if (!QFile::exists(path))
        return;
    if (!QFile::remove(path)) {
        MsgDialog message(nullptr, QObject::tr("Error"),
                          QObject::tr("Failed to remove the old build!"), 3, QDialogButtonBox::Ok);
        message.exec();
    }
}
