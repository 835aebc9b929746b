// The offer of a newer Insider build after an up-to-date answer: its check, the notification
// window and the three answers it gives; and the Development item of the channel box, which
// follows the signed-in account.

#include "mainwindow/verdimonnuvo.h"

#include "app/appenums.h"
#include "app/settings.h"
#include "app/systemfunctions.h"
#include "net/insidernotification.h"
#include "net/networkmanager.h"
#include "widgets/switch.h"

#include <QComboBox>
#include <QLabel>
#include <QStandardItemModel>
#include <QThread>

namespace {

QStandardItem *developmentItem(QComboBox *channels)
{
    auto *model = qobject_cast<QStandardItemModel *>(channels->model());
    return model ? model->item(Update::Development) : nullptr;
}

} // namespace

void VerdimonNuvo::showInsiderNotification()
{
    auto *thread = new QThread;
    auto *manager = new NetworkManager;
    manager->moveToThread(thread);

    using Offer = void (NetworkManager::*)(QString, QString, QString, bool, QString);
    connect(manager, static_cast<Offer>(&NetworkManager::updateAvailable), this,
            &VerdimonNuvo::setIPUpdateAvailable);
    connect(manager, &NetworkManager::noNetConnection, this, &VerdimonNuvo::setNoNetConnection);
    connect(manager, &NetworkManager::finished, thread, &QThread::quit);
    connect(manager, &NetworkManager::finished, manager, &QObject::deleteLater);
    connect(thread, &QThread::finished, thread, &QObject::deleteLater);

    QMetaObject::invokeMethod(manager, "checkForApplicationUpdates", Qt::AutoConnection,
                              Q_ARG(bool, insiderNotificationEnabled));
    thread->start(QThread::InheritPriority);
}

void VerdimonNuvo::setIPUpdateAvailable(const QString &buildNumber, const QString &channel,
                                        const QString &info, bool isAutoUpdate, const QString &url)
{
    auto *notification = new InsiderNotification(nullptr);
    connect(notification, &InsiderNotification::disableInsiderNotification, this,
            &VerdimonNuvo::onDisableInsiderNotification);
    connect(notification, &InsiderNotification::setInsiderChannel, this,
            &VerdimonNuvo::onSetInsiderChannel);
    connect(notification, &InsiderNotification::startInsiderUpdate, this,
            [this, buildNumber, channel, info, isAutoUpdate, url]() {
                onStartInsiderUpdate(buildNumber, channel, info, isAutoUpdate, url);
            });
    notification->setBuildNumber(buildNumber);
    centerOnWidget(this, notification);
    setWindowTopmost(notification, alwaysOnTopSwitch->isChecked());
    notification->show();
}

void VerdimonNuvo::onStartInsiderUpdate(const QString &buildNumber, const QString &channel,
                                        const QString &info, bool isAutoUpdate, const QString &url)
{
    openUpdatesWindow(buildNumber, channel, info, isAutoUpdate, url);
}

void VerdimonNuvo::onSetInsiderChannel()
{
    updatesChannelComboBox->setCurrentIndex(Update::Insider);
    aboutChannelLabel->setText(updatesChannelComboBox->currentText());
    updateWindowTitle(showFullInfoSwitch->isChecked());
}

void VerdimonNuvo::onDisableInsiderNotification(bool checked)
{
    // The notification's switch says "do not show this again".
    insiderNotificationEnabled = !checked;
    insiderNotificationSwitch->setChecked(insiderNotificationEnabled);
    Settings::setSettingsValue(QStringLiteral("Updates"),
                               QStringLiteral("GetInsiderBuildsNotification"),
                               insiderNotificationSwitch->isChecked());
}

void VerdimonNuvo::disableDevChannel()
{
    if (updatesChannelComboBox->currentIndex() == Update::Development)
        updatesChannelComboBox->setCurrentIndex(Update::Insider);
    if (QStandardItem *item = developmentItem(updatesChannelComboBox))
        item->setEnabled(false);
    Settings::setSettingsValue(QStringLiteral("Updates"), QStringLiteral("UpdatesChannel"),
                               updatesChannelComboBox->currentIndex());
}

void VerdimonNuvo::enableDevChannel()
{
    QStandardItem *item = developmentItem(updatesChannelComboBox);
    if (!item || item->isEnabled())
        return;
    updatesChannelComboBox->setCurrentIndex(Update::Development);
    item->setEnabled(true);
    Settings::setSettingsValue(QStringLiteral("Updates"), QStringLiteral("UpdatesChannel"),
                               updatesChannelComboBox->currentIndex());
}
