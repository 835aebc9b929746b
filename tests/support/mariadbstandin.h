#pragma once
// mariadb_service.py for the object's lifetime: the account database with its seed accounts.

#include "standinprocess.h"

#include <QDir>
#include <QString>
#include <QTemporaryDir>

class MariaDbStandIn
{
public:
    bool start();

    // For the web stand-in's --accounts-db-env.
    QString envFile() const { return m_dir.filePath(QStringLiteral("env")); }
    QString errorText() const { return m_process.errorText(); }

    void applyEnvironment() const; // VN_DB_*
    // A port that accepts connections and never answers.
    quint16 silentPort() const { return m_process.value(QStringLiteral("SILENT_PORT")).toUShort(); }
    // A port in front of the server that follows the proxy rules: a statement whose SQL holds a
    // text is held back ("delay:<ms> <stage> <text>") or never answered ("stall <stage> <text>"),
    // stage "prepare" or "execute". See mariadb_service.py.
    quint16 proxyPort() const { return m_process.value(QStringLiteral("PROXY_PORT")).toUShort(); }
    void setProxyRules(const QStringList &rules) const;
    // Every statement that passed the proxy ("prepare|query|execute <sql>", "stalled <sql>"), in
    // order, since the last clear.
    QStringList proxyLog() const;
    void clearProxyLog() const;
    // Rows, tab-separated, of one statement run as the administrator.
    QStringList adminQuery(const QString &sql) const;

private:
    QTemporaryDir m_dir { QDir::tempPath() + QStringLiteral("/vn-mariadb-XXXXXX") }; // no blank
    // A new data folder takes seconds; stopping shuts the server down cleanly.
    StandInProcess m_process { 60000, 20000 };
};
