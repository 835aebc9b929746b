#include "mariadbstandin.h"

#include <QFile>
#include <QProcess>
#include <QSaveFile>

bool MariaDbStandIn::start()
{
    return m_process.start("mariadb_service.py", { "--dir", m_dir.path(), "--env-file", envFile() },
                           { "DB_PORT", "DB_SOCKET", "DB_NAME", "DB_USER", "DB_PASSWORD",
                             "DB_ADMIN", "WEB_DB_PASSWORD", "SILENT_PORT", "PROXY_PORT",
                             "PROXY_RULES", "PROXY_LOG" });
}

void MariaDbStandIn::applyEnvironment() const
{
    for (const char *key : { "HOST", "PORT", "NAME", "USER", "PASSWORD" })
        qputenv(QByteArray("VN_DB_") + key,
                m_process.value(QStringLiteral("DB_") + QLatin1String(key)).toUtf8());
}

QStringList MariaDbStandIn::adminQuery(const QString &sql) const
{
    QProcess client;
    client.start(QStringLiteral("mariadb"),
                 { QStringLiteral("--no-defaults"),
                   QStringLiteral("--socket=") + m_process.value(QStringLiteral("DB_SOCKET")),
                   QStringLiteral("--user=") + m_process.value(QStringLiteral("DB_ADMIN")),
                   QStringLiteral("--batch"), QStringLiteral("--skip-column-names"),
                   m_process.value(QStringLiteral("DB_NAME")), QStringLiteral("-e"), sql });
    client.waitForFinished(10000);
    QStringList rows = QString::fromUtf8(client.readAllStandardOutput()).split(QLatin1Char('\n'));
    rows.removeAll(QString());
    return rows;
}

void MariaDbStandIn::setProxyRules(const QStringList &rules) const
{
    // Replaced whole: the proxy reads the file for every statement.
    QSaveFile file(m_process.value(QStringLiteral("PROXY_RULES")));
    if (file.open(QIODevice::WriteOnly)) {
        file.write(rules.join(QLatin1Char('\n')).toUtf8() + '\n');
        file.commit();
    }
}

QStringList MariaDbStandIn::proxyLog() const
{
    return StandInProcess::lines(m_process.value(QStringLiteral("PROXY_LOG")));
}

void MariaDbStandIn::clearProxyLog() const
{
    QFile::resize(m_process.value(QStringLiteral("PROXY_LOG")), 0);
}
