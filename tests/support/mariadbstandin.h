#pragma once
// Runs scripts/services/mariadb_service.py for the lifetime of the object: a private MariaDB on
// loopback with the account schema, the program's least-privilege user and the seed accounts.

#include "standinprocess.h"

#include <QString>
#include <QTemporaryDir>

class MariaDbStandIn
{
public:
    // Starts the server and waits until it reports its settings; false (see errorText()) on
    // failure.
    bool start();
    void stop();

    quint16 port() const { return quint16(m_process.value(QStringLiteral("DB_PORT")).toUInt()); }
    // The server's KEY=VALUE file, for the web stand-in's --accounts-db-env.
    QString envFile() const { return m_dir.filePath(QStringLiteral("env")); }
    QString errorText() const { return m_error.isEmpty() ? m_process.errorText() : m_error; }

    // Points the program's configuration at this server (VN_DB_*).
    void applyEnvironment() const;
    // Runs one statement as the server's administrator and gives the rows, tab-separated, for
    // checks that the program's user may not make.
    QStringList adminQuery(const QString &sql) const;

private:
    QTemporaryDir m_dir;
    // Creating a data folder takes seconds; the script shuts the server down cleanly on stop.
    StandInProcess m_process { 60000, 20000 };
    QString m_error;
};
