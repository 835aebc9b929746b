#include "detectiontesting.h"

#include "app/msgdialog.h"
#include "mainwindow/detectionstats.h"
#include "tests/support/appidentity.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QLabel>
#include <QThread>
#include <QtTest>

using namespace wmi;

namespace DetectionTesting {

void fillMachine(FakeProvider &provider, plat::FakePlatform &platform, const MachineShape &shape)
{
    provider.add("Win32_OperatingSystem",
                 { { "Caption", bstr(shape.osName) }, { "BuildNumber", bstr("6.1.0-18") } });
    for (int index = 0; index < shape.processors; ++index)
        provider.add("Win32_Processor",
                     { { "Name", bstr(QStringLiteral("Test CPU %1").arg(index)) },
                       { "NumberOfLogicalProcessors", i4(8) },
                       { "NumberOfCores", i4(4) },
                       { "ThreadCount", i4(8) } });
    provider.add("Win32_VideoController", { { "Caption", bstr("Test Adapter") } });
    if (shape.withSlots)
        provider.add("Win32_PhysicalMemoryArray", { { "MemoryDevices", i4(2) } });
    provider.add("Win32_PhysicalMemory",
                 { { "Manufacturer", bstr("Maker") }, { "Capacity", bstr("8589934592") } });
    provider.add("Win32_DiskDrive",
                 { { "Caption", bstr("Disk A") }, { "Index", i4(0) }, { "Size", bstr("1000") } });
    provider.add("Win32_DiskPartition",
                 { { "Caption", bstr("Disk #0, Partition #0") }, { "DiskIndex", i4(0) } });
    provider.add("Win32_BaseBoard",
                 { { "Manufacturer", bstr("Board Maker") }, { "Product", bstr("Board X") } });
    provider.add("Win32_BIOS", { { "Caption", bstr("1.23") } });
    provider.add("Win32_SoundDevice", { { "Caption", bstr("Sound A") } });
    provider.add("Win32_NetworkAdapterConfiguration", { { "Caption", bstr("Adapter A") } });
    provider.add("Win32_NetworkAdapterConfiguration", { { "Caption", bstr("Adapter B") } });
    provider.add("Win32_Keyboard", { { "Caption", bstr("Keyboard A") } });
    provider.add("Win32_Printer", { { "Caption", bstr("Printer A") } });
    for (int index = 0; index < shape.services; ++index)
        provider.add(
            "Win32_Service",
            { { "Caption", bstr(QStringLiteral("service%1").arg(index, 4, 10, QLatin1Char('0'))) },
              { "State", bstr("Running") } });
    for (int index = 0; index < shape.processes; ++index)
        provider.add(
            "Win32_Process",
            { { "Name", bstr(QStringLiteral("process%1").arg(index, 5, 10, QLatin1Char('0'))) },
              { "ProcessId", i4(1000 + index) },
              { "WorkingSetSize", bstr("4096000") } });
    if (shape.withTpm)
        provider.add("Win32_Tpm",
                     { { "IsActivated_InitialValue", boolean(true) },
                       { "SpecVersion", bstr("2.0, 0, 1.38") },
                       { "ManufacturerVersion", bstr("7.2") },
                       { "IsEnabled_InitialValue", boolean(true) } });

    const QString uninstall = QStringLiteral(
        "HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\");
    for (int index = 0; index < shape.applications; ++index) {
        const QString key = uninstall + QStringLiteral("app%1").arg(index, 4, 10, QLatin1Char('0'));
        platform.registry->setValue(key, "DisplayName",
                                    QStringLiteral("Application %1").arg(index));
        platform.registry->setValue(key, "UninstallString",
                                    QStringLiteral("remove app%1").arg(index));
    }
    platform.registry->setValue(
        "HKEY_CURRENT_USER\\Software\\Microsoft\\Windows\\CurrentVersion\\Run", "Tool",
        "/usr/bin/tool --quiet");

    for (int index = 0; index < shape.drivers; ++index) {
        plat::DriverEntry driver;
        driver.name = QStringLiteral("driver%1").arg(index);
        driver.displayName = QStringLiteral("Driver %1").arg(index);
        driver.currentState = plat::DriverEntry::Running;
        platform.driverSource->drivers.append(driver);
        platform.driverSource->binaryPaths.insert(driver.name,
                                                  QStringLiteral("/lib/modules/%1.ko").arg(index));
    }
    platform.memoryInfo->installed = 16777216;
}

bool waitForDetections(int timeoutMs)
{
    QDeadlineTimer deadline(timeoutMs);
    while (DetectionStats::liveThreads() > 0 || DetectionStats::liveWorkers() > 0) {
        if (deadline.hasExpired())
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QThread::msleep(1);
    }
    return true;
}

HardwareData record(const QString &heading, const QString &label, const QString &value)
{
    return { heading, QString(), QString(), label, value };
}

bool sameIcon(const QIcon &icon, const char *name)
{
    const QIcon file(QStringLiteral(":/Icon/%1.png").arg(QLatin1String(name)));
    const QImage expected = file.pixmap(16, 16).toImage();
    return !expected.isNull() && icon.pixmap(16, 16).toImage() == expected;
}

QList<QLabel *> refreshLinks(const QWidget *window)
{
    QList<QLabel *> links;
    for (QLabel *label : window->findChildren<QLabel *>())
        if (label->text().endsWith("\">refresh</a>"))
            links << label;
    return links;
}

void DetectionFixture::answerBoxes()
{
    MsgDialog::setTestResponder([this](MsgDialog *box) {
        boxes << box->windowTitle() + QLatin1Char('|') + box->textLabel()->text();
        return int(QDialogButtonBox::Ok);
    });
}

void DetectionFixture::openWindow()
{
    fake = std::make_shared<FakeProvider>();
    useFake = std::make_unique<ScopedProvider>(fake);
    fakes = std::make_unique<plat::FakePlatform>();
    usePlatform = std::make_unique<plat::ScopedPlatform>(fakes->platform());
    boxes.clear();
    window = std::make_unique<VerdimonNuvo>(VerdimonNuvo::StartupActions::Skip);
    QCOMPARE(DetectionStats::liveThreads(), 0); // construction starts nothing
}

void DetectionFixture::closeWindow()
{
    window->cancelAllDetections();
    QVERIFY(waitForDetections(20000));
    window.reset();
    usePlatform.reset();
    useFake.reset();
}

} // namespace DetectionTesting
