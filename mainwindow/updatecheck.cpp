// The Updates page's check for a newer build: starting it on a worker thread, its four answers,
// the prompt to enable disabled updates, the Updates window for an offered build and the
// changelog window.

#include "mainwindow/verdimonnuvo.h"

#include "app/appenums.h"
#include "app/applog.h"
#include "app/msgdialog.h"
#include "app/productinfo.h"
#include "app/settings.h"
#include "app/systemfunctions.h"
#include "net/changelog.h"
#include "net/networkmanager.h"
#include "net/updates.h"
#include "widgets/switch.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QThread>

#include <memory>

namespace {

constexpr int releaseChannelIndex = Update::Release;

QString productName()
{
    return QString::fromLatin1(Product::displayName);
}

} // namespace

void VerdimonNuvo::checkForAppUpdates()
{
    if (disableUpdatesSwitch->isChecked()) {
        askToEnableUpdates();
        return;
    }
    checkUpdatesBtn->setEnabled(false);
    latestBuildLabel->setText(QObject::tr("Checking..."));
    lastCheckLabel->setText(QObject::tr("Checking..."));

    auto *thread = new QThread;
    auto *manager = new NetworkManager;
    manager->moveToThread(thread);
    qRegisterMetaType<QJsonParseError>("QJsonParseError");

    // A request that fails without an answer must not leave the page checking for ever.
    auto answered = std::make_shared<bool>(false);
    auto noteAnswer = [answered]() {
        *answered = true;
    };
    using Offer = void (NetworkManager::*)(QString, QString, QString, bool, QString);
    connect(manager, static_cast<Offer>(&NetworkManager::updateAvailable), this, noteAnswer);
    connect(manager, qOverload<QString>(&NetworkManager::latestVersion), this, noteAnswer);
    connect(manager, &NetworkManager::noNetConnection, this, noteAnswer);
    connect(manager, &NetworkManager::jsonReaderError, this, noteAnswer);

    connect(manager, static_cast<Offer>(&NetworkManager::updateAvailable), this,
            &VerdimonNuvo::setUpdateAvailable);
    connect(manager, qOverload<QString>(&NetworkManager::latestVersion), this,
            &VerdimonNuvo::setLatestVersion);
    connect(manager, &NetworkManager::noNetConnection, this, &VerdimonNuvo::setNoNetConnection);
    connect(manager, &NetworkManager::jsonReaderError, this, &VerdimonNuvo::setJsonReaderError);
    connect(manager, &NetworkManager::requestFailed, this, [](const QString &reason) {
        appendToLog(QStringLiteral("%1: %2").arg(currentTimestamp(), reason));
    });
    connect(manager, &NetworkManager::finished, this, [this, answered]() {
        if (*answered)
            return;
        showUpdateCheckResult(QString());
        checkUpdatesBtn->setEnabled(true);
    });
    connect(manager, &NetworkManager::finished, thread, &QThread::quit);
    connect(manager, &NetworkManager::finished, manager, &QObject::deleteLater);
    connect(thread, &QThread::finished, thread, &QObject::deleteLater);

    QMetaObject::invokeMethod(manager, "checkForApplicationUpdates", Qt::AutoConnection,
                              Q_ARG(bool, false));
    thread->start(QThread::InheritPriority);
}

void VerdimonNuvo::setUpdateAvailable(const QString &buildNumber, const QString &channel,
                                      const QString &info, bool isAutoUpdate, const QString &url)
{
    checkUpdatesBtn->setEnabled(true);
    if (updatesDisabled) {
        askToEnableUpdates();
        return;
    }
    showUpdateCheckResult(buildNumber);

    const QString text = updatesChannelComboBox->currentIndex() != releaseChannelIndex
        ? QStringLiteral("%1 %2 %3 %4 %5 %6")
              .arg(QObject::tr("New"), productName(), updatesChannelComboBox->currentText(),
                   QObject::tr("build:"), buildNumber,
                   QObject::tr("is available, would you like to download it?"))
        : QStringLiteral("%1 %2 %3 %4 %5")
              .arg(QObject::tr("New"), productName(), QObject::tr("build:"), buildNumber,
                   QObject::tr("is available, would you like to download it?"));
    MsgDialog question(this, QObject::tr("Updates"), text, 4,
                       QDialogButtonBox::Yes | QDialogButtonBox::No);
    question.buttonBox()->button(QDialogButtonBox::Yes)->setText(QObject::tr("Yes"));
    question.buttonBox()->button(QDialogButtonBox::No)->setText(QObject::tr("No"));
    if (question.exec() == QDialogButtonBox::Yes)
        openUpdatesWindow(buildNumber, channel, info, isAutoUpdate, url);
}

void VerdimonNuvo::setLatestVersion(const QString &build)
{
    checkUpdatesBtn->setEnabled(true);
    if (updatesDisabled) {
        askToEnableUpdates();
        return;
    }
    showUpdateCheckResult(build);

    if (!silentUpdateCheck) {
        const QString text = updatesChannelComboBox->currentIndex() != releaseChannelIndex
            ? QStringLiteral("%1 %2 %3")
                  .arg(productName(), updatesChannelComboBox->currentText(),
                       QObject::tr("is up to date"))
            : QStringLiteral("%1 %2").arg(productName(), QObject::tr("is up to date"));
        MsgDialog message(this, QObject::tr("Updates"), text,
                          QPixmap(QStringLiteral(":/Icon/check.svg")), QDialogButtonBox::Ok);
        message.exec();
    }
    silentUpdateCheck = false;

    if (insiderNotificationEnabled && updatesChannelComboBox->currentIndex() != Update::Insider)
        showInsiderNotification();
}

void VerdimonNuvo::setJsonReaderError(const QJsonParseError &error)
{
    showUpdateCheckResult(QString());
    checkUpdatesBtn->setEnabled(true);
    MsgDialog message(this, QObject::tr("Error"),
                      QObject::tr("Failed to check for the updates!") + QLatin1Char(' ')
                          + QObject::tr("Error code:") + QLatin1Char(' ')
                          + QString::number(int(error.error)),
                      3, QDialogButtonBox::Ok);
    message.exec();
}

void VerdimonNuvo::setNoNetConnection()
{
    showUpdateCheckResult(QString());
    checkUpdatesBtn->setEnabled(true);
    silentUpdateCheck = false;
    initComLibraryErr(
        QObject::tr("Network connection is not available! Check your network and try again."));
}

void VerdimonNuvo::showUpdateCheckResult(const QString &build)
{
    lastCheckedBuild = build;
    lastCheckTime = build.isEmpty() ? QDateTime() : QDateTime::currentDateTime();
    latestBuildLabel->setText(build.isEmpty() ? QObject::tr("Not checked") : build);
    lastCheckLabel->setText(build.isEmpty() ? QObject::tr("Not checked") : lastUpdateCheckText());
}

void VerdimonNuvo::openUpdatesWindow(const QString &buildNumber, const QString &channel,
                                     const QString &info, bool isAutoUpdate, const QString &url)
{
    auto *updates = new Updates(this);
    updates->setWindowModality(Qt::ApplicationModal);
    updates->offerUpdate(buildNumber, channel, info, isAutoUpdate, url);
    setWindowTopmost(updates, alwaysOnTopSwitch->isChecked());
    updates->show();
}

void VerdimonNuvo::askToEnableUpdates()
{
    MsgDialog question(this, QObject::tr("Updates"),
                       QObject::tr("Updates are disabled. Do you want to enable it?"), 2,
                       QDialogButtonBox::Yes | QDialogButtonBox::No);
    if (question.exec() != QDialogButtonBox::Yes) {
        showUpdateCheckResult(QString());
        return;
    }
    const QString group = QStringLiteral("Updates");
    Settings::setSettingsValue(group, QStringLiteral("DisableUpdates"), false);
    updatesDisabled = Settings::boolValue(group, QStringLiteral("DisableUpdates"), false);
    if (!updatesDisabled) {
        disableUpdatesSwitch->setChecked(false);
        for (Switch *option :
             { installAutomaticallySwitch, checkOnStartSwitch, insiderNotificationSwitch,
               deleteInstallerSwitch, installSilentlySwitch })
            option->setEnabled(true);
    }
    checkForAppUpdates();
}

void VerdimonNuvo::openAppChangelog()
{
    auto *changelog = new Changelog(this);
    setWindowTopmost(changelog, alwaysOnTopSwitch->isChecked());
    changelog->exec();
}
