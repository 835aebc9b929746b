#pragma once
// https_service.py for the object's lifetime: the vendor's web service on loopback, with its own
// CA.

#include <QString>
#include <QTemporaryDir>

#include "standinprocess.h"

class HttpsStandIn
{
public:
    // extraArgs: switches of the script's route modules.
    bool start(const QString &mode = QStringLiteral("latest"),
               const QStringList &extraArgs = QStringList());

    QString baseUrl(const QString &mode = QString()) const; // mode: first path component
    QStringList requestedPaths() const;
    // "METHOD path", in order
    QStringList requests() const { return StandInProcess::lines(m_dir.filePath("requests.log")); }
    QString dir() const { return m_dir.path(); }
    void clearRequests();
    QString errorText() const { return m_error; }

    // VN_WEB_* (the base URL with a mode) and VN_TEST_CA_FILE.
    void applyEnvironment(const QString &mode = QString()) const;
    static quint16 closedPort(); // nothing listens there

private:
    QTemporaryDir m_dir;
    StandInProcess m_server;
    quint16 m_port = 0;
    QString m_caFile;
    QString m_error;
};
