#include "mariadbstandin.h"

#include <QProcess>

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
    return m_process.start(
        QStringLiteral("mariadb_service.py"),
        { QStringLiteral("--dir"), m_dir.path(), QStringLiteral("--env-file"), envFile() },
        { QStringLiteral("DB_PORT"), QStringLiteral("DB_SOCKET"), QStringLiteral("DB_NAME"),
          QStringLiteral("DB_USER"), QStringLiteral("DB_PASSWORD"), QStringLiteral("DB_ADMIN"),
          QStringLiteral("WEB_DB_PASSWORD") });
}

void MariaDbStandIn::stop()
{
    m_process.stop();
}

void MariaDbStandIn::applyEnvironment() const
{
    qputenv("VN_DB_HOST", m_process.value(QStringLiteral("DB_HOST")).toUtf8());
    qputenv("VN_DB_PORT", m_process.value(QStringLiteral("DB_PORT")).toUtf8());
    qputenv("VN_DB_NAME", m_process.value(QStringLiteral("DB_NAME")).toUtf8());
    qputenv("VN_DB_USER", m_process.value(QStringLiteral("DB_USER")).toUtf8());
    qputenv("VN_DB_PASSWORD", m_process.value(QStringLiteral("DB_PASSWORD")).toUtf8());
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
