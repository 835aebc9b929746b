// The "Network connection" group of the Application settings page: whether the vendor's web
// host answers and which public address it sees, checked on request.

#include "mainwindow/verdimonnuvo.h"

#include "app/appenums.h"
#include "app/applog.h"
#include "app/settings.h"
#include "net/networkmanager.h"

#include <QCoreApplication>
#include <QLabel>
#include <QPushButton>
#include <QThread>

namespace {

const char kNeutralStyle[] = "font-weight: normal;";
const char kNegativeStyle[] = "color: #FF0000;";

// Green of a positive answer; the Gray theme has its own, the stored theme decides.
QString positiveStyle()
{
    const int theme
        = Settings::intValue(QStringLiteral("AppSettings"), QStringLiteral("AppTheme"), App::Light);
    return QString::fromLatin1(theme == App::Gray ? "color: #79B220;" : "color: #008000;");
}

} // namespace

void VerdimonNuvo::checkNetwork()
{
    checkConnectionBtn->setEnabled(false);
    networkStatusSource = QT_TRANSLATE_NOOP("QObject", "Checking...");
    ipSource = networkStatusSource;
    userAddress.clear();
    for (QLabel *label : { networkStatusValueLabel, ipValueLabel }) {
        label->setTextFormat(Qt::PlainText);
        label->setText(QObject::tr("Checking..."));
        label->setStyleSheet(QString::fromLatin1(kNeutralStyle));
    }

    auto *thread = new QThread;
    auto *manager = new NetworkManager;
    if (networkWaitMs > 0) {
        manager->setStallTimeout(networkWaitMs);
        manager->setRequestBounds(0, networkWaitMs);
    }
    manager->moveToThread(thread);
    connect(thread, &QThread::started, manager, &NetworkManager::detectUserIp);
    connect(manager, &NetworkManager::userConnectedStatus, this, &VerdimonNuvo::appUserConnected);
    connect(manager, &NetworkManager::userNotConnectedStatus, this,
            &VerdimonNuvo::appUserNotConnected);
    connect(manager, &NetworkManager::userIPData, this, &VerdimonNuvo::appUserIP);
    connect(manager, &NetworkManager::userIPUnknownData, this, &VerdimonNuvo::appUserIPUnknown);
    connect(manager, &NetworkManager::requestFailed, this, [](const QString &reason) {
        appendToLog(QStringLiteral("%1: %2").arg(currentTimestamp(), reason));
    });
    connect(manager, &NetworkManager::finished, thread, &QThread::quit);
    connect(manager, &NetworkManager::finished, manager, &QObject::deleteLater);
    connect(thread, &QThread::finished, thread, &QObject::deleteLater);
    // A check still running when the application quits is ended, and waited for a short while,
    // before the application object goes.
    connect(QCoreApplication::instance(), &QCoreApplication::aboutToQuit, thread, [thread]() {
        thread->quit();
        thread->wait(2000);
    });
    thread->start(QThread::InheritPriority);
}

void VerdimonNuvo::appUserConnected()
{
    networkStatusSource = QT_TRANSLATE_NOOP("QObject", "Connected");
    networkStatusValueLabel->setText(QObject::tr("Connected"));
    networkStatusValueLabel->setStyleSheet(positiveStyle());
}

void VerdimonNuvo::appUserNotConnected()
{
    networkStatusSource = QT_TRANSLATE_NOOP("QObject", "Not connected");
    networkStatusValueLabel->setText(QObject::tr("Not connected"));
    networkStatusValueLabel->setStyleSheet(QString::fromLatin1(kNegativeStyle));
}

void VerdimonNuvo::appUserIP(const QString &ipData)
{
    userAddress = ipData;
    ipValueLabel->setText(ipData);
    ipValueLabel->setStyleSheet(positiveStyle());
    checkConnectionBtn->setEnabled(true);
}

void VerdimonNuvo::appUserIPUnknown(const QString &ipUnknown)
{
    ipSource = QT_TRANSLATE_NOOP("QObject", "Unknown");
    userAddress.clear();
    ipValueLabel->setText(ipUnknown);
    ipValueLabel->setStyleSheet(QString::fromLatin1(kNegativeStyle));
    checkConnectionBtn->setEnabled(true);
}

void VerdimonNuvo::retranslateNetworkValues()
{
    // A check's answer stays, in the new language and in the colour it was given; before any
    // check the values read "Unknown" in the theme's colour.
    networkStatusValueLabel->setText(QObject::tr(networkStatusSource));
    ipValueLabel->setText(userAddress.isEmpty() ? QObject::tr(ipSource) : userAddress);
    if (qstrcmp(networkStatusSource, "Unknown") == 0)
        applyThemeLabelColors();
}
