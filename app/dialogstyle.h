#pragma once
// The window set-up and text font the program's own dialogs share.

#include <QFont>

class QDialog;
class QLineEdit;
class QSize;
class QWidget;

// Application-modal, fixed size with only a close button, at the window opacity of the settings.
void applyDialogWindowStyle(QDialog *dialog);
// The family and pixel size of the settings, normal weight, antialiased.
QFont dialogFont();
// The height a one-line text widget needs for its font (the themes' borders and padding
// included), never less than `minimum`. Set the font first.
int textFitHeight(QWidget *widget, int minimum);
// A laid-out dialog stays at least as large as its contents need in their fonts, never smaller
// than `minimum`. Call once its layout is set.
void fitDialogToContents(QWidget *dialog, const QSize &minimum);
// Raises a text widget's minimum size (set first, if any) to what its text needs in its font:
// a layout short of room then never squeezes the text. Call after its font and text are set.
void keepTextWhole(QWidget *widget);
// The given size of a field, or larger where its text (its placeholder when empty) and its
// actions need more in its font. Set the font, text and actions first.
QSize lineEditFitSize(QLineEdit *edit, const QSize &size);
