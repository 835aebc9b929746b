// Sharing the hardware-data file with the vendor: written in the background, then uploaded.

#include "app/applog.h"
#include "mainwindow/reportfiles.h"
#include "mainwindow/reportjob.h"
#include "mainwindow/reportwriter.h"
#include "mainwindow/verdimonnuvo.h"
#include "net/networkmanager.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QFile>
#include <QLocale>
#include <QThread>

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
        [folder, filePath, text]() {
            return ReportFiles::writeHardwareDataFile(folder, filePath, text);
        },
        [this, folder, filePath](bool) { emit dataStored(folder, filePath); });
}

void VerdimonNuvo::uploadHardwareData(const QString &dirPath, const QString &filePath)
{
    // Only the file this store wrote goes, and the folder only when nothing else is left in it.
    const FtpData data {
        dirPath, filePath, QStringLiteral("Verdimon Nuvo"), QStringLiteral("data"), true,
        false,   false
    };
    if (!QFile::exists(filePath))
        return;
    auto *thread = new QThread;
    auto *manager = new NetworkManager;
    manager->moveToThread(thread);
    registerFtpDataMetaTypes();
    QMetaObject::invokeMethod(manager, "uploadToFtp", Qt::AutoConnection,
                              Q_ARG(QVector<FtpData>, QVector<FtpData> { data }));
    connect(manager, &NetworkManager::dataUploaded, this, &VerdimonNuvo::uploadFinished);
    connect(manager, &NetworkManager::noNetworkAvailable, this,
            [this]() { uploadFailed(QObject::tr("Network connection is not available!")); });
    connect(manager, &NetworkManager::uploadFailed, this,
            [this](const QString &, const QString &reason) { uploadFailed(reason); });
    connect(manager, &NetworkManager::finished, thread, &QThread::quit);
    connect(manager, &NetworkManager::finished, manager, &QObject::deleteLater);
    connect(thread, &QThread::finished, thread, &QObject::deleteLater);
    // Quitting ends an upload still under way instead of leaving its thread behind.
    connect(QCoreApplication::instance(), &QCoreApplication::aboutToQuit, thread, [thread]() {
        thread->quit();
        thread->wait(3000);
    });
    thread->start(QThread::InheritPriority);
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
