// Handlers of the pages' controls, the window's own events and the steps of the constructor
// that belong to the window's behaviour, the update service, the accounts and the maintenance
// tools. Until those are in place each does nothing.

#include "mainwindow/verdimonnuvo.h"

#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QResizeEvent>



void VerdimonNuvo::openDxDiagnosticTool() { }

void VerdimonNuvo::openDxDiagnosticToolX64() { }

void VerdimonNuvo::openCMDAsAdmin() { }

void VerdimonNuvo::setAppWindowVisible() { }

void VerdimonNuvo::onTrayIconActivated(QSystemTrayIcon::ActivationReason reason)
{
    Q_UNUSED(reason)
}

void VerdimonNuvo::checkMenuItems() { }

void VerdimonNuvo::checkSettingsMenuItems() { }

void VerdimonNuvo::exitApp() { }

void VerdimonNuvo::closeApp() { }

void VerdimonNuvo::onOpacitySettings(double opacity)
{
    Q_UNUSED(opacity)
}

void VerdimonNuvo::onSettingsSplitterMoved(int pos, int index)
{
    Q_UNUSED(pos)
    Q_UNUSED(index)
}

void VerdimonNuvo::onLanguageActivated(int index)
{
    Q_UNUSED(index)
}

void VerdimonNuvo::onThemeActivated(int index)
{
    Q_UNUSED(index)
}

void VerdimonNuvo::onShowSplashToggled(bool on)
{
    Q_UNUSED(on)
}

void VerdimonNuvo::onShareHardwareInfoToggled(bool on)
{
    Q_UNUSED(on)
}

void VerdimonNuvo::onRunAtStartupToggled(bool on)
{
    Q_UNUSED(on)
}

void VerdimonNuvo::onAlwaysOnTopToggled(bool on)
{
    Q_UNUSED(on)
}

void VerdimonNuvo::onShowFullInfoToggled(bool on)
{
    Q_UNUSED(on)
}

void VerdimonNuvo::onAutoDataExpandToggled(bool on)
{
    Q_UNUSED(on)
}

void VerdimonNuvo::onRestoreDefaultsClicked(bool on)
{
    Q_UNUSED(on)
}

void VerdimonNuvo::onAddToTrayToggled(bool on)
{
    Q_UNUSED(on)
}

void VerdimonNuvo::onCloseToTrayToggled(bool on)
{
    Q_UNUSED(on)
}

void VerdimonNuvo::onMinimizeToTrayToggled(bool on)
{
    Q_UNUSED(on)
}

void VerdimonNuvo::onNotifyWhenInTrayToggled(bool on)
{
    Q_UNUSED(on)
}

void VerdimonNuvo::onShowWindowWhenInTrayToggled(bool on)
{
    Q_UNUSED(on)
}

void VerdimonNuvo::onLanguageActionTriggered(int language)
{
    Q_UNUSED(language)
}

void VerdimonNuvo::onThemeActionTriggered(int theme)
{
    Q_UNUSED(theme)
}

void VerdimonNuvo::onFontFamilyActivated(const QString &family)
{
    Q_UNUSED(family)
}

void VerdimonNuvo::onFontSizeActivated(const QString &size)
{
    Q_UNUSED(size)
}

void VerdimonNuvo::onApplyFontClicked() { }

void VerdimonNuvo::onDefaultFontClicked() { }

void VerdimonNuvo::onOpacityChanged(int value)
{
    Q_UNUSED(value)
}

void VerdimonNuvo::onUpdatesChannelChanged(int index)
{
    Q_UNUSED(index)
}

void VerdimonNuvo::onDeliveryChanged(int index)
{
    Q_UNUSED(index)
}

void VerdimonNuvo::onInstallAutomaticallyToggled(bool on)
{
    Q_UNUSED(on)
}

void VerdimonNuvo::onDisableUpdatesToggled(bool on)
{
    Q_UNUSED(on)
}

void VerdimonNuvo::onCheckUpdatesAtStartToggled(bool on)
{
    Q_UNUSED(on)
}

void VerdimonNuvo::onInsiderNotificationToggled(bool on)
{
    Q_UNUSED(on)
}

void VerdimonNuvo::onDeleteInstallerToggled(bool on)
{
    Q_UNUSED(on)
}

void VerdimonNuvo::onInstallSilentlyToggled(bool on)
{
    Q_UNUSED(on)
}

void VerdimonNuvo::chooseDownloadPath() { }

void VerdimonNuvo::onInstallPathClicked() { }

bool VerdimonNuvo::event(QEvent *event)
{
    Q_UNUSED(event)
    return QWidget::event(event);
}

void VerdimonNuvo::resizeEvent(QResizeEvent *event)
{
    Q_UNUSED(event)
    QWidget::resizeEvent(event);
}

void VerdimonNuvo::closeEvent(QCloseEvent *event)
{
    Q_UNUSED(event)
    QWidget::closeEvent(event);
}

void VerdimonNuvo::contextMenuEvent(QContextMenuEvent *event)
{
    Q_UNUSED(event)
    QWidget::contextMenuEvent(event);
}

void VerdimonNuvo::createShortcuts() { }

void VerdimonNuvo::createMenuActions() { }

void VerdimonNuvo::onApplicationQuit() { }

void VerdimonNuvo::openWindowsDefender() { }

void VerdimonNuvo::chooseInstallPath() { }
