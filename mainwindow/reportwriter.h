#pragma once
// The report writers: the page trees as plain text, INI or XML. They read only a ReportData
// snapshot, so they run on any thread. Line breaks are single line feeds.

#include "mainwindow/reportdata.h"

class QIODevice;
class QTreeWidget;

// The plain-text report (saved text, Word and All Files reports, PDF, printing, data file).
QString saveReportAsText(const ReportData &data);
// The INI report: keys and section names cleaned to '_' where the INI reader would stumble.
QString saveReportAsIni(const ReportData &data);
// Writes the XML report (UTF-8) onto an open device; false when the writer or the device failed.
bool saveReportAsXml(const ReportData &data, QIODevice *device);

// Section bodies.
QString hardwareTreeText(const ReportTree &tree);
QString listTreeText(const ReportTree &tree);
QString hardwareTreeIni(const ReportTree &tree);
QString listTreeIni(const ReportTree &tree);

// Every white-space character and every one of `characters` replaced by '_'.
QString cleanReportName(const QString &name, QLatin1String characters);
// The INI cleaning: white space, control characters and ' ( ) * + , / = : ; # [ ] % \ "
// become '_'; an empty name becomes "_".
QString cleanIniName(const QString &name);
// An INI value that QSettings and Python's configparser (strict=False, no interpolation) both
// read back exactly as written: every character either reader would take as syntax (control
// characters such as line feeds, ; , " \\, a leading '@', white space at either end) is written
// percent-encoded ("%0A", UTF-8 bytes), as is a '%' before two hexadecimal digits, so
// percent-decoding the value gives the page's text back.
QString iniValue(const QString &value);
// An XML element name: white space and [ ] # $ % & ' ( ) * + , / become '_', then every
// character that an XML 1.0 name can't hold (':' included) becomes '_', and a name that can't
// start as it is gets a leading '_'.
QString xmlElementName(const QString &name);
// The text without the characters XML 1.0 can't carry (control characters, lone surrogates,
// U+FFFE, U+FFFF).
QString xmlSafeText(const QString &text);
