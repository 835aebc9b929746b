#pragma once
// The save dialog of reports: a file name and the chosen file type. The type's suffix is added
// to a name typed without one.

#include <QString>
#include <QStringList>

#include <functional>

class QWidget;

namespace ReportSaveDialog {

struct Choice
{
    QString path; // empty when cancelled
    QString filter; // the selected filter text
};

// Runs the dialog (caption, default file, filters; the first filter is selected).
Choice choose(QWidget *parent, const QString &caption, const QString &defaultFile,
              const QStringList &filters);

// Test seam: when set, choose() returns the chooser's answer without showing a dialog.
using Chooser = std::function<Choice(const QString &defaultFile, const QStringList &filters)>;
void setTestChooser(Chooser chooser);

} // namespace ReportSaveDialog
