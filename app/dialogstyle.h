#pragma once
// The window set-up and text font the program's own dialogs share.

#include <QFont>

class QDialog;
class QSize;
class QWidget;

// Application-modal, fixed size with only a close button, at the window opacity of the settings.
void applyDialogWindowStyle(QDialog *dialog);
// The family and pixel size of the settings, normal weight, antialiased.
QFont dialogFont();
// The height a one-line text widget needs for its font (frame and style sheet padding
// included), never less than `minimum`. Set the font first.
int textFitHeight(QWidget *widget, int minimum);
// A laid-out dialog stays at least as large as its contents need in their fonts, never smaller
// than `minimum`. Call once its layout is set.
void fitDialogToContents(QWidget *dialog, const QSize &minimum);
