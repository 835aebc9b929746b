#pragma once
// One FTP upload: which local file goes where on the vendor's FTP server and what is removed
// locally once it has arrived. Copied by value; crosses threads in queued calls as
// QVector<FtpData>.

#include <QMetaType>
#include <QString>
#include <QVector>

struct FtpData
{
    QString folderPath; // folder that holds the file
    QString filePath; // the file to upload; its name is the remote name
    QString productName; // product display name, chooses the product folder on the server
    QString kind; // remote folder below "telemetry": "data", "feedback", "log"
    bool removeFile = false; // remove the file (and its folder when left empty) after success
    bool removeFolder = false; // remove folderPath with all its contents after success
    bool useInstallersPath = false; // upload below the installers path, not the product folder
};

Q_DECLARE_METATYPE(FtpData)
Q_DECLARE_METATYPE(QVector<FtpData>)

// Registers FtpData and "QVector<FtpData>" for queued calls; safe to call more than once.
void registerFtpDataMetaTypes();
