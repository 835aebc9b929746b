#pragma once
// Starting the FTP uploads in the callers' thread pattern: a parentless QThread and a
// NetworkManager moved to it, the operation queued by name, finished() ending the thread and
// releasing both objects. Quitting the application interrupts the upload and waits (bounded).

#include "net/ftpdata.h"

#include <QString>
#include <QStringList>
#include <functional>

class NetworkManager;

namespace UploadThread {

// The caller connects the manager's result signals here; the thread starts after it returns, so
// no result is missed.
using ConnectResults = std::function<void(NetworkManager *request)>;

// One file of the program's own telemetry ("data", "feedback", "log"): it goes into the
// product's folder for its kind, and the local folder that holds it is removed once it arrived.
FtpData telemetryRecord(const QString &folderPath, const QString &filePath, const QString &kind);

// uploadToFtp with one record, or with several uploaded in order.
void uploadFile(const FtpData &record, const ConnectResults &connectResults);
void uploadRecords(const QVector<FtpData> &records, const ConnectResults &connectResults);
// multipleUploadsToFTP with the files into one remote folder of the product.
void uploadFiles(const QString &productName, const QString &folder, const QStringList &paths,
                 const ConnectResults &connectResults);

} // namespace UploadThread
