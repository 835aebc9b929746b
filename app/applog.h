#pragma once
// The process-wide application log: its latest lines in memory and a view of them, created on
// the first line and kept until the process ends. GUI thread only. It reaches disk
// only through the Log dialog.

#include <QString>

class QTextBrowser;

// Appends one finished line ("%1: %2" with currentTimestamp() and a translated message).
void appendToLog(const QString &line);
// The current local time as the log writes it: "yyyy-MM-dd hh:mm:ss", English (United States).
QString currentTimestamp();
// The log view, created on first use (font from the settings, the program's scroll bars). It
// shows the latest logViewLines lines; clearing it clears the log.
QTextBrowser *logView();
// The latest logViewLines lines since the start (or the last clear), as the view shows them:
// what a saved log holds.
QString logText();
constexpr int logViewLines = 5000;

// Folder of saved logs: "<app-local data>/Log" in native separators; created when missing.
QString logFolderPath();
// Default file of a new saved log:
// "<folder>/Verdimon_Nuvo_Log_<system locale name>_<yyyy.MM.dd.HH.mm.ss.zzz>.txt".
QString defaultLogFilePath();
QString defaultLogFilePath(const QString &folder, const QString &localeName);

// AppSettings/LogPath: the last saved log file ("" when none).
QString logPathSetting();
// Removes the file named by AppSettings/LogPath when it exists; the setting is left as it is.
void removeSavedLog();
// Removes that file and resets AppSettings/LogPath to "".
void clearLogPathSetting();
