// The launchers of the software lists and the TPM, and the end of the Applications detection.

#include "mainwindow/detectionrelay.h"

#include "app/applog.h"

#include <QLabel>
#include <QThread>

void VerdimonNuvo::startAppsDetection()
{
    launchDetection(
        "Applications",
        [this](Worker *worker, QThread *thread) {
            connect(thread, &QThread::started, worker, &Worker::programsData);
            relay(worker, &Worker::appsData, &VerdimonNuvo::setAppsData);
            relay(worker, &Worker::appDataReady, &VerdimonNuvo::setAppDataReady);
            connect(this, &VerdimonNuvo::cancelAppsDetection, worker,
                    &Worker::setCancelAppsDetection, Qt::DirectConnection);
            relay(worker, &Worker::loadMainData, &VerdimonNuvo::setMainAppsData);
        },
        {}, QObject::tr("An error has occurred with detecting Programs!"));
}

void VerdimonNuvo::startServicesDetection()
{
    launchDetection(
        "Services",
        [this](Worker *worker, QThread *thread) {
            connect(thread, &QThread::started, worker, &Worker::servicesWMIData);
            relay(worker, &Worker::appServicesData, &VerdimonNuvo::servicesData);
            connectWmiErrors(worker, RootErrorKind::WithoutText);
            connect(this, &VerdimonNuvo::cancelServicesDetection, worker,
                    &Worker::setCancelServicesDetection, Qt::DirectConnection);
            relay(worker, &Worker::loadMainData, &VerdimonNuvo::setMainServicesData);
        },
        { QObject::tr("gets Services information") },
        QObject::tr("An error has occurred with detecting Services!"));
}

void VerdimonNuvo::startProcessesDetection()
{
    launchDetection(
        "Processes",
        [this](Worker *worker, QThread *thread) {
            connect(thread, &QThread::started, worker, &Worker::processesWMIData);
            relay(worker, &Worker::appProcessesData, &VerdimonNuvo::processesData);
            connectWmiErrors(worker, RootErrorKind::WithoutText);
            connect(this, &VerdimonNuvo::cancelProcessesDetection, worker,
                    &Worker::setCancelProcessesDetection, Qt::DirectConnection);
            relay(worker, &Worker::loadMainData, &VerdimonNuvo::setMainProcessesData);
        },
        { QObject::tr("gets Processes information") },
        QObject::tr("An error has occurred with detecting Processes!"));
}

void VerdimonNuvo::startDriversDetection()
{
    launchDetection(
        "Drivers",
        [this](Worker *worker, QThread *thread) {
            connect(thread, &QThread::started, worker, &Worker::getSystemDrivers);
            relay(worker, &Worker::driverInfo, &VerdimonNuvo::setDriverInfo);
            relay(worker, &Worker::failedToDetectDriversConfig,
                  &VerdimonNuvo::setFailedToDetectDriversConfig);
            connect(this, &VerdimonNuvo::cancelDriversDetection, worker,
                    &Worker::setCancelDriversDetection, Qt::DirectConnection);
            relay(worker, &Worker::loadMainData, &VerdimonNuvo::setMainDriversData);
        },
        { QObject::tr("gets Drivers information") },
        QObject::tr("An error has occurred with Drivers detection!"));
}

void VerdimonNuvo::startStartupDetection()
{
    launchDetection(
        "Startup",
        [this](Worker *worker, QThread *thread) {
            connect(thread, &QThread::started, worker, &Worker::getStartupApp);
            relay(worker, &Worker::startupInfo, &VerdimonNuvo::setStartupInfo);
            relay(worker, &Worker::startupDetectionCompleted, &VerdimonNuvo::setStartupDataReady);
            connect(this, &VerdimonNuvo::cancelStartupDetection, worker,
                    &Worker::setCancelStartupDetection, Qt::DirectConnection);
            relay(worker, &Worker::loadMainData, &VerdimonNuvo::setMainStartupData);
        },
        { QObject::tr("gets Startup information") },
        QObject::tr("An error has occurred with detecting Startup data!"));
}

void VerdimonNuvo::startTpmDetection()
{
    launchDetection(
        "TPM",
        [this](Worker *worker, QThread *thread) {
            connect(thread, &QThread::started, worker, &Worker::getTpmWMIData);
            relay(worker, &Worker::hardwareData, &VerdimonNuvo::setTPMData);
            relay(worker, &Worker::noTPMAvailable, &VerdimonNuvo::setNoTPMAvailable);
            connectWmiErrors(worker, RootErrorKind::WithText);
            connect(this, &VerdimonNuvo::cancelTpmDetection, worker, &Worker::setCancelTpmDetection,
                    Qt::DirectConnection);
            relay(worker, &Worker::loadMainData, &VerdimonNuvo::setMainTpmData);
        },
        { QObject::tr("gets TPM information") },
        QObject::tr("An error has occurred with TPM detection!"));
}

void VerdimonNuvo::setAppDataReady(int appsCount)
{
    installedAppsCountLabel->setText(QString::number(appsCount));
    noAppsLabel->setVisible(appsCount <= 0);
    appendToLog(
        QStringLiteral("%1: %2").arg(currentTimestamp(), QObject::tr("gets Programs information")));
}
