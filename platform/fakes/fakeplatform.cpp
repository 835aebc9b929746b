#include "fakeplatform.h"

#include "fakesmartio.h"

#include <mutex>

namespace plat {

namespace {
QString variableKey(const QString &name, const QString &guid)
{
    QString id = guid.trimmed().toLower();
    if (!id.startsWith(QLatin1Char('{')))
        id = QLatin1Char('{') + id + QLatin1Char('}');
    return name + QLatin1Char('|') + id;
}
} // namespace

void FakeFirmware::setVariable(const QString &name, const QString &guid, const QByteArray &data)
{
    variables.insert(variableKey(name, guid), data);
}

quint32 FakeFirmware::getVariable(const QString &name, const QString &guid, QByteArray *buffer,
                                  quint32 capacity, quint32 *lastError)
{
    quint32 dummy = 0;
    quint32 &error = lastError ? *lastError : dummy;
    if (!uefi) {
        error = fw::ERROR_INVALID_FUNCTION;
        return 0;
    }
    if (name.isEmpty()) {
        error = fw::ERROR_NOACCESS;
        return 0;
    }
    const auto it = variables.constFind(variableKey(name, guid));
    if (it == variables.constEnd() || it->isEmpty()) {
        error = fw::ERROR_ENVVAR_NOT_FOUND;
        return 0;
    }
    if (quint32(it->size()) > capacity || !buffer) {
        error = fw::ERROR_INSUFFICIENT_BUFFER;
        return 0;
    }
    *buffer = *it;
    error = 0;
    return quint32(it->size());
}

quint64 FakeCuda::totalGlobalMem(int device)
{
    return device >= 0 && device < devices.size() ? devices.at(device).totalGlobalMem : 0;
}

QString FakeCuda::pciBusId(int device)
{
    return device >= 0 && device < devices.size() ? devices.at(device).pciBusId : QString();
}

bool FakeDriverSource::enumerate(QVector<DriverEntry> *out)
{
    out->clear();
    if (!managerAvailable)
        return false;
    *out = drivers;
    return true;
}

bool FakeDriverSource::queryConfig(const QString &name, QString *binaryPath)
{
    const auto it = binaryPaths.constFind(name);
    if (it == binaryPaths.constEnd())
        return false;
    if (binaryPath)
        *binaryPath = *it;
    return true;
}

QVector<qint64> FakeProcessTree::children(qint64 pid)
{
    return childrenOf.value(pid);
}

QVector<qint64> FakeProcessTree::sessionMembers(qint64 leader)
{
    return sessionOf.value(leader);
}

bool FakeProcessTree::waitForExit(qint64 pid)
{
    const std::lock_guard<std::mutex> lock(m_mutex);
    m_waited.append(pid);
    return !unopenable.contains(pid);
}

QVector<qint64> FakeProcessTree::waited() const
{
    const std::lock_guard<std::mutex> lock(m_mutex);
    return m_waited;
}

std::optional<std::array<quint16, 4>> FakeFileVersion::fixedVersion(const QString &path)
{
    const auto it = versions.constFind(path);
    if (it == versions.constEnd())
        return std::nullopt;
    return *it;
}

QString FakeFileVersion::versionText(const QString &path)
{
    if (const auto v = fixedVersion(path))
        return QStringLiteral("%1.%2.%3.%4").arg((*v)[0]).arg((*v)[1]).arg((*v)[2]).arg((*v)[3]);
    return texts.value(path);
}

bool FakeServiceControl::queryState(const QString &service, State *state)
{
    const auto it = states.constFind(service);
    if (it == states.constEnd())
        return false;
    if (state)
        *state = *it;
    return true;
}

bool FakeServiceControl::start(const QString &service)
{
    log.append(QStringLiteral("start:") + service);
    if (startOk && states.contains(service))
        states[service] = Running;
    return startOk;
}

bool FakeServiceControl::resume(const QString &service)
{
    log.append(QStringLiteral("resume:") + service);
    if (resumeOk && states.contains(service))
        states[service] = Running;
    return resumeOk;
}

bool FakeServiceControl::setAutoStart(const QString &service)
{
    log.append(QStringLiteral("auto:") + service);
    return autoStartOk;
}

FakePlatform::FakePlatform()
    : smartIo(std::make_shared<FakeSmartIo>())
    , firmware(std::make_shared<FakeFirmware>())
    , memoryInfo(std::make_shared<FakeMemoryInfo>())
    , screenInfo(std::make_shared<FakeScreenInfo>())
    , cuda(std::make_shared<FakeCuda>())
    , registry(std::make_shared<MemoryRegistry>())
    , driverSource(std::make_shared<FakeDriverSource>())
    , processTree(std::make_shared<FakeProcessTree>())
    , fileVersion(std::make_shared<FakeFileVersion>())
    , serviceControl(std::make_shared<FakeServiceControl>())
{
}

std::shared_ptr<Platform> FakePlatform::platform() const
{
    auto p = std::make_shared<Platform>();
    p->smartIo = smartIo;
    p->firmware = firmware;
    p->memoryInfo = memoryInfo;
    p->screenInfo = screenInfo;
    p->cuda = cuda;
    p->registry = registry;
    p->driverSource = driverSource;
    p->processTree = processTree;
    p->fileVersion = fileVersion;
    p->serviceControl = serviceControl;
    return p;
}

} // namespace plat
