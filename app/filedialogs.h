#pragma once
// The file choosers the dialogs ask: Qt's own dialogs, replaceable in tests so that no test
// waits for a person to pick a file.

#include <QString>
#include <QStringList>
#include <functional>

class QWidget;

namespace FileDialogs {

// QFileDialog::getOpenFileNames with default options; empty when cancelled.
QStringList openFileNames(QWidget *parent, const QString &caption, const QString &folder,
                          const QString &filter);
// QFileDialog::getSaveFileName with default options; empty when cancelled.
QString saveFileName(QWidget *parent, const QString &caption, const QString &path,
                     const QString &filter);

// Test seam: when set, the choosers return the responder's answer without showing a dialog
// (a save chooser takes the first path of the answer, or "" for an empty one).
using Responder = std::function<QStringList(const QString &caption)>;
void setTestResponder(Responder responder);

} // namespace FileDialogs
