// Saving the collected data as a report file, exporting it as PDF and printing it.

#include "app/msgdialog.h"
#include "app/systemfunctions.h"
#include "mainwindow/reportfiles.h"
#include "mainwindow/reportjob.h"
#include "mainwindow/reportsavedialog.h"
#include "mainwindow/reportwriter.h"
#include "mainwindow/verdimonnuvo.h"
#include "widgets/switch.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QPrintDialog>
#include <QPrinter>
#include <QStandardPaths>
#include <QTextDocument>
#include <QTimer>
#include <QTreeWidget>

namespace {

void showReportMessage(QWidget *parent, const QString &title, const QString &text, int kind)
{
    MsgDialog(parent, title, text, kind, QDialogButtonBox::Ok).exec();
}

void showSaveFailure(QWidget *parent, const QString &fileName, const QString &reason)
{
    showReportMessage(parent, QObject::tr("Error"),
                      fileName + QLatin1Char(' ') + QObject::tr("file could not be saved!")
                          + QLatin1Char('\n') + reason,
                      3);
}

} // namespace

QString VerdimonNuvo::existingFolderOrHome(const QString &folder)
{
    // Given a folder that is not there, a file dialog opens in the program's working folder.
    return !folder.isEmpty() && QFileInfo(folder).isDir() ? folder : QDir::homePath();
}

QVector<QTreeWidget *> VerdimonNuvo::reportTrees() const
{
    return { osTree,          cpuTree,     gpuTree,     ramTree,        storageTree,  opticalTree,
             motherboardTree, soundTree,   networkTree, peripheralTree, servicesTree, processesTree,
             appsTree,        driversTree, startupTree, smartTree,      tpmTree };
}

ReportData VerdimonNuvo::reportSnapshot() const
{
    return snapshotReport(reportTrees(), languageComboBox ? languageComboBox->currentIndex() : 0);
}

void VerdimonNuvo::saveDataFile()
{
    const QStringList filters = ReportFiles::filterTexts();
    const QString defaultFile = QDir::toNativeSeparators(
        existingFolderOrHome(QStandardPaths::writableLocation(QStandardPaths::DownloadLocation))
        + QStringLiteral("/Info"));
    const ReportSaveDialog::Choice choice
        = ReportSaveDialog::choose(this, QObject::tr("Save As"), defaultFile, filters);
    if (choice.path.isEmpty())
        return;
    const QString filePath = QDir::toNativeSeparators(choice.path);
    const QString fileName = QFileInfo(filePath).fileName();
    const int format = ReportFiles::formatOfFilter(choice.filter);
    if (format < 0) {
        showReportMessage(this, QObject::tr("Error"), QObject::tr("Error has occurred!"), 3);
        return;
    }
    // The writers work on a copy taken now, so the report is what the pages showed at the save.
    const ReportData data = reportSnapshot();
    if (format == ReportFiles::Pdf) {
        saveFileToPdf(filePath, fileName, data);
        return;
    }
    QString reason;
    if (!ReportFiles::writeReport(filePath, format, data, &reason)) {
        showSaveFailure(this, fileName, reason);
        return;
    }
    showReportMessage(this, QObject::tr("Information"),
                      fileName + QLatin1Char(' ') + QObject::tr("file was successfully saved!"), 1);
}

void VerdimonNuvo::saveFileToPdf(const QString &filePath, const QString &fileName,
                                 const ReportData &data)
{
    QApplication::setOverrideCursor(Qt::WaitCursor);
    ReportJob::run(
        this,
        [filePath, data](QString *reason) {
            return ReportFiles::writePdf(filePath, saveReportAsText(data), reason);
        },
        [this, fileName](bool ok, const QString &reason) {
            if (ok)
                emit pdfDataFileSaved(fileName);
            else
                pdfDataFailed(fileName, reason);
        });
}

void VerdimonNuvo::pdfDataSaved(const QString &fileName)
{
    QApplication::restoreOverrideCursor();
    showReportMessage(this, QObject::tr("Information"),
                      fileName + QLatin1Char(' ') + QObject::tr("file was successfully saved!"), 1);
}

void VerdimonNuvo::pdfDataFailed(const QString &fileName, const QString &reason)
{
    QApplication::restoreOverrideCursor();
    showSaveFailure(this, fileName, reason);
}

void VerdimonNuvo::printHardwareData()
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setFullPage(false);
    auto *dialog = new QPrintDialog(&printer, this);
    setWindowTopmost(dialog, alwaysOnTopSwitch && alwaysOnTopSwitch->isChecked());
    // The dialog fills its boxes as it is shown: sized before, it cut the printer names
    // ("Print to File (PDF)"). Its boxes follow their items, and it is sized again once shown.
    for (QComboBox *box : dialog->findChildren<QComboBox *>())
        box->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    const QPoint centre = mapToGlobal(rect().center());
    const auto fitAndCentre = [dialog, centre] {
        dialog->adjustSize();
        dialog->move(centre.x() - dialog->width() / 2, centre.y() - dialog->height() / 2);
    };
    fitAndCentre();
    QTimer::singleShot(0, dialog, fitAndCentre);
    const int result = dialog->exec();
    dialog->deleteLater();
    if (printer.printerState() == QPrinter::Error) {
        showReportMessage(this, QObject::tr("Error"),
                          QObject::tr("Printer is offline or not installed!"), 3);
        return;
    }
    if (printer.printerState() == QPrinter::Aborted) {
        showReportMessage(this, QObject::tr("Error"), QObject::tr("Some error has occurred!"), 3);
        return;
    }
    if (result == QDialog::Accepted)
        printReport(&printer);
}

void VerdimonNuvo::printReport(QPrinter *printer)
{
    QTextDocument document(this);
    QFont font(QStringLiteral("MS Shell Dlg 2"), 14, QFont::Normal, false);
    font.setUnderline(false);
    font.setStyleStrategy(QFont::PreferAntialias);
    document.setDefaultFont(font);
    document.setPlainText(saveReportAsText(reportSnapshot()));
    document.print(printer);
}
