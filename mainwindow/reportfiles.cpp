#include "mainwindow/reportfiles.h"

#include "app/atomicfile.h"
#include "app/productinfo.h"
#include "app/systemfunctions.h"
#include "mainwindow/reportwriter.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QPdfWriter>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTextDocument>

#include <unistd.h>

namespace ReportFiles {

namespace {

const char *const suffixes[FormatCount] = { "txt", "ini", "doc", "xml", "pdf", "" };
// What a high-resolution printer gives a PDF.
constexpr int pdfResolution = 1200;

// Earlier versions wrote the hardware-data file through a "<name>.XXXXXX" beside it, which a
// killed program left behind; the folder is the program's own, so such a part is removed.
void removeEarlierDataParts(const QString &folder)
{
    static const QRegularExpression partName(QStringLiteral("_Data_.*\\.txt\\.[A-Za-z0-9]{6}$"));
    for (const QFileInfo &info : QDir(folder).entryInfoList(QDir::Files | QDir::Hidden)) {
        if (partName.match(info.fileName()).hasMatch() && !info.isSymLink()
            && info.ownerId() == ::geteuid())
            QFile::remove(info.absoluteFilePath());
    }
}

// Earlier versions rendered the PDF into a hidden ".XXXXXX.pdf" beside the target; an export
// that was killed left it there. Such a file is removed when it is no whole PDF (a complete
// one of that name may be the user's).
void removeEarlierPdfParts(const QString &folder)
{
    static const QRegularExpression partName(QStringLiteral("^\\.[A-Za-z0-9]{6}\\.pdf$"));
    const QDir dir(folder);
    for (const QFileInfo &info :
         dir.entryInfoList({ QStringLiteral(".??????.pdf") }, QDir::Files | QDir::Hidden)) {
        if (!partName.match(info.fileName()).hasMatch() || info.isSymLink()
            || info.ownerId() != ::geteuid())
            continue;
        QFile file(info.absoluteFilePath());
        if (!file.open(QIODevice::ReadOnly))
            continue;
        const bool whole = file.size() > 5 && file.seek(qMax<qint64>(0, file.size() - 64))
            && file.readAll().contains("%%EOF");
        file.close();
        if (!whole)
            file.remove();
    }
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
    AtomicFile file(path);
    if (!file.open()) {
        *error = file.errorString();
        return false;
    }
    bool written = false;
    switch (format) {
    case Ini:
        written = file.write(saveReportAsIni(data).toUtf8());
        break;
    case Xml:
        written = saveReportAsXml(data, file.device());
        break;
    default:
        written = file.write(saveReportAsText(data).toUtf8());
        break;
    }
    if (written && file.commit())
        return true;
    // A failing device gives the system's reason; the XML writer's own failure has none.
    *error = file.errorString().isEmpty() ? QObject::tr("Error has occurred!") : file.errorString();
    return false;
}

bool writePdf(const QString &path, const QString &text, QString *error)
{
    // Rendered in memory and written as a whole: the PDF engine ignores the errors of its own
    // file, which left cut files behind on a full disk.
    QBuffer pdf;
    pdf.open(QIODevice::WriteOnly);
    {
        QTextDocument document;
        document.setPlainText(text);
        QPdfWriter writer(&pdf);
        writer.setResolution(pdfResolution);
        writer.setCreator(QCoreApplication::applicationName());
        writer.setPageSize(QPageSize(QPageSize::A4));
        writer.setPageMargins(QMarginsF(15, 15, 15, 15), writer.pageLayout().units());
        document.print(&writer);
    }
    pdf.close();
    if (!pdf.data().startsWith("%PDF-") || !pdf.data().trimmed().endsWith("%%EOF")) {
        *error = QObject::tr("Error has occurred!");
        return false;
    }
    removeEarlierPdfParts(QFileInfo(path).absolutePath());
    return AtomicFile::writeFile(path, pdf.data(), error);
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

bool writeHardwareDataFile(const QString &folder, const QString &path, const QString &text,
                           QString *reason)
{
    QDir().mkpath(folder);
    removeEarlierDataParts(folder);
    return AtomicFile::writeFile(path, text.toUtf8(), reason);
}

} // namespace ReportFiles
