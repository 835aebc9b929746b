#include "mainwindow/reportfiles.h"

#include "app/productinfo.h"
#include "app/systemfunctions.h"
#include "mainwindow/reportwriter.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QPrinter>
#include <QRegularExpression>
#include <QSaveFile>
#include <QStandardPaths>
#include <QTemporaryFile>
#include <QTextDocument>
#include <QTextStream>

namespace ReportFiles {

namespace {

const char *const suffixes[FormatCount] = { "txt", "ini", "doc", "xml", "pdf", "" };

// Saved reports are UTF-8: windows-1251 turns é, ü, 中 and every other character outside
// Cyrillic and Latin basics into '?', which package maintainers and device names on Linux are
// full of.
bool writeText(QSaveFile &file, const QString &text)
{
    QTextStream stream(&file);
    stream.setCodec("UTF-8");
    stream << text;
    stream.flush();
    return stream.status() == QTextStream::Ok;
}

QString fileError(const QSaveFile &file)
{
    return file.errorString();
}

} // namespace

QStringList filterTexts()
{
    // "(*)" rather than "(*.*)": the latter hides every file without a dot on Linux.
    return { QObject::tr("Text Documents") + QStringLiteral(" (*.txt)"),
             QObject::tr("INI Files") + QStringLiteral(" (*.ini)"),
             QObject::tr("Word 97-2003 Documents") + QStringLiteral(" (*.doc)"),
             QObject::tr("XML Files") + QStringLiteral(" (*.xml)"),
             QObject::tr("PDF Documents") + QStringLiteral(" (*.pdf)"),
             QObject::tr("All Files") + QStringLiteral(" (*)") };
}

int formatOfFilter(const QString &filter)
{
    return filterTexts().indexOf(filter);
}

QString withFormatSuffix(const QString &path, int format)
{
    if (format < 0 || format >= FormatCount || format == AllFiles || path.isEmpty())
        return path;
    if (!QFileInfo(path).suffix().isEmpty())
        return path;
    return path + QLatin1Char('.') + QLatin1String(suffixes[format]);
}

bool writeReport(const QString &path, int format, const ReportData &data, QString *error)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        *error = fileError(file);
        return false;
    }
    bool written = false;
    switch (format) {
    case Ini:
        written = writeText(file, saveReportAsIni(data));
        break;
    case Xml:
        written = saveReportAsXml(data, &file);
        break;
    default:
        written = writeText(file, saveReportAsText(data));
        break;
    }
    if (!written) {
        *error = file.error() != QFileDevice::NoError ? fileError(file)
                                                      : QObject::tr("Error has occurred!");
        file.cancelWriting();
        file.commit();
        return false;
    }
    if (!file.commit()) {
        *error = fileError(file);
        return false;
    }
    return true;
}

bool writePdf(const QString &path, const QString &text, QString *error)
{
    // Rendered beside the target and moved over it only when complete, so a failed export
    // leaves an earlier file as it was.
    QTemporaryFile part(QFileInfo(path).absolutePath() + QStringLiteral("/.XXXXXX.pdf"));
    if (!part.open()) {
        *error = part.errorString();
        return false;
    }
    part.close();
    QTextDocument document;
    document.setPlainText(text);
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setOutputFileName(part.fileName());
    printer.setPageMargins(QMarginsF(15, 15, 15, 15), printer.pageLayout().units());
    document.print(&printer);
    if (printer.printerState() == QPrinter::Error || QFileInfo(part.fileName()).size() == 0) {
        *error = QObject::tr("Error has occurred!");
        return false;
    }
    QFile::remove(path);
    if (!QFile::rename(part.fileName(), path)) {
        *error = QObject::tr("Error has occurred!");
        return false;
    }
    part.setAutoRemove(false);
    QFile::setPermissions(path,
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup
                              | QFileDevice::ReadOther);
    return true;
}

QString hardwareDataFolder()
{
    return QDir::toNativeSeparators(QStringLiteral("%1/%2").arg(
        QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation),
        QStringLiteral("Data")));
}

QString hardwareDataFilePath(const QString &folder, const QString &localeName)
{
    QString product = QString::fromLatin1(Product::displayName);
    product.replace(QRegularExpression(QStringLiteral("\\s")), QStringLiteral("_"));
    const QString name = QStringLiteral("%1_Data_%2_%3.txt")
                             .arg(product, localeName,
                                  serverDateTimeText(QStringLiteral("yyyy.MM.dd.HH.mm.ss.zzz")));
    return QDir::toNativeSeparators(QStringLiteral("%1/%2").arg(folder, name));
}

QString hardwareDataText(const QString &channelText, const QString &reportText)
{
    return QStringLiteral("%1 %2\n%3 %4\n%5 %6\n%7 %8\n%9")
        .arg(QObject::tr("Application name:"), QString::fromLatin1(Product::displayName),
             QObject::tr("Application build:"), QString::fromLatin1(Product::version),
             QObject::tr("Application channel:"), channelText,
             QObject::tr("Application architecture:"),
             formatArchitecture(QString::number(applicationBitness())), reportText);
}

bool writeHardwareDataFile(const QString &folder, const QString &path, const QString &text)
{
    QDir().mkpath(folder);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    if (!writeText(file, text)) {
        file.cancelWriting();
        file.commit();
        return false;
    }
    return file.commit();
}

} // namespace ReportFiles
