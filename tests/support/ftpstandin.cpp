#include "ftpstandin.h"

#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QFile>

FtpStandIn::FtpStandIn() = default;

FtpStandIn::~FtpStandIn()
{
    stop();
}

bool FtpStandIn::start(const QString &mode)
{
    stop();
    m_port = 0;
    if (!m_dir.isValid()) {
        m_error = QStringLiteral("no temporary folder");
        return false;
    }
    const QString script = QStringLiteral(VN_SOURCE_DIR "/scripts/services/ftp_service.py");
    m_process.setProcessChannelMode(QProcess::SeparateChannels);
    m_process.start(QStringLiteral("/usr/bin/python3"),
                    { script, QStringLiteral("--mode"), mode, QStringLiteral("--dir"), m_dir.path(),
                      QStringLiteral("--request-log"),
                      m_dir.filePath(QStringLiteral("commands.log")) });
    if (!m_process.waitForStarted(5000)) {
        m_error = m_process.errorString();
        return false;
    }
    QElapsedTimer clock;
    clock.start();
    QByteArray output;
    while (clock.elapsed() < 20000) {
        if (m_process.canReadLine() || m_process.waitForReadyRead(200))
            output += m_process.readAllStandardOutput();
        for (const QByteArray &line : output.split('\n')) {
            if (line.startsWith("PORT="))
                m_port = quint16(line.mid(5).trimmed().toUInt());
        }
        if (m_port != 0)
            return true;
        if (m_process.state() == QProcess::NotRunning)
            break;
    }
    m_error = QString::fromLocal8Bit(output + m_process.readAllStandardError());
    stop();
    return false;
}

void FtpStandIn::stop()
{
    if (m_process.state() == QProcess::NotRunning)
        return;
    m_process.terminate();
    if (!m_process.waitForFinished(3000)) {
        m_process.kill();
        m_process.waitForFinished(3000);
    }
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
    QFile log(m_dir.filePath(QStringLiteral("commands.log")));
    if (!log.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(log.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

void FtpStandIn::clear()
{
    for (const QString &file : receivedFiles())
        QFile::remove(rootPath() + QLatin1Char('/') + file);
    QFile::remove(m_dir.filePath(QStringLiteral("commands.log")));
}
