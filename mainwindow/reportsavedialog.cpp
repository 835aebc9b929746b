#include "mainwindow/reportsavedialog.h"

#include "mainwindow/reportfiles.h"

#include <QFileDialog>

namespace ReportSaveDialog {

namespace {

Chooser &testChooser()
{
    static Chooser chooser;
    return chooser;
}

QString suffixOf(const QStringList &filters, const QString &filter)
{
    // "*.txt" -> "txt"; "All Files (*)" has none.
    return QFileInfo(ReportFiles::withFormatSuffix(QStringLiteral("x"), filters.indexOf(filter)))
        .suffix();
}

} // namespace

void setTestChooser(Chooser chooser)
{
    testChooser() = std::move(chooser);
}

Choice choose(QWidget *parent, const QString &caption, const QString &defaultFile,
              const QStringList &filters)
{
    Choice choice;
    if (testChooser()) {
        choice = testChooser()(defaultFile, filters);
    } else {
        QFileDialog dialog(parent, caption, defaultFile, filters.join(QStringLiteral(";;")));
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.selectNameFilter(filters.value(0));
        // Lets the dialog add the suffix itself, so that it asks before replacing that file.
        dialog.setDefaultSuffix(suffixOf(filters, filters.value(0)));
        QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog,
                         [&dialog, &filters](const QString &filter) {
                             dialog.setDefaultSuffix(suffixOf(filters, filter));
                         });
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
            return choice;
        choice.path = dialog.selectedFiles().constFirst();
        choice.filter = dialog.selectedNameFilter();
    }
    choice.path = ReportFiles::withFormatSuffix(choice.path, filters.indexOf(choice.filter));
    return choice;
}

} // namespace ReportSaveDialog
