#pragma once
// ftp_service.py for the object's lifetime: the vendor's upload server on loopback.

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include "standinprocess.h"

class FtpStandIn
{
public:
    // Modes: "normal", "refuse-folder", "wrong-password", "drop", "help-502", "no-size",
    // "ack-short", "ack-unread", "ack-missing", "upload-only", "stall", "greeting-flood",
    // "greeting-endless-line" (see ftp_service.py).
    // A restart keeps what arrived.
    bool start(const QString &mode = QStringLiteral("normal"));

    quint16 port() const { return m_port; }
    QString errorText() const { return m_error; }
    void applyEnvironment() const; // VN_FTP_HOST, VN_FTP_PORT

    QStringList receivedFiles() const; // relative to the root: "public_html/apps/..."
    QByteArray receivedFile(const QString &remotePath) const;
    void place(const QString &remotePath, const QByteArray &content) const; // a file on the server
    // "COMMAND argument" after login, in order
    QStringList commands() const { return StandInProcess::lines(m_dir.filePath("commands.log")); }
    void clear(); // received files and commands

private:
    QString rootPath() const { return m_dir.filePath(QStringLiteral("root")); }

    QTemporaryDir m_dir;
    StandInProcess m_server;
    quint16 m_port = 0;
    QString m_error;
};
