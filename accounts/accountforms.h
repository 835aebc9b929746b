#pragma once
// What the account dialogs share: the looks of checked fields, their busy spinner, the e-mail
// expression, the captcha label's states and the one way a web request runs on its own thread.

#include <QPointer>
#include <QString>
#include <functional>

class AppQLabel;
class LoaderWidget;
class NetworkManager;
class QFont;
class QImage;
class QLineEdit;
class QPushButton;
class QRegularExpression;
class QSize;
class QWidget;

namespace AccountForms {

// "\b[A-Za-z0-9._%+-]+@[a-z0-9.-]+\.[a-z]{2,4}\b"
QString emailPattern();

// A form field: fixed height 25, clear button, the placeholder also as tooltip.
QLineEdit *makeField(QWidget *dialog, const char *objectName, const QString &placeholder,
                     const QFont &font);
// A dialog button (iconPath may be empty).
QPushButton *makeButton(QWidget *dialog, const char *objectName, const QString &iconPath,
                        const QString &text, const QSize &minimum, const QFont &font);

// The checks the Register and Recover buttons share; each locks a field that passes and shows
// its message and opens the field that fails. True when the check passed; false also when the
// dialog was released while the message was open.
bool checkEmailField(QWidget *dialog, QLineEdit *email);
bool checkPasswordFields(QWidget *dialog, QLineEdit *password, QLineEdit *repeat);
bool checkCaptchaField(QWidget *dialog, QLineEdit *captcha, const QString &code);
// 6 to 40 characters.
bool isPasswordLengthValid(const QString &password);
// Locks a field that passed its check (black border, disabled).
void markFieldValid(QWidget *field);
// Opens a field that failed its check (red border, enabled, focused).
void markFieldInvalid(QWidget *field);
// True when the local part, the first or the last host label of the address holds no lower-case
// letter (digits alone included).
bool hasAllUpperCasePart(const QString &email);
// An 80 x 80 spinner over the dialog, not started; disableDialog: the dialog is disabled while
// it spins.
LoaderWidget *makeLoader(QWidget *dialog, bool disableDialog);
// A started spinner over the dialog, which it disables while it spins.
LoaderWidget *startLoader(QWidget *dialog);
// Stops and releases the spinner, if any.
void stopLoader(QPointer<LoaderWidget> &loader);

// The captcha label: loading (signals blocked), picture, or an error text (clickable again).
void showCaptchaLoading(AppQLabel *label);
void showCaptchaImage(AppQLabel *label, const QImage &image);
void showCaptchaError(AppQLabel *label, const QString &text);

// A copy of the text with a buffer of its own, for handing to another thread: a text read from a
// widget shares its buffer with the widget, which the GUI thread may release at any time.
inline QString threadCopy(const QString &text)
{
    return QString(text.constData(), text.size());
}

// A NetworkManager on a new thread: `wire` connects its result signals, `request` queues the
// operation; finished() ends the thread and releases both.
void runInThread(const std::function<void(NetworkManager *)> &wire,
                 const std::function<void(NetworkManager *)> &request);

// Shows the program's message box with Ok (kind: 1 information, 2 warning, 3 critical). The box
// runs its own loop, in which the parent may be released (a result that closes its dialog):
// false then, and the caller must not touch the parent any more.
bool showMessage(QWidget *parent, const QString &title, const QString &text, int kind);

} // namespace AccountForms
