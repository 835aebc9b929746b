#pragma once
// The window that takes an offered build from the offer to its installation: build, channel
// and change notes; the download on a worker thread with its progress; cancelling; starting
// the setup, after which the application quits.

#include <QJsonParseError>
#include <QNetworkReply>
#include <QPointer>
#include <QStringList>
#include <QWidget>

class NetworkManager;
class QThread;

namespace Ui {
class Updates;
}

class Updates : public QWidget
{
    Q_OBJECT
    friend class TestUpdates;

public:
    // What the window shows and what closing it does.
    enum State { Offered = 0, Downloading = 1, Downloaded = 2, Stopped = 4 };

    explicit Updates(QWidget *parent = nullptr);
    ~Updates() override;

    // Shows the offer; an automatic installation starts the download at once.
    void offerUpdate(const QString &buildNumber, const QString &channel, const QString &info,
                     bool isAutoUpdate, const QString &url);
    int state() const { return m_state; }

signals:
    void updateReady();
    void closeUpdate();
    void displayWindow();
    void restartUpdateDownload();
    void finished();
    void runUpdate(QString url);

public slots:
    void appJsonReaderError(QJsonParseError readerError);
    void appJsonData(const QString &appUpdatesVersion, const QString &appUpdatesChannel,
                     const QString &appUpdatesInfo);
    void appUpdatePaths(const QString &downloadsPath, const QString &installPath);
    void appProgressData(double speed, const QString &speedUnit, int totalSize, int totalMBReceived,
                         int progressPercentage, const QString &updateSizeUnit,
                         const QString &elapsedTime, const QString &remainingTime);
    void appUpdatesDownloaded(int progressPercentage);
    void appUpdateStarted();
    void appInstallUpdate(const QString &filePath, const QStringList &arguments);
    void startManualInstallProcess();
    void appCancelUpdates();
    void setFailedToDeleteUpdateFile();
    void setNoNetConnection();
    void setValidatedUrl(const QString &url);
    void setUpdateAborted(int statusCode, QNetworkReply::NetworkError netError);
    void setUpdateFailed(const QString &reason);

protected:
    void closeEvent(QCloseEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void startDownload(const QString &url);
    void restartDownload();
    void cancelDownload();
    void openDownloadFolder();
    void openInstallFolder();
    void createLayout();
    // Starts the setup; true when it really started (the application then quits).
    bool launchSetup(const QString &filePath, const QStringList &arguments);
    // Offers the kept setup with the Install button (manual installation).
    void offerInstallButton();

    Ui::Updates *ui = nullptr;
    QString downloadsPath;
    QString installPath;
    bool manualInstall = false;
    QString installerFile;
    QStringList installerArguments;
    int m_state = Offered;
    QString downloadUrl;
    // The one download worker of this window and its thread, released by finished().
    QPointer<NetworkManager> worker;
    QPointer<QThread> workerThread;
};
