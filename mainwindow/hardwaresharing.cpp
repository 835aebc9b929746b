// Sharing the hardware-data file with the vendor: written in the background, then uploaded.

#include "app/applog.h"
#include "mainwindow/reportfiles.h"
#include "mainwindow/reportjob.h"
#include "mainwindow/reportwriter.h"
#include "mainwindow/verdimonnuvo.h"
#include "net/networkmanager.h"
#include "net/uploadthread.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLocale>

namespace {

// Files of earlier starts whose upload failed go with the next upload, the newest few of them;
// older ones describe the machine as it was long ago and are removed, so the folder stays small.
constexpr int maxEarlierDataFiles = 4;

// Hardware-data uploads under way (GUI thread only). Earlier files go only with an upload that
// runs alone, so that no file is sent twice at the same time.
int uploadsUnderWay = 0;

FtpData dataRecord(const QString &dirPath, const QString &filePath)
{
    // Only the file itself goes, and the folder only when nothing else is left in it.
    return FtpData {
        dirPath, filePath, QStringLiteral("Verdimon Nuvo"), QStringLiteral("data"), true,
        false,   false
    };
}

QVector<FtpData> dataRecords(const QString &dirPath, const QString &filePath)
{
    QVector<FtpData> records { dataRecord(dirPath, filePath) };
    const QString current = QFileInfo(filePath).fileName();
    const QString pattern = current.section(QStringLiteral("_Data_"), 0, 0) + "_Data_*.txt";
    int earlier = 0;
    const QFileInfoList files = QDir(dirPath).entryInfoList({ pattern }, QDir::Files, QDir::Time);
    for (const QFileInfo &file : files) {
        if (file.fileName() == current)
            continue;
        if (earlier++ < maxEarlierDataFiles)
            records << dataRecord(dirPath, file.filePath());
        else
            QFile::remove(file.filePath());
    }
    return records;
}

} // namespace

void VerdimonNuvo::shareHardwareData()
{
    // However often sharing runs, each stored file is uploaded once.
    connect(this, &VerdimonNuvo::dataStored, this, &VerdimonNuvo::uploadHardwareData,
            Qt::UniqueConnection);
    // The text is built here from what the pages hold now; the background job only writes it.
    const QString text = ReportFiles::hardwareDataText(
        updatesChannelComboBox ? updatesChannelComboBox->currentText() : QString(),
        saveReportAsText(reportSnapshot()));
    const QString folder = ReportFiles::hardwareDataFolder();
    const QString filePath = ReportFiles::hardwareDataFilePath(folder, QLocale::system().name());
    ReportJob::run(
        this,
        [folder, filePath, text](QString *reason) {
            return ReportFiles::writeHardwareDataFile(folder, filePath, text, reason);
        },
        [this, folder, filePath](bool ok, const QString &reason) {
            if (ok)
                emit dataStored(folder, filePath);
            else
                uploadFailed(reason);
        });
}

void VerdimonNuvo::uploadHardwareData(const QString &dirPath, const QString &filePath)
{
    if (!QFile::exists(filePath))
        return;
    const QVector<FtpData> records = uploadsUnderWay == 0
        ? dataRecords(dirPath, filePath)
        : QVector<FtpData> { dataRecord(dirPath, filePath) };
    ++uploadsUnderWay;
    UploadThread::uploadRecords(records, [this](NetworkManager *manager) {
        connect(manager, &NetworkManager::finished, this, []() { --uploadsUnderWay; });
        connect(manager, &NetworkManager::dataUploaded, this, &VerdimonNuvo::uploadFinished);
        connect(manager, &NetworkManager::noNetworkAvailable, this,
                [this]() { uploadFailed(QObject::tr("Network connection is not available!")); });
        connect(manager, &NetworkManager::uploadFailed, this,
                [this](const QString &, const QString &reason) { uploadFailed(reason); });
    });
}

void VerdimonNuvo::uploadFinished()
{
    appendToLog(QStringLiteral("%1: %2").arg(currentTimestamp(),
                                             QObject::tr("hardware data was successfully sent")));
}

void VerdimonNuvo::uploadFailed(const QString &reason)
{
    appendToLog(
        QStringLiteral("%1: %2 (%3)")
            .arg(currentTimestamp(), QObject::tr("hardware data could not be sent"), reason));
}
