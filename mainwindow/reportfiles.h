#pragma once
// Report files on disk: the saved report in each format of the save dialog, the PDF export and
// the hardware-data file. Each function works on values and may run on any thread.

#include "mainwindow/reportdata.h"

#include <QString>
#include <QStringList>

namespace ReportFiles {

// The save dialog's choices, in the dialog's order.
enum Format { Text, Ini, Word, Xml, Pdf, AllFiles, FormatCount };

// "Text Documents (*.txt)", ... "All Files (*)": the filter text of each format (translated).
QStringList filterTexts();
// The format of a selected filter text; -1 when it is none of them.
int formatOfFilter(const QString &filter);
// The path with the format's suffix when it has none ("Info" -> "Info.txt"); All Files and
// names with a suffix stay as they are.
QString withFormatSuffix(const QString &path, int format);

// Writes the report in a format other than PDF. The file is replaced only when everything was
// written; on failure *error tells why and an existing file is left as it was.
bool writeReport(const QString &path, int format, const ReportData &data, QString *error);
// Renders the plain-text report as an A4 PDF (in memory) and writes it whole; on failure *error
// tells why and an existing file is left as it was.
bool writePdf(const QString &path, const QString &text, QString *error);

// The hardware-data file: "<app-local data>/Data" and
// "<folder>/Verdimon_Nuvo_Data_<locale name>_<yyyy.MM.dd.HH.mm.ss.zzz in the server zone>.txt",
// both in native separators.
QString hardwareDataFolder();
QString hardwareDataFilePath(const QString &folder, const QString &localeName);
// The file's text: four lines about the program, then the plain-text report.
QString hardwareDataText(const QString &channelText, const QString &reportText);
// Creates the folder and writes the file (UTF-8) whole; false, with no file or part left, on
// failure, and *reason tells why.
bool writeHardwareDataFile(const QString &folder, const QString &path, const QString &text,
                           QString *reason);

} // namespace ReportFiles
