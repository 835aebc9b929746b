#pragma once
// The log viewer: shows the process-wide log view live and saves, opens, clears, deletes and
// sends it. The main window creates it once and reuses it until the program ends; closing only
// hides it.

#include <QDialog>
#include <QDir>
#include <QString>

class QFile;
class QPushButton;
namespace Ui {
class Log;
}

class Log : public QDialog
{
    Q_OBJECT

public:
    explicit Log(QWidget *parent = nullptr);
    ~Log() override;

    QString defaultLogFilePath() const { return defaultLogPath; }

public slots:
    void logSaved();
    void deletedAppLog();
    void fileNotFound();
    void uploadData(const QString &fileName);
    void uploadFinished();
    void logNetworkError();
    // The file did not reach the server: the send says so and keeps every saved log.
    void uploadFailed(const QString &fileName, const QString &reason);

protected:
    void changeEvent(QEvent *event) override;

private:
    void retranslate();
    void setSavedLogActionsEnabled(bool enabled);
    // Writes the log whole to `path`; a failure is shown with the system's reason.
    bool writeLog(const QString &path);
    void saveFailed(const QString &path, const QString &reason);
    void confirmSaved(const QString &path);
    void replaceFile(QFile *&slot, const QString &path);

    void saveLog();
    void saveLogAs();
    void openLog();
    void clearLog();
    void deleteLog();
    void sendLog();
    void sendReachableLog();
    void networkUnavailable();

    Ui::Log *ui = nullptr;
    QPushButton *saveButton = nullptr;
    QPushButton *saveAsButton = nullptr;
    QPushButton *openButton = nullptr;
    QPushButton *clearButton = nullptr;
    QPushButton *deleteButton = nullptr;
    QPushButton *sendButton = nullptr;
    QPushButton *closeButton = nullptr;
    QFile *logFile = nullptr;
    QFile *logFileAs = nullptr;
    QString defaultLogPath;
    QString saveAsPath;
    bool savedToDefault = false;
    QDir logDir;
    QString logDirPath;
    // The file of the send under way (empty when none).
    QString sendingPath;
};
