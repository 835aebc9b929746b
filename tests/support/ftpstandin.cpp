#include "ftpstandin.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>

bool FtpStandIn::start(const QString &mode)
{
    m_port = 0;
    const QStringList args = QStringList {
        "--mode", mode, "--dir", m_dir.path(), "--request-log", m_dir.filePath("commands.log")
    } << "--exit-with-parent";
    if (!m_server.start("ftp_service.py", args, { "PORT" })) {
        m_error = m_server.errorText();
        return false;
    }
    m_port = quint16(m_server.value(QStringLiteral("PORT")).toUInt());
    return true;
}

void FtpStandIn::applyEnvironment() const
{
    qputenv("VN_FTP_HOST", "127.0.0.1");
    qputenv("VN_FTP_PORT", QByteArray::number(m_port));
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

void FtpStandIn::place(const QString &remotePath, const QByteArray &content) const
{
    QFile file(rootPath() + QLatin1Char('/') + remotePath);
    if (!file.open(QIODevice::WriteOnly) || file.write(content) != content.size())
        qFatal("cannot place %s on the FTP stand-in", qPrintable(remotePath));
}

void FtpStandIn::clear()
{
    for (const QString &file : receivedFiles())
        QFile::remove(rootPath() + QLatin1Char('/') + file);
    QFile::remove(m_dir.filePath(QStringLiteral("commands.log")));
}
