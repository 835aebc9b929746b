#include "httpsstandin.h"

#include <QElapsedTimer>
#include <QFile>
#include <QTcpServer>

HttpsStandIn::HttpsStandIn() = default;

HttpsStandIn::~HttpsStandIn()
{
    stop();
}

bool HttpsStandIn::start(const QString &mode, const QStringList &extraArgs)
{
    if (!m_dir.isValid()) {
        m_error = QStringLiteral("no temporary folder");
        return false;
    }
    const QString script = QStringLiteral(VN_SOURCE_DIR "/scripts/services/https_service.py");
    m_process.setProcessChannelMode(QProcess::SeparateChannels);
    const QStringList args = QStringList { script,
                                           QStringLiteral("--mode"),
                                           mode,
                                           QStringLiteral("--dir"),
                                           m_dir.path(),
                                           QStringLiteral("--request-log"),
                                           m_dir.filePath(QStringLiteral("requests.log")) }
        + extraArgs;
    m_process.start(QStringLiteral("/usr/bin/python3"), args);
    if (!m_process.waitForStarted(5000)) {
        m_error = m_process.errorString();
        return false;
    }
    QElapsedTimer clock;
    clock.start();
    QByteArray output;
    while (clock.elapsed() < 20000) {
        if (m_process.canReadLine() || m_process.waitForReadyRead(200))
            output += m_process.readAll();
        for (const QByteArray &line : output.split('\n')) {
            if (line.startsWith("PORT="))
                m_port = quint16(line.mid(5).trimmed().toUInt());
            else if (line.startsWith("CA="))
                m_caFile = QString::fromLocal8Bit(line.mid(3).trimmed());
        }
        if (m_port != 0 && !m_caFile.isEmpty())
            return true;
        if (m_process.state() == QProcess::NotRunning)
            break;
    }
    m_error = QString::fromLocal8Bit(output + m_process.readAllStandardError());
    stop();
    return false;
}

void HttpsStandIn::stop()
{
    if (m_process.state() == QProcess::NotRunning)
        return;
    m_process.terminate();
    if (!m_process.waitForFinished(3000)) {
        m_process.kill();
        m_process.waitForFinished(3000);
    }
}

QString HttpsStandIn::baseUrl(const QString &mode) const
{
    QString url = QStringLiteral("https://127.0.0.1:%1").arg(m_port);
    if (!mode.isEmpty())
        url += QLatin1Char('/') + mode;
    return url;
}

QStringList HttpsStandIn::requestedPaths() const
{
    QStringList paths;
    for (const QString &request : requests())
        paths << request.section(QLatin1Char(' '), 1);
    return paths;
}

QStringList HttpsStandIn::requests() const
{
    QFile log(m_dir.filePath(QStringLiteral("requests.log")));
    if (!log.open(QIODevice::ReadOnly))
        return {};
    QStringList paths;
    for (const QByteArray &line : log.readAll().split('\n')) {
        if (!line.isEmpty())
            paths << QString::fromUtf8(line);
    }
    return paths;
}

void HttpsStandIn::clearRequests()
{
    QFile::remove(m_dir.filePath(QStringLiteral("requests.log")));
}

void HttpsStandIn::applyEnvironment(const QString &mode) const
{
    qputenv("VN_WEB_HOST", "127.0.0.1");
    qputenv("VN_WEB_PORT", QByteArray::number(m_port));
    qputenv("VN_WEB_BASE_URL", baseUrl(mode).toUtf8());
    qputenv("VN_TEST_CA_FILE", m_caFile.toLocal8Bit());
}

quint16 HttpsStandIn::closedPort()
{
    // Bind, note the port, release it: nothing listens there afterwards.
    QTcpServer probe;
    if (!probe.listen(QHostAddress::LocalHost, 0))
        return 9; // discard: not served on loopback here
    const quint16 port = probe.serverPort();
    probe.close();
    return port;
}
