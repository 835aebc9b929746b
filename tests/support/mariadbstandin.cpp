#include "mariadbstandin.h"

#include <QElapsedTimer>

MariaDbStandIn::MariaDbStandIn() = default;

MariaDbStandIn::~MariaDbStandIn()
{
    stop();
}

bool MariaDbStandIn::start()
{
    if (!m_dir.isValid()) {
        m_error = QStringLiteral("no temporary folder");
        return false;
    }
    const QString script = QStringLiteral(VN_SOURCE_DIR "/scripts/services/mariadb_service.py");
    m_process.start(
        QStringLiteral("/usr/bin/python3"),
        { script, QStringLiteral("--dir"), m_dir.path(), QStringLiteral("--env-file"), envFile() });
    if (!m_process.waitForStarted(5000)) {
        m_error = m_process.errorString();
        return false;
    }
    QElapsedTimer clock;
    clock.start();
    QByteArray output;
    while (clock.elapsed() < 60000) {
        if (m_process.waitForReadyRead(200))
            output += m_process.readAllStandardOutput();
        if (output.contains("WEB_DB_PASSWORD=") && output.endsWith('\n')) {
            for (const QByteArray &line : output.split('\n')) {
                const int split = line.indexOf('=');
                if (split > 0)
                    m_values.insert(QString::fromUtf8(line.left(split)),
                                    QString::fromUtf8(line.mid(split + 1)));
            }
            return true;
        }
        if (m_process.state() == QProcess::NotRunning)
            break;
    }
    m_error = QString::fromLocal8Bit(output + m_process.readAllStandardError());
    stop();
    return false;
}

void MariaDbStandIn::stop()
{
    if (m_process.state() == QProcess::NotRunning)
        return;
    m_process.terminate(); // the script shuts the server down cleanly
    if (!m_process.waitForFinished(20000)) {
        m_process.kill();
        m_process.waitForFinished(3000);
    }
}

void MariaDbStandIn::applyEnvironment() const
{
    qputenv("VN_DB_HOST", m_values.value(QStringLiteral("DB_HOST")).toUtf8());
    qputenv("VN_DB_PORT", m_values.value(QStringLiteral("DB_PORT")).toUtf8());
    qputenv("VN_DB_NAME", m_values.value(QStringLiteral("DB_NAME")).toUtf8());
    qputenv("VN_DB_USER", m_values.value(QStringLiteral("DB_USER")).toUtf8());
    qputenv("VN_DB_PASSWORD", m_values.value(QStringLiteral("DB_PASSWORD")).toUtf8());
}

QStringList MariaDbStandIn::adminQuery(const QString &sql) const
{
    QProcess client;
    client.start(QStringLiteral("mariadb"),
                 { QStringLiteral("--no-defaults"),
                   QStringLiteral("--socket=") + m_values.value(QStringLiteral("DB_SOCKET")),
                   QStringLiteral("--user=") + m_values.value(QStringLiteral("DB_ADMIN")),
                   QStringLiteral("--batch"), QStringLiteral("--skip-column-names"),
                   m_values.value(QStringLiteral("DB_NAME")), QStringLiteral("-e"), sql });
    client.waitForFinished(10000);
    QStringList rows = QString::fromUtf8(client.readAllStandardOutput()).split(QLatin1Char('\n'));
    rows.removeAll(QString());
    return rows;
}
