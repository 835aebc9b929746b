#include "firmware.h"

#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstring>

namespace plat {

quint32 LinuxFirmware::getVariable(const QString &name, const QString &guid, QByteArray *buffer,
                                   quint32 capacity, quint32 *lastError)
{
    quint32 dummy = 0;
    quint32 &error = lastError ? *lastError : dummy;
    if (!m_root.isDir(QStringLiteral("/sys/firmware/efi"))) {
        error = fw::ERROR_INVALID_FUNCTION;
        return 0;
    }
    if (name.isEmpty()) {
        // The probe with an empty name: a UEFI system refuses it with "no access".
        error = fw::ERROR_NOACCESS;
        return 0;
    }
    QString id = guid.trimmed().toLower();
    if (id.startsWith(QLatin1Char('{')) && id.endsWith(QLatin1Char('}')))
        id = id.mid(1, id.size() - 2);
    const QString stem = name + QLatin1Char('-') + id;

    // efivarfs files start with the 4-byte attribute word; the old sysfs interface has a bare
    // data file.
    QByteArray data;
    bool found = false;
    const QString efivar = QStringLiteral("/sys/firmware/efi/efivars/") + stem;
    const QString legacy
        = QStringLiteral("/sys/firmware/efi/vars/") + stem + QStringLiteral("/data");
    if (m_root.exists(efivar)) {
        found = true;
        QFile file(m_root.path(efivar));
        // efivarfs holds regular files; anything else there must not block the read.
        if (!QFileInfo(file.fileName()).isFile() || !file.open(QIODevice::ReadOnly)) {
            error = file.error() == QFileDevice::PermissionsError ? fw::ERROR_ACCESS_DENIED
                                                                  : fw::ERROR_INVALID_FUNCTION;
            return 0;
        }
        data = file.readAll().mid(4);
    } else if (m_root.exists(legacy)) {
        found = true;
        if (!m_root.read(legacy, &data)) {
            error = fw::ERROR_ACCESS_DENIED;
            return 0;
        }
    }
    if (!found || data.isEmpty()) {
        error = fw::ERROR_ENVVAR_NOT_FOUND;
        return 0;
    }
    if (quint32(data.size()) > capacity || !buffer) {
        error = fw::ERROR_INSUFFICIENT_BUFFER;
        return 0;
    }
    *buffer = data;
    error = 0;
    return quint32(data.size());
}

} // namespace plat
