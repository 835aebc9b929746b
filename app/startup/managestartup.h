#pragma once
// The start-up sequence after the single-instance decision: prepares fonts, the WMI service, the
// setting defaults and the old setup file, then runs the start-up update check or opens the
// first window at once. Exactly one first window opens per run, whatever the order in which the
// answers of the update check and the messages arrive.

#include "app/wmiservice.h"

#include <QJsonParseError>
#include <QObject>
#include <QString>

#include <functional>

class QWidget;

class ManageStartup : public QObject
{
    Q_OBJECT

public:
    explicit ManageStartup(QObject *parent = nullptr);
    ~ManageStartup() override;

    // True once the first window (splash or main window) has been opened.
    bool firstWindowOpened() const { return windowOpened; }

    // Tells whether the desktop shows tray icons. A main window kept only in the tray is shown
    // instead when there is no tray, or the user could not reach it. Tests replace the probe;
    // an empty one restores the desktop's answer.
    using TrayProbe = std::function<bool()>;
    static void setTrayProbe(TrayProbe probe);

public slots:
    void manageWindow();
    void setUpdateAvailable(QString build, QString channel, QString info, bool isAutoUpdate,
                            QString url);
    void setLatestVersion();
    void setNoNetConnection();
    void setJsonReaderError(QJsonParseError updateError);

private slots:
    // The check ended; without an answer before it (no usable reply) the first window opens.
    void updateCheckFinished();

private:
    void checkForUpdates();
    void deleteOldInstaller();
    // Marks the check as answered; false when an answer came already.
    bool takeAnswer();

    bool showSplash = true;
    bool showWindowWhenInTray = false;
    bool addToTray = false;
    bool closeToTray = false;
    bool minimizeToTray = false;
    bool alwaysOnTop = false;

    bool answered = false;
    bool windowOpened = false;
};

// The setup file a previous update downloaded for `channel` (Update::Channel) into `folder`.
QString oldInstallerPath(int channel, const QString &folder);
// Removes that file when it exists; a failed removal is reported in a message.
void removeOldInstaller(int channel, const QString &folder);
