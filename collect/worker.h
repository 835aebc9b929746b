#pragma once
// Worker: the one object through which the program reads the machine. One Worker serves one
// detection: it is moved to a thread of its own, one collector slot runs, and every result
// leaves as a record in a queued signal. A collector that ends (normally or cancelled) emits
// finished(); one that gives up at a WMI step emits that step's error signal and then
// collectorAborted(), so the launcher can end the thread in both cases.

#include "records.h"

#include "platform/wmi.h"

#include <QObject>
#include <QProcess>
#include <QString>
#include <QTreeWidgetItem>

#include <atomic>

class QDateTime;
class QProcess;

class Worker : public QObject
{
    Q_OBJECT

public:
    explicit Worker(QObject *parent = nullptr);
    ~Worker() override;

    // Shared record builders: empty heading, label or value become the translated "Unknown".
    static HardwareData makeHardwareMainData(const HardwareData &record, const QString &heading,
                                             const QString &label, const QString &value);
    static HardwareData makeHardwareData(const HardwareData &record, const QString &label,
                                         const QString &value);
    // "DD-MM-YYYY HH:MM:SS" and "DD-MM-YYYY"; the year as its plain number.
    static QString formatWmiDateTime(const QDateTime &time);
    static QString formatWmiDate(const QDateTime &time);
    // A CIM date text in local time; false (output untouched) when it cannot be converted.
    static bool wmiDateToLocalTime(const QString &cim, QDateTime *out);

signals:
    void initComLibError(QString errorData);
    void errorCreateIWbemObject(QString errorData);
    void errorRootConnection(QString errorData);
    void errorRootConnection();
    void errorProxyBlanket(QString errorData);
    void errorProcessQuery(QString errorData);
    void hardwareData(HardwareData data);
    void hardwareMainData(HardwareData data);
    void ramTotalData(HardwareData data);
    void storageTotalDrivesData(QString drives);
    void storageTotalPartitionsData(QString partitions);
    void storageCollectingPartitionData();
    void storageMainPartitionData(HardwareData partitionData);
    void storagePartitionData(HardwareData partitionData);
    void peripheralPrinterMainData(HardwareData peripheralData);
    void peripheralPrinterData(HardwareData peripheralData);
    void appServicesData(Service serviceData);
    void appProcessesData(Process processData);
    void hardwareDataNotAvailable();
    void appsData(Application appInfo);
    void errorData();
    void appDataReady(int allApps);
    void loadMainData();
    void finished();
    void driverInfo(Driver driverData);
    void failedToDetectDriversConfig();
    // The uninstall's answers name the row by the id the request carried (rows live on the GUI
    // thread; the worker never sees them).
    void processFailed(quint64 rowId);
    void failedToRemoveProduct(QString errorMsg);
    void isUninstalling(bool isDeleted, quint64 rowId);
    // What the uninstall command would remove, asked before it runs (planUninstall):
    // `packageRemoval` false for a command that is no known package removal; `error` the
    // package tool's reason when it could not tell.
    void uninstallPlanned(quint64 rowId, bool packageRemoval, QStringList packages, QString error);
    void startupInfo(Startup startupData);
    void startupDetectionCompleted();
    void smartDriveInfo(SmartStorage storageData);
    void smartDriveDetectionCompleted();
    void smartDriveData(SmartInfo driveData);
    void noSmartDriveDataAvailable();
    void noTPMAvailable();
    // Emitted after the error signal of a failed WMI step, once everything the collector held
    // is released, and after processFailed() of an uninstaller that never started. finished() is
    // not emitted then; connect this to QThread::quit and to deleteLater as well, so a failed
    // detection does not leave its thread running.
    void collectorAborted();

public slots:
    int appOSWMIData();
    int appCPUWMIData();
    int appGPUWMIData();
    int appRAMWMIData();
    int appStorageWMIData();
    int appMotherboardWMIData();
    int appOpticalDevicesWMIData();
    int appSoundDevicesWMIData();
    int appNetworkWMIData();
    int appPeripheralWMIData();
    int servicesWMIData();
    int processesWMIData();
    int programsData();
    void getSystemDrivers();
    void setCancelOSDetection();
    void setCancelCPUDetection();
    void setCancelGPUDetection();
    void setCancelRAMDetection();
    void setCancelStorageDetection();
    void setCancelOpticalDevicesDetection();
    void setCancelMotherboardDetection();
    void setCancelBiosDetection();
    void setCancelSoundDevicesDetection();
    void setCancelNetworkDetection();
    void setCancelPeripheralKeyboardDetection();
    void setCancelPeripheralPrinterDetection();
    void setCancelServicesDetection();
    void setCancelProcessesDetection();
    void setCancelAppsDetection();
    void setCancelTpmDetection();
    void setCancelDriversDetection();
    // Runs a program's uninstall command (the text of the row's "Uninstall path" column, taken by
    // value on the GUI thread); rowId is handed back unchanged in the answers.
    void productUninstall(const QString &command, quint64 rowId);
    // Asks the package tool what the command would remove, without running it; answers with
    // uninstallPlanned and ends with finished().
    void planUninstall(const QString &command, quint64 rowId);
    void getStartupApp();
    void setCancelStartupDetection();
    void smartStorageInfo(int driveIndex);
    void setCancelSmartDetection();
    void getTpmWMIData();

private:
    // GPU memory texts; they keep the last figures in the two members below.
    QString formatGpuMemorySize(const wmi::VARIANT &adapterRam);
    QString cudaGpuMemory(const QString &pnpDeviceId);
    QString gpuMemoryText() const;
    // Installed memory text of the RAM page.
    QString totalRamCapacity();

    // Helpers of the motherboard, drivers, start-up and uninstall collectors.
    QString biosMode();
    QString secureBootState();
    QString fileVersionText(const QString &path);
    void scanStartupFolder(const QString &folder);
    void uninstallFinished(quint64 rowId, int exitCode, QProcess::ExitStatus exitStatus);

    double m_adapterMemoryMb = 0;
    double m_adapterMemoryGb = 0;

    // One flag per detection. Set once (false to true) from the GUI thread through direct
    // connections while the collector polls it on its own thread, hence atomic.
    std::atomic<bool> m_cancelOS { false };
    std::atomic<bool> m_cancelCPU { false };
    std::atomic<bool> m_cancelGPU { false };
    std::atomic<bool> m_cancelRAM { false };
    std::atomic<bool> m_cancelStorage { false };
    std::atomic<bool> m_cancelOpticalDevices { false };
    std::atomic<bool> m_cancelMotherboard { false };
    std::atomic<bool> m_cancelBios { false };
    std::atomic<bool> m_cancelSoundDevices { false };
    std::atomic<bool> m_cancelNetwork { false };
    std::atomic<bool> m_cancelPeripheralKeyboard { false };
    std::atomic<bool> m_cancelPeripheralPrinter { false };
    std::atomic<bool> m_cancelServices { false };
    std::atomic<bool> m_cancelProcesses { false };
    std::atomic<bool> m_cancelApps { false };
    std::atomic<bool> m_cancelDrivers { false };
    std::atomic<bool> m_cancelStartup { false };
    std::atomic<bool> m_cancelSmart { false };
    std::atomic<bool> m_cancelTpm { false };

    // The uninstall's child process and its id (0 while nothing has started).
    QProcess *m_uninstallProcess = nullptr;
    qint64 m_uninstallerPid = 0;
};
