#pragma once
// The window set-up and text font the program's own dialogs share.

#include <QFont>

class QDialog;

// Application-modal, fixed size with only a close button, at the window opacity of the settings.
void applyDialogWindowStyle(QDialog *dialog);
// The family and pixel size of the settings, normal weight, antialiased.
QFont dialogFont();
