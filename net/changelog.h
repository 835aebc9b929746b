#pragma once
// The release notes of the user's channel: kept in a local text file, shown from it when it has
// content, otherwise fetched from the vendor's update description and written to it.

#include <QDialog>
#include <QJsonParseError>
#include <QPointer>

class NetworkManager;
class QPushButton;
class QTextBrowser;

class Changelog : public QDialog
{
    Q_OBJECT
    friend class TestChangelog;

public:
    explicit Changelog(QWidget *parent = nullptr);
    ~Changelog() override;

    // "<app-local data>/Changelog/Changelog.txt" in native separators; the folder is created
    // when missing.
    static QString changelogFilePath();

public slots:
    void getUpdateData(const QString &updateVer, const QString &updateChannel,
                       const QString &updateInfo);
    void changeLogUpdateError();
    // The server's reply went past its size limit or deadline: says so, with the reason.
    void requestRefused(const QString &reason);
    void updateLocaleError();
    void clearFile();
    void setJsonReaderError(QJsonParseError parseError);

protected:
    void changeEvent(QEvent *event) override;

private:
    void loadChangelog();
    // Replaces the cache file with `text` (UTF-8), whole or not at all.
    bool writeChangelog(const QString &text, QString *reason);
    void requestChangelog();
    void clearChangelog();
    void updateChangelog();
    // A request that ended without an answer leaves the buttons usable again.
    void onRequestFinished(NetworkManager *request);

    QTextBrowser *changelogView = nullptr;
    QPushButton *clearButton = nullptr;
    QPushButton *updateButton = nullptr;
    QPushButton *closeButton = nullptr;
    QString changelogPath;
    // The request whose answer the dialog waits for (none when idle).
    NetworkManager *pendingRequest = nullptr;
    bool pendingAnswered = false;
};
