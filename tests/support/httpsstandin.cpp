#include "httpsstandin.h"

#include <QFile>
#include <QTcpServer>

bool HttpsStandIn::start(const QString &mode, const QStringList &extraArgs)
{
    const QStringList args = QStringList {
        "--mode", mode, "--dir", m_dir.path(), "--request-log", m_dir.filePath("requests.log")
    } + extraArgs;
    if (!m_server.start("https_service.py", args, { "PORT", "CA" })) {
        m_error = m_server.errorText();
        return false;
    }
    m_port = quint16(m_server.value(QStringLiteral("PORT")).toUInt());
    m_caFile = m_server.value(QStringLiteral("CA"));
    return true;
}

QString HttpsStandIn::baseUrl(const QString &mode) const
{
    const QString url = QStringLiteral("https://127.0.0.1:%1").arg(m_port);
    return mode.isEmpty() ? url : url + QLatin1Char('/') + mode;
}

QStringList HttpsStandIn::requestedPaths() const
{
    QStringList paths;
    for (const QString &request : requests())
        paths << request.section(QLatin1Char(' '), 1);
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
