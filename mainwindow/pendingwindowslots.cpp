// Handlers of the pages' controls, the window's own events and the steps of the constructor
// that belong to the window's behaviour, the update service, the accounts and the maintenance
// tools. Until those are in place each does nothing.

#include "mainwindow/verdimonnuvo.h"

void VerdimonNuvo::checkNetwork() { }

void VerdimonNuvo::appUserConnected() { }

void VerdimonNuvo::appUserNotConnected() { }

void VerdimonNuvo::appUserIP(const QString &ipData)
{
    Q_UNUSED(ipData)
}

void VerdimonNuvo::appUserIPUnknown(const QString &ipUnknown)
{
    Q_UNUSED(ipUnknown)
}

void VerdimonNuvo::openAppLog() { }

void VerdimonNuvo::saveDataFile() { }

void VerdimonNuvo::printHardwareData() { }

void VerdimonNuvo::pdfDataSaved(const QString &fileName)
{
    Q_UNUSED(fileName)
}

void VerdimonNuvo::saveFileToPdf(const QString &filePath, const QString &fileName,
                                 const QString &title)
{
    Q_UNUSED(filePath)
    Q_UNUSED(fileName)
    Q_UNUSED(title)
}

void VerdimonNuvo::openAppChangelog() { }

void VerdimonNuvo::showFeedbackDlg() { }

void VerdimonNuvo::shareHardwareData() { }

void VerdimonNuvo::uploadHardwareData() { }

void VerdimonNuvo::uploadFinished() { }

void VerdimonNuvo::checkForAppUpdates() { }

void VerdimonNuvo::setUpdateAvailable(const QString &buildNumber, const QString &channel,
                                      const QString &info, bool isAutoUpdate, const QString &url)
{
    Q_UNUSED(buildNumber)
    Q_UNUSED(channel)
    Q_UNUSED(info)
    Q_UNUSED(isAutoUpdate)
    Q_UNUSED(url)
}

void VerdimonNuvo::setIPUpdateAvailable(const QString &buildNumber, const QString &channel,
                                        const QString &info, bool isAutoUpdate, const QString &url)
{
    Q_UNUSED(buildNumber)
    Q_UNUSED(channel)
    Q_UNUSED(info)
    Q_UNUSED(isAutoUpdate)
    Q_UNUSED(url)
}

void VerdimonNuvo::setLatestVersion() { }

void VerdimonNuvo::setNoNetConnection() { }

void VerdimonNuvo::setJsonReaderError(const QJsonParseError &error)
{
    Q_UNUSED(error)
}

void VerdimonNuvo::showInsiderNotification() { }

void VerdimonNuvo::onStartInsiderUpdate(const QString &buildNumber, const QString &channel,
                                        const QString &info, bool isAutoUpdate, const QString &url)
{
    Q_UNUSED(buildNumber)
    Q_UNUSED(channel)
    Q_UNUSED(info)
    Q_UNUSED(isAutoUpdate)
    Q_UNUSED(url)
}

void VerdimonNuvo::onDisableInsiderNotification(bool checked)
{
    Q_UNUSED(checked)
}

void VerdimonNuvo::onSetInsiderChannel() { }

void VerdimonNuvo::openUpdatesWindow(const QString &buildNumber, const QString &channel,
                                     const QString &info, bool isAutoUpdate, const QString &url)
{
    Q_UNUSED(buildNumber)
    Q_UNUSED(channel)
    Q_UNUSED(info)
    Q_UNUSED(isAutoUpdate)
    Q_UNUSED(url)
}

void VerdimonNuvo::disableDevChannel() { }

void VerdimonNuvo::enableDevChannel() { }

void VerdimonNuvo::onAccountImageClicked() { }

void VerdimonNuvo::onLoginCancelled() { }

void VerdimonNuvo::onUserAccountAvatar(const QPixmap &avatar)
{
    Q_UNUSED(avatar)
}

void VerdimonNuvo::onAccountLogOut() { }

void VerdimonNuvo::onLoginConnectionFailed() { }

void VerdimonNuvo::resetAccountButton() { }

void VerdimonNuvo::onUsefulCommandClicked(int commandIndex)
{
    Q_UNUSED(commandIndex)
}

void VerdimonNuvo::onSearchReturnPressed() { }

void VerdimonNuvo::onSearchClicked() { }

void VerdimonNuvo::onSearchTextChanged(const QString &text)
{
    Q_UNUSED(text)
}

void VerdimonNuvo::onProgramDoubleClicked(QTreeWidgetItem *item, int column)
{
    Q_UNUSED(item)
    Q_UNUSED(column)
}

void VerdimonNuvo::onUninstallClicked() { }

void VerdimonNuvo::onStartupSelectionChanged() { }

void VerdimonNuvo::onStartupItemEntered(QTreeWidgetItem *item, int column)
{
    Q_UNUSED(item)
    Q_UNUSED(column)
}

void VerdimonNuvo::onStartupItemPressed(QTreeWidgetItem *item, int column)
{
    Q_UNUSED(item)
    Q_UNUSED(column)
}

void VerdimonNuvo::onRemoveStartupClicked() { }

void VerdimonNuvo::onSmartDriveActivated(int index)
{
    Q_UNUSED(index)
}

void VerdimonNuvo::onSmartItemDoubleClicked(QTreeWidgetItem *item, int column)
{
    Q_UNUSED(item)
    Q_UNUSED(column)
}

void VerdimonNuvo::onSmartInfoClicked() { }

void VerdimonNuvo::showAccountDialogs(QWidget *parent)
{
    Q_UNUSED(parent)
    // Until the sign-in dialogs exist the window goes the way of a sign-in cancelled while the
    // vendor's host is unreachable: data collection begins at once.
    beginDataCollection();
}

void VerdimonNuvo::retranslateUi() { }
