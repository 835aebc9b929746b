#include "ftpstandin.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>

bool FtpStandIn::start(const QString &mode)
{
    m_port = 0;
    if (!m_dir.isValid()) {
        m_error = QStringLiteral("no temporary folder");
        return false;
    }
    const QStringList args { QStringLiteral("--mode"),
                             mode,
                             QStringLiteral("--dir"),
                             m_dir.path(),
                             QStringLiteral("--request-log"),
                             m_dir.filePath(QStringLiteral("commands.log")),
                             QStringLiteral("--exit-with-parent") };
    if (!m_server.start(QStringLiteral("ftp_service.py"), args, { QStringLiteral("PORT") })) {
        m_error = m_server.errorText();
        return false;
    }
    m_port = quint16(m_server.value(QStringLiteral("PORT")).toUInt());
    return true;
}

void FtpStandIn::stop()
{
    m_server.stop();
}

void FtpStandIn::applyEnvironment() const
{
    qputenv("VN_FTP_HOST", "127.0.0.1");
    qputenv("VN_FTP_PORT", QByteArray::number(m_port));
}

QString FtpStandIn::rootPath() const
{
    return m_dir.filePath(QStringLiteral("root"));
}

QStringList FtpStandIn::receivedFiles() const
{
    QStringList files;
    const QDir root(rootPath());
    QDirIterator it(rootPath(), QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext())
        files << root.relativeFilePath(it.next());
    files.sort();
    return files;
}

QByteArray FtpStandIn::receivedFile(const QString &remotePath) const
{
    QFile file(rootPath() + QLatin1Char('/') + remotePath);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QStringList FtpStandIn::commands() const
{
    return StandInProcess::lines(m_dir.filePath(QStringLiteral("commands.log")));
}

void FtpStandIn::clear()
{
    for (const QString &file : receivedFiles())
        QFile::remove(rootPath() + QLatin1Char('/') + file);
    QFile::remove(m_dir.filePath(QStringLiteral("commands.log")));
}
