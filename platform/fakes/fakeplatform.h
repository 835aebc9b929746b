#pragma once
// Test doubles for the small seams of the platform layer. Each keeps plain public fields that a
// test sets before use; calls are recorded where a test needs to see them.

#include "fakesmartio.h"
#include "platform/platform.h"

#include <QHash>
#include <QMap>
#include <QStringList>
#include <QVector>
#include <mutex>

namespace plat {

class FakeFirmware : public Firmware
{
public:
    // Legacy machine (the probe fails with 1) unless uefi is set; variables by "name|{guid}"
    // (guid compared case-insensitively).
    bool uefi = false;
    QHash<QString, QByteArray> variables;
    void setVariable(const QString &name, const QString &guid, const QByteArray &data);

    quint32 getVariable(const QString &name, const QString &guid, QByteArray *buffer,
                        quint32 capacity, quint32 *lastError) override;
};

class FakeMemoryInfo : public MemoryInfo
{
public:
    std::optional<quint64> installed;
    std::optional<quint64> totalPhys;
    std::optional<quint64> installedKb() override { return installed; }
    std::optional<quint64> totalPhysBytes() override { return totalPhys; }
};

class FakeScreenInfo : public ScreenInfo
{
public:
    QSize screenSize = QSize(1920, 1080);
    int bitsPerPixel = 32;
    int refresh = 60;
    QSize size() override { return screenSize; }
    int depth() override { return bitsPerPixel; }
    int refreshHz() override { return refresh; }
};

class FakeCuda : public Cuda
{
public:
    struct Device
    {
        quint64 totalGlobalMem = 0;
        QString pciBusId;
    };
    QVector<Device> devices;
    int deviceCount() override { return devices.size(); }
    quint64 totalGlobalMem(int device) override;
    QString pciBusId(int device) override;
};

class FakeDriverSource : public DriverSource
{
public:
    bool managerAvailable = true;
    QVector<DriverEntry> drivers;
    // Configured paths by driver name; a name missing here cannot be opened.
    QHash<QString, QString> binaryPaths;

    bool enumerate(QVector<DriverEntry> *out) override;
    bool queryConfig(const QString &name, QString *binaryPath) override;
};

class FakeProcessTree : public ProcessTree
{
public:
    QHash<qint64, QVector<qint64>> childrenOf;
    QHash<qint64, QVector<qint64>> sessionOf;
    QVector<qint64> unopenable; // waitForExit returns false for these

    QVector<qint64> children(qint64 pid) override;
    QVector<qint64> sessionMembers(qint64 leader) override;
    bool waitForExit(qint64 pid) override;
    QVector<qint64> waited() const;

private:
    mutable std::mutex m_mutex;
    QVector<qint64> m_waited;
};

class FakeFileVersion : public FileVersion
{
public:
    QHash<QString, std::array<quint16, 4>> versions; // by path
    QHash<QString, QString> texts; // free-form versions by path
    std::optional<std::array<quint16, 4>> fixedVersion(const QString &path) override;
    QString versionText(const QString &path) override;
};

class FakeServiceControl : public ServiceControl
{
public:
    bool managerOk = true;
    QHash<QString, State> states; // a service missing here cannot be opened
    bool startOk = true;
    bool resumeOk = true;
    bool autoStartOk = true;
    QStringList log; // "start:Name", "resume:Name", "auto:Name"

    bool openManager() override { return managerOk; }
    bool queryState(const QString &service, State *state) override;
    bool start(const QString &service) override;
    bool resume(const QString &service) override;
    bool setAutoStart(const QString &service) override;
};

// A Platform made of the fakes above plus a FakeSmartIo and a MemoryRegistry, with typed access.
struct FakePlatform
{
    FakePlatform();
    std::shared_ptr<FakeSmartIo> smartIo;
    std::shared_ptr<FakeFirmware> firmware;
    std::shared_ptr<FakeMemoryInfo> memoryInfo;
    std::shared_ptr<FakeScreenInfo> screenInfo;
    std::shared_ptr<FakeCuda> cuda;
    std::shared_ptr<MemoryRegistry> registry;
    std::shared_ptr<FakeDriverSource> driverSource;
    std::shared_ptr<FakeProcessTree> processTree;
    std::shared_ptr<FakeFileVersion> fileVersion;
    std::shared_ptr<FakeServiceControl> serviceControl;
    // The set to hand to setPlatform / ScopedPlatform.
    std::shared_ptr<Platform> platform() const;
};

} // namespace plat
