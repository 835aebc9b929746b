#pragma once
// One FTP upload through libcurl, run to its end on the calling thread. The upload counts as
// arrived only when every byte was sent, the server acknowledged the transfer (226 or 250) and
// did not answer SIZE with another size; a server that refuses SIZE (any 5xx) is taken at its
// acknowledgement. An upload never ends before the time its reason states, and not much later.

#include <QString>

#include <functional>

class QFile;

class FtpTransfer
{
public:
    enum class Outcome {
        Arrived,
        Unreachable, // the server's name or network could not be reached: no network
        Broken, // the server refused or closed the connection, went silent or flooded it: the
                // next upload to it would meet the same
        Failed, // the server refused, cut short or lost this file, or the upload was cancelled
    };
    struct Result
    {
        Outcome outcome = Outcome::Failed;
        QString reason; // empty for Arrived; never holds the account's password
    };
    struct Limits
    {
        // Both count in whole seconds (rounded up), the unit the reason states them in.
        int connectTimeoutMs = 15000;
        int stallTimeoutMs = 30000; // nothing sent or answered for this long ends the upload
        // The whole upload, however slowly it moves: a server that trickles cannot hold the
        // thread for ever, and 20 MB of feedback attachments still pass on a slow line.
        int deadlineMs = 30 * 60 * 1000;
    };

    FtpTransfer(const QString &host, quint16 port, const QString &user, const QString &password);

    // Asked at least once a second while the upload runs; true ends it at once.
    void setCancelCheck(std::function<bool()> isCancelled) { cancelled = std::move(isCancelled); }
    void setLimits(const Limits &limits) { this->limits = limits; }

    // Uploads the open file to an absolute remote path (its folders must exist). Blocks until the
    // upload ended, failed or was cancelled; the time is bounded by the limits.
    Result upload(QFile *file, const QString &remotePath) const;

    // True when the text holds a character that must never reach an FTP control connection.
    static bool hasControlCharacter(const QString &text);

private:
    QString host;
    quint16 port;
    QString user;
    QString password;
    Limits limits;
    std::function<bool()> cancelled;
};
