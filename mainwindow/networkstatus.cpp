// The "Network connection" group of the Application settings page: whether the vendor's web
// host answers and which public address it sees, checked on request.

#include "mainwindow/verdimonnuvo.h"

#include "app/appenums.h"
#include "app/applog.h"
#include "net/networkmanager.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QLabel>
#include <QPushButton>
#include <QThread>

namespace {

const char kNeutralStyle[] = "font-weight: normal;";
const char kNegativeStyle[] = "color: #FF0000;";

} // namespace

void VerdimonNuvo::applyThemeLabelColors()
{
    // A check's answer keeps its colour through a change of theme or language (its green the
    // theme's own); a value no check has answered takes the theme's text colour.
    const int theme = themeComboBox->currentIndex();
    const QString plain = theme == App::Dark ? QStringLiteral("color: #FFFFFF;")
                                             : QStringLiteral("color: #000000;");
    const QString positive = theme == App::Gray ? QStringLiteral("color: #79B220;")
                                                : QStringLiteral("color: #008000;");
    const std::pair<QLabel *, NetworkTone> values[]
        = { { networkStatusValueLabel, networkStatusTone }, { ipValueLabel, ipTone } };
    for (const auto &value : values) {
        switch (value.second) {
        case NetworkTone::Plain:
            value.first->setStyleSheet(plain);
            break;
        case NetworkTone::Checking:
            value.first->setStyleSheet(QString::fromLatin1(kNeutralStyle));
            break;
        case NetworkTone::Positive:
            value.first->setStyleSheet(positive);
            break;
        case NetworkTone::Negative:
            value.first->setStyleSheet(QString::fromLatin1(kNegativeStyle));
            break;
        }
    }
}

void VerdimonNuvo::checkNetwork()
{
    checkConnectionBtn->setEnabled(false);
    networkStatusSource = QT_TRANSLATE_NOOP("QObject", "Checking...");
    ipSource = networkStatusSource;
    userAddress.clear();
    for (QLabel *label : { networkStatusValueLabel, ipValueLabel }) {
        label->setTextFormat(Qt::PlainText);
        label->setText(QObject::tr("Checking..."));
    }
    networkStatusTone = NetworkTone::Checking;
    ipTone = NetworkTone::Checking;
    applyThemeLabelColors();

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
    networkStatusTone = NetworkTone::Positive;
    applyThemeLabelColors();
}

void VerdimonNuvo::appUserNotConnected()
{
    networkStatusSource = QT_TRANSLATE_NOOP("QObject", "Not connected");
    networkStatusValueLabel->setText(QObject::tr("Not connected"));
    networkStatusTone = NetworkTone::Negative;
    applyThemeLabelColors();
}

void VerdimonNuvo::appUserIP(const QString &ipData)
{
    userAddress = ipData;
    ipValueLabel->setText(ipData);
    ipTone = NetworkTone::Positive;
    applyThemeLabelColors();
    checkConnectionBtn->setEnabled(true);
}

void VerdimonNuvo::appUserIPUnknown(const QString &ipUnknown)
{
    ipSource = QT_TRANSLATE_NOOP("QObject", "Unknown");
    userAddress.clear();
    ipValueLabel->setText(ipUnknown);
    ipTone = NetworkTone::Negative;
    applyThemeLabelColors();
    checkConnectionBtn->setEnabled(true);
}

void VerdimonNuvo::retranslateNetworkValues()
{
    // A check's answer stays, in the new language and in the colour it was given; before any
    // check the values read "Unknown" in the theme's colour.
    networkStatusValueLabel->setText(QObject::tr(networkStatusSource));
    ipValueLabel->setText(userAddress.isEmpty() ? QObject::tr(ipSource) : userAddress);
    applyThemeLabelColors();
}
