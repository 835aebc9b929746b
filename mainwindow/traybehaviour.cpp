// The window in the notification area: making and removing the tray icon, hiding the window to
// it, the balloon message and bringing the window back.

#include "mainwindow/verdimonnuvo.h"

#include "app/productinfo.h"
#include "widgets/switch.h"

#include <QEvent>
#include <QGuiApplication>
#include <QMenu>

namespace {
VerdimonNuvo::TrayProbe &trayProbe()
{
    static VerdimonNuvo::TrayProbe probe;
    return probe;
}
} // namespace

void VerdimonNuvo::setTrayProbe(TrayProbe probe)
{
    trayProbe() = std::move(probe);
}

bool VerdimonNuvo::trayAvailable()
{
    if (trayProbe())
        return trayProbe()();
    return QSystemTrayIcon::isSystemTrayAvailable();
}

void VerdimonNuvo::initTrayIcon()
{
    // An icon nobody can see would leave a hidden window out of reach.
    if (!trayAvailable())
        return;
    trayIcon->setIcon(QIcon(QPixmap(QStringLiteral(":Icon/verdimon_icon.ico"))));
    trayIcon->setToolTip(QString::fromLatin1(Product::displayName));
    trayIcon->setVisible(true);
    createTrayMenu();
    trayIcon->setContextMenu(trayMenu);
    trayIcon->setVisible(true);
    connect(trayIcon, &QSystemTrayIcon::activated, this, &VerdimonNuvo::onTrayIconActivated,
            Qt::UniqueConnection);
    connect(trayIcon, &QSystemTrayIcon::messageClicked, this, &VerdimonNuvo::setAppWindowVisible,
            Qt::UniqueConnection);
}

void VerdimonNuvo::showTrayMessage()
{
    if (!notifyWhenInTraySwitch->isChecked() || !trayIcon->isVisible())
        return;
    trayIcon->showMessage(
        QObject::tr("Information"),
        QStringLiteral("%1 %2").arg(windowTitle(), QObject::tr("running in a tray")),
        QSystemTrayIcon::Information, 5000);
}

void VerdimonNuvo::hideToTray()
{
    if (trayIcon->isVisible() && addToTraySwitch->isChecked() && !closeToTraySwitch->isChecked()
        && !minimizeToTraySwitch->isChecked())
        hide();
}

void VerdimonNuvo::exitApp()
{
    if (!trayIcon->isVisible())
        return;
    // The menu may be open right now (Exit chosen from it): it goes when it closes.
    if (trayMenu)
        connect(trayMenu.data(), &QMenu::aboutToHide, trayMenu.data(), &QObject::deleteLater,
                Qt::UniqueConnection);
    QGuiApplication::setQuitOnLastWindowClosed(true);
    trayIcon->hide();
}

void VerdimonNuvo::setAppWindowVisible()
{
    if (isVisible())
        return;
    setWindowState(Qt::WindowActive);
    show();
}

void VerdimonNuvo::onTrayIconActivated(QSystemTrayIcon::ActivationReason reason)
{
    if (reason != QSystemTrayIcon::DoubleClick || isVisible())
        return;
    setWindowState(Qt::WindowActive);
    show();
}

bool VerdimonNuvo::event(QEvent *event)
{
    switch (event->type()) {
    case QEvent::Move:
    case QEvent::Show:
    case QEvent::WindowStateChange:
        // The place to keep if the window leaves the screen without a word (into the tray).
        notePlace();
        break;
    default:
        break;
    }
    if (event->type() == QEvent::WindowStateChange && minimizeToTraySwitch && isMinimized()
        && minimizeToTraySwitch->isChecked() && trayAvailable()) {
        initTrayIcon();
        showTrayMessage();
        hide();
    }
    return QWidget::event(event);
}
