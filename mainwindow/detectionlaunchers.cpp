// The launchers of the hardware detections and what every launcher shares: the thread and
// Worker pair, the ending connections, the log lines, the catch-all and the detection error box.

#include "mainwindow/detectionrelay.h"
#include "mainwindow/detectionstats.h"

#include "app/applog.h"
#include "app/msgdialog.h"
#include "platform/threadpriority.h"

#include <QThread>

void VerdimonNuvo::launchDetection(const char *key,
                                   const std::function<void(Worker *, QThread *)> &wire,
                                   const QStringList &logTexts, const QString &failureText)
{
    try {
        auto *thread = new QThread;
        auto *worker = new Worker;
        worker->moveToThread(thread);
        // Every record type, in every launcher: no launcher depends on another having run first.
        registerRecordTypes();
        // Before the collector's own start: the detections yield the processor to the window,
        // so thousands of rows arriving never hold up its painting.
        connect(
            thread, &QThread::started, thread, [] { plat::lowerCurrentThreadPriority(5); },
            Qt::DirectConnection);

        wire(worker, thread);

        // The end of a detection is handled on the GUI thread: the cancel signals are cut from
        // the Worker there first, so a cancel emitted at the same moment can never reach a
        // Worker its own thread is deleting; then the Worker is released and its thread ended.
        // A collector that gives up at a WMI step ends without finished(); its thread and
        // Worker are released all the same.
        const auto release = [this, worker, thread] {
            disconnect(this, nullptr, worker, nullptr);
            worker->deleteLater();
            thread->quit();
        };
        connect(worker, &Worker::finished, this, release);
        connect(worker, &Worker::collectorAborted, this, release);
        connect(thread, &QThread::finished, thread, &QObject::deleteLater);
        DetectionStats::track(QString::fromLatin1(key), thread, worker);
        detectionThreads.removeAll(QPointer<QThread>()); // released ones
        detectionThreads.append(thread);

        thread->start(QThread::InheritPriority);
        for (const QString &text : logTexts)
            appendToLog(QStringLiteral("%1: %2").arg(currentTimestamp(), text));
    } catch (...) {
        showDetectionError(failureText);
    }
}

void VerdimonNuvo::connectWmiErrors(Worker *worker, RootErrorKind rootError)
{
    relay(worker, &Worker::initComLibError, &VerdimonNuvo::initComLibraryErr);
    relay(worker, &Worker::errorCreateIWbemObject, &VerdimonNuvo::createIWbemObjectErr);
    if (rootError == RootErrorKind::WithText)
        relay(worker, qOverload<QString>(&Worker::errorRootConnection),
              &VerdimonNuvo::setRootConError);
    relay(worker, qOverload<>(&Worker::errorRootConnection), &VerdimonNuvo::rootConErr);
    relay(worker, &Worker::errorProxyBlanket, &VerdimonNuvo::proxyBlanketErr);
    relay(worker, &Worker::errorProcessQuery, &VerdimonNuvo::procQueryErr);
}

void VerdimonNuvo::showDetectionError(const QString &text)
{
    MsgDialog box(this, QObject::tr("Error"), text, 3, QDialogButtonBox::Ok);
    box.exec();
}

void VerdimonNuvo::initComLibraryErr(const QString &error)
{
    showDetectionError(error);
}

void VerdimonNuvo::createIWbemObjectErr(const QString &error)
{
    showDetectionError(error);
}

void VerdimonNuvo::setRootConError(const QString &error)
{
    showDetectionError(error);
}

void VerdimonNuvo::proxyBlanketErr(const QString &error)
{
    showDetectionError(error);
}

void VerdimonNuvo::procQueryErr(const QString &error)
{
    showDetectionError(error);
}

void VerdimonNuvo::setFailedToRemoveProduct(const QString &error)
{
    showDetectionError(error);
}

void VerdimonNuvo::startOSDetection()
{
    launchDetection(
        "OS",
        [this](Worker *worker, QThread *thread) {
            connect(thread, &QThread::started, worker, &Worker::appOSWMIData);
            relay(worker, &Worker::hardwareData, &VerdimonNuvo::osWMIData);
            connectWmiErrors(worker, RootErrorKind::WithText);
            connect(this, &VerdimonNuvo::cancelOSDetection, worker, &Worker::setCancelOSDetection,
                    Qt::DirectConnection);
            relay(worker, &Worker::loadMainData, &VerdimonNuvo::setMainOSData);
        },
        { QObject::tr("launching the program"), QObject::tr("gets OS information") },
        QObject::tr("An error has occurred with detecting OS!"));
}

void VerdimonNuvo::startCPUDetection()
{
    launchDetection(
        "CPU",
        [this](Worker *worker, QThread *thread) {
            connect(thread, &QThread::started, worker, &Worker::appCPUWMIData);
            relay(worker, &Worker::hardwareMainData, &VerdimonNuvo::cpuWMIMainData);
            relay(worker, &Worker::hardwareData, &VerdimonNuvo::cpuWMIData);
            connectWmiErrors(worker, RootErrorKind::WithoutText);
            connect(this, &VerdimonNuvo::cancelCPUDetection, worker, &Worker::setCancelCPUDetection,
                    Qt::DirectConnection);
            relay(worker, &Worker::loadMainData, &VerdimonNuvo::setMainCPUData);
        },
        { QObject::tr("gets CPU information") },
        QObject::tr("An error has occurred with detecting CPU!"));
}

void VerdimonNuvo::startGPUDetection()
{
    launchDetection(
        "GPU",
        [this](Worker *worker, QThread *thread) {
            connect(thread, &QThread::started, worker, &Worker::appGPUWMIData);
            relay(worker, &Worker::hardwareMainData, &VerdimonNuvo::gpuMainData);
            relay(worker, &Worker::hardwareData, &VerdimonNuvo::gpuWMIData);
            connectWmiErrors(worker, RootErrorKind::WithoutText);
            connect(this, &VerdimonNuvo::cancelGPUDetection, worker, &Worker::setCancelGPUDetection,
                    Qt::DirectConnection);
            relay(worker, &Worker::loadMainData, &VerdimonNuvo::setMainGPUData);
        },
        { QObject::tr("gets GPU information") },
        QObject::tr("An error has occurred with detecting GPU!"));
}

void VerdimonNuvo::startRAMDetection()
{
    launchDetection(
        "RAM",
        [this](Worker *worker, QThread *thread) {
            connect(thread, &QThread::started, worker, &Worker::appRAMWMIData);
            relay(worker, &Worker::ramTotalData, &VerdimonNuvo::ramWMITotalData);
            relay(worker, &Worker::hardwareMainData, &VerdimonNuvo::ramWMIMainData);
            relay(worker, &Worker::hardwareData, &VerdimonNuvo::ramWMIData);
            connectWmiErrors(worker, RootErrorKind::WithoutText);
            connect(this, &VerdimonNuvo::cancelRAMDetection, worker, &Worker::setCancelRAMDetection,
                    Qt::DirectConnection);
            relay(worker, &Worker::loadMainData, &VerdimonNuvo::setMainRAMData);
        },
        { QObject::tr("gets RAM information") },
        QObject::tr("An error has occurred with detecting RAM!"));
}

void VerdimonNuvo::startStorageDetection()
{
    launchDetection(
        "Storage",
        [this](Worker *worker, QThread *thread) {
            connect(thread, &QThread::started, worker, &Worker::appStorageWMIData);
            relay(worker, &Worker::storageTotalDrivesData,
                  &VerdimonNuvo::storageWMITotalDrivesData);
            relay(worker, &Worker::hardwareMainData, &VerdimonNuvo::storageMainData);
            relay(worker, &Worker::hardwareData, &VerdimonNuvo::storageWMIData);
            relay(worker, &Worker::smartDriveInfo, &VerdimonNuvo::setSmartDriveInfo);
            relay(worker, &Worker::smartDriveDetectionCompleted, &VerdimonNuvo::getSmartData);
            relay(worker, &Worker::storageCollectingPartitionData,
                  &VerdimonNuvo::storageWMICollectingPartitionData);
            relay(worker, &Worker::storageTotalPartitionsData,
                  &VerdimonNuvo::storageWMITotalPartitionsData);
            relay(worker, &Worker::storageMainPartitionData,
                  &VerdimonNuvo::setStorageMainPartitionData);
            relay(worker, &Worker::storagePartitionData, &VerdimonNuvo::storageWMIPartitionData);
            connectWmiErrors(worker, RootErrorKind::WithoutText);
            connect(this, &VerdimonNuvo::cancelStorageDetection, worker,
                    &Worker::setCancelStorageDetection, Qt::DirectConnection);
            relay(worker, &Worker::loadMainData, &VerdimonNuvo::setMainStorageData);
        },
        { QObject::tr("gets Storage information") },
        QObject::tr("An error has occurred with detecting Storage!"));
}

void VerdimonNuvo::startOpticalDevicesDetection()
{
    launchDetection(
        "Optical Devices",
        [this](Worker *worker, QThread *thread) {
            connect(thread, &QThread::started, worker, &Worker::appOpticalDevicesWMIData);
            relay(worker, &Worker::hardwareDataNotAvailable, &VerdimonNuvo::cdRomNotInstalled);
            relay(worker, &Worker::hardwareMainData, &VerdimonNuvo::setOpticalDevicesMainData);
            relay(worker, &Worker::hardwareData, &VerdimonNuvo::opticalDevicesWMIData);
            connectWmiErrors(worker, RootErrorKind::WithoutText);
            connect(this, &VerdimonNuvo::cancelOpticalDevicesDetection, worker,
                    &Worker::setCancelOpticalDevicesDetection, Qt::DirectConnection);
            relay(worker, &Worker::loadMainData, &VerdimonNuvo::setMainOpticalDevicesData);
        },
        { QObject::tr("gets Optical Devices information") },
        QObject::tr("An error has occurred with detecting Optical Devices!"));
}

void VerdimonNuvo::startMotherboardDetection()
{
    launchDetection(
        "Motherboard",
        [this](Worker *worker, QThread *thread) {
            connect(thread, &QThread::started, worker, &Worker::appMotherboardWMIData);
            relay(worker, &Worker::hardwareData, &VerdimonNuvo::motherboardWMIData);
            connectWmiErrors(worker, RootErrorKind::WithoutText);
            connect(this, &VerdimonNuvo::cancelMotherboardDetection, worker,
                    &Worker::setCancelMotherboardDetection, Qt::DirectConnection);
            connect(this, &VerdimonNuvo::cancelBiosDetection, worker,
                    &Worker::setCancelBiosDetection, Qt::DirectConnection);
            relay(worker, &Worker::loadMainData, &VerdimonNuvo::setMainMotherboardData);
        },
        { QObject::tr("gets Motherboard information") },
        QObject::tr("An error has occurred with detecting Motherboard!"));
}

void VerdimonNuvo::startSoundDevicesDetection()
{
    launchDetection(
        "Sound Devices",
        [this](Worker *worker, QThread *thread) {
            connect(thread, &QThread::started, worker, &Worker::appSoundDevicesWMIData);
            relay(worker, &Worker::hardwareMainData, &VerdimonNuvo::soundDevicesMainData);
            relay(worker, &Worker::hardwareData, &VerdimonNuvo::soundDevicesWMIData);
            connectWmiErrors(worker, RootErrorKind::WithoutText);
            connect(this, &VerdimonNuvo::cancelSoundDevicesDetection, worker,
                    &Worker::setCancelSoundDevicesDetection, Qt::DirectConnection);
            relay(worker, &Worker::loadMainData, &VerdimonNuvo::setMainSoundDevicesData);
        },
        { QObject::tr("gets Sound Devices information") },
        QObject::tr("An error has occurred with detecting Sound Devices!"));
}

void VerdimonNuvo::startNetworkDetection()
{
    launchDetection(
        "Network",
        [this](Worker *worker, QThread *thread) {
            connect(thread, &QThread::started, worker, &Worker::appNetworkWMIData);
            relay(worker, &Worker::hardwareMainData, &VerdimonNuvo::setNetworkMainData);
            relay(worker, &Worker::hardwareData, &VerdimonNuvo::networkWMIData);
            connectWmiErrors(worker, RootErrorKind::WithoutText);
            connect(this, &VerdimonNuvo::cancelNetworkDetection, worker,
                    &Worker::setCancelNetworkDetection, Qt::DirectConnection);
            relay(worker, &Worker::loadMainData, &VerdimonNuvo::setMainNetworkData);
        },
        { QObject::tr("gets Network information") },
        QObject::tr("An error has occurred with detecting Network!"));
}

void VerdimonNuvo::startPeripheralDetection()
{
    launchDetection(
        "Peripheral",
        [this](Worker *worker, QThread *thread) {
            connect(thread, &QThread::started, worker, &Worker::appPeripheralWMIData);
            relay(worker, &Worker::hardwareMainData, &VerdimonNuvo::setPeripheralKeyboardMainData);
            relay(worker, &Worker::hardwareData, &VerdimonNuvo::peripheralKeyboardWMIData);
            relay(worker, &Worker::peripheralPrinterMainData,
                  &VerdimonNuvo::setPeripheralPrinterMainData);
            relay(worker, &Worker::peripheralPrinterData, &VerdimonNuvo::peripheralPrinterWMIData);
            connectWmiErrors(worker, RootErrorKind::WithoutText);
            connect(this, &VerdimonNuvo::cancelPeripheralKeyboardDetection, worker,
                    &Worker::setCancelPeripheralKeyboardDetection, Qt::DirectConnection);
            connect(this, &VerdimonNuvo::cancelPeripheralPrinterDetection, worker,
                    &Worker::setCancelPeripheralPrinterDetection, Qt::DirectConnection);
            relay(worker, &Worker::loadMainData, &VerdimonNuvo::setMainPeripheralData);
        },
        { QObject::tr("gets Peripheral information") },
        QObject::tr("An error has occurred with detecting Peripheral!"));
}
