// The Drivers list: one record per driver the system knows, running or not.

#include "lazyicon.h"
#include "worker.h"

#include "platform/platform.h"

#include <QDir>
#include <QObject>

namespace {

const QString kDeviceMarker = QStringLiteral("\\??\\");

QString typeText(quint32 type)
{
    switch (type) {
    case plat::DriverEntry::KernelDriver:
        return QObject::tr("Kernel");
    case plat::DriverEntry::FileSystemDriver:
        return QObject::tr("File System");
    default:
        return QObject::tr("Unknown");
    }
}

QString stateText(quint32 state)
{
    switch (state) {
    case 1:
        return QObject::tr("Stopped");
    case 2:
        return QObject::tr("Start pending");
    case 3:
        return QObject::tr("Stop pending");
    case 4:
        return QObject::tr("Running");
    case 5:
        return QObject::tr("Continue pending");
    case 6:
        return QObject::tr("Pause pending");
    case 7:
        return QObject::tr("Paused");
    default:
        return QObject::tr("Unknown");
    }
}

// The full path of a configured driver file, which is shown and whose version is read. Paths of
// the system root form ("\SystemRoot\...", "System32\...") are resolved against the SystemRoot
// variable; "\??\" marks a full path; a path that is already absolute here is taken as it is.
QString resolveDriverPath(const QString &configured)
{
    const QString root = qEnvironmentVariable("SystemRoot");
    QString path;
    if (configured.startsWith(kDeviceMarker)) {
        path = configured.mid(kDeviceMarker.size());
    } else if (configured.contains(QLatin1String("SystemRoot"))) {
        path = configured;
        path.replace(QLatin1String("\\SystemRoot"), root);
    } else if (QDir::isAbsolutePath(configured)) {
        path = configured;
    } else {
        path = QDir::toNativeSeparators(root + QLatin1Char('/')) + configured;
    }
    return path;
}

// The text after the last separator of either kind.
QString lastComponent(const QString &path)
{
    const int cut = qMax(path.lastIndexOf(QLatin1Char('/')), path.lastIndexOf(QLatin1Char('\\')));
    return path.mid(cut + 1);
}

} // namespace

QString Worker::fileVersionText(const QString &path)
{
    const std::shared_ptr<plat::FileVersion> versions = plat::fileVersion();
    if (const auto v = versions->fixedVersion(path))
        return QStringLiteral("%1.%2.%3.%4").arg((*v)[0]).arg((*v)[1]).arg((*v)[2]).arg((*v)[3]);
    // Kernel modules state their versions in their own form ("1.2-k").
    const QString stated = versions->versionText(path).trimmed();
    return stated.isEmpty() ? QObject::tr("Unknown") : stated;
}

void Worker::getSystemDrivers()
{
    const std::shared_ptr<plat::DriverSource> source = plat::driverSource();
    QVector<plat::DriverEntry> entries;
    // No manager: no rows and no message.
    if (source->enumerate(&entries)) {
        const QIcon icon = LazyIcon::fromFile(QStringLiteral(":/Icon/drivers_icon.png"));
        for (const plat::DriverEntry &entry : qAsConst(entries)) {
            if (m_cancelDrivers)
                break;
            Driver driver;
            driver.icon = icon;
            driver.name = entry.name;
            driver.description = entry.displayName;
            driver.version = QObject::tr("Unknown");
            driver.path = QObject::tr("Unknown");
            driver.fileName = QObject::tr("Unknown");

            // A driver that cannot be opened, or whose configuration names no file, keeps
            // "Unknown" in all three fields.
            QString configured;
            if (source->queryConfig(entry.name, &configured) && !configured.isEmpty()) {
                driver.path = resolveDriverPath(configured);
                driver.version = fileVersionText(driver.path);
                const QString name = lastComponent(driver.path);
                driver.fileName = name.isEmpty() ? QObject::tr("Unknown") : name;
            }
            driver.type = typeText(entry.serviceType);
            driver.state = stateText(entry.currentState);
            emit driverInfo(driver);
        }
    }

    if (!m_cancelDrivers)
        emit loadMainData();
    emit finished();
}
