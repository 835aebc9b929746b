#include "accounts/accountforms.h"

#include "app/dialogstyle.h"
#include "app/msgdialog.h"
#include "app/systemfunctions.h"
#include "net/networkmanager.h"
#include "widgets/appqlabel.h"
#include "widgets/loaderwidget.h"

#include <QImage>
#include <QLineEdit>
#include <QNetworkReply>
#include <QPixmap>
#include <QPushButton>
#include <QRegularExpression>
#include <QThread>

namespace AccountForms {

QString emailPattern()
{
    return QStringLiteral("\\b[A-Za-z0-9._%+-]+@[a-z0-9.-]+\\.[a-z]{2,4}\\b");
}

QLineEdit *makeField(QWidget *dialog, const char *objectName, const QString &placeholder,
                     const QFont &font)
{
    auto *field = new QLineEdit(dialog);
    field->setObjectName(QLatin1String(objectName));
    field->setPlaceholderText(placeholder);
    field->setToolTip(placeholder);
    field->setClearButtonEnabled(true);
    field->setFont(font);
    field->setFixedHeight(textFitHeight(field, 25));
    // The placeholder is the field's label: never cut.
    field->setMinimumWidth(QFontMetrics(font).horizontalAdvance(placeholder) + field->height());
    return field;
}

QPushButton *makeButton(QWidget *dialog, const char *objectName, const QString &iconPath,
                        const QString &text, const QSize &minimum, const QFont &font)
{
    auto *button = new QPushButton(text, dialog);
    if (!iconPath.isEmpty())
        button->setIcon(QIcon(iconPath));
    button->setObjectName(QLatin1String(objectName));
    button->setFont(font);
    button->setMinimumSize(minimum.width(), textFitHeight(button, minimum.height()));
    return button;
}

bool isPasswordLengthValid(const QString &password)
{
    return password.size() >= 6 && password.size() <= 40;
}

bool checkEmailField(QWidget *dialog, QLineEdit *email)
{
    if (QRegularExpression(emailPattern()).match(email->text()).hasMatch()) {
        markFieldValid(email);
        return true;
    }
    if (!showMessage(dialog, QObject::tr("Error"),
                     QObject::tr("Please enter a valid email address!"), 3))
        return false;
    markFieldInvalid(email);
    return false;
}

bool checkPasswordFields(QWidget *dialog, QLineEdit *password, QLineEdit *repeat)
{
    QString problem;
    if (!isPasswordLengthValid(password->text()))
        problem = QObject::tr("Password must be between 6 and 40 characters!");
    else if (password->text() != repeat->text())
        problem = QObject::tr("Your password doesn't match!");
    if (problem.isEmpty()) {
        markFieldValid(password);
        markFieldValid(repeat);
        return true;
    }
    if (!showMessage(dialog, QObject::tr("Error"), problem, 3))
        return false;
    markFieldInvalid(password);
    markFieldInvalid(repeat);
    return false;
}

bool checkCaptchaField(QWidget *dialog, QLineEdit *captcha, const QString &code)
{
    // Typed characters are compared in lower case; the code as it was sent.
    if (captcha->text().toLower() == code) {
        markFieldValid(captcha);
        return true;
    }
    if (!showMessage(dialog, QObject::tr("Error"), QObject::tr("Captcha characters doesn't match!"),
                     3))
        return false;
    markFieldInvalid(captcha);
    return false;
}

void markFieldValid(QWidget *field)
{
    field->setStyleSheet(
        QStringLiteral("QWidget {border: 0.5px solid #000000;} QToolTip {background: none;}"));
    field->setEnabled(false);
}

void markFieldInvalid(QWidget *field)
{
    field->setStyleSheet(
        QStringLiteral("QWidget {border: 0.5px solid red;} QToolTip {background: none;}"));
    field->setEnabled(true);
    field->setFocus();
}

bool hasAllUpperCasePart(const QString &email)
{
    const QStringList pieces = email.split(QLatin1Char('@'));
    const QStringList labels = pieces.last().split(QLatin1Char('.'));
    return !isNotAllUpperCase(pieces.first()) || !isNotAllUpperCase(labels.first())
        || !isNotAllUpperCase(labels.last());
}

LoaderWidget *makeLoader(QWidget *dialog, bool disableDialog)
{
    auto *loader = new LoaderWidget(dialog, true, disableDialog);
    loader->setLineLength(20);
    loader->setInnerRadius(20);
    loader->setColor(QColor(105, 140, 105));
    loader->setCursor(Qt::ArrowCursor);
    return loader;
}

LoaderWidget *startLoader(QWidget *dialog)
{
    LoaderWidget *loader = makeLoader(dialog, true);
    loader->start();
    return loader;
}

void stopLoader(QPointer<LoaderWidget> &loader)
{
    if (!loader)
        return;
    loader->stop();
    loader->deleteLater();
    loader = nullptr;
}

namespace {
const char captchaStyle[] = "QLabel {border: none;} QToolTip {background: none;}";
}

void showCaptchaLoading(AppQLabel *label)
{
    label->setPixmap(QPixmap());
    label->setText(QObject::tr("Loading captcha..."));
    label->setStyleSheet(QLatin1String(captchaStyle));
    label->blockSignals(true);
}

void showCaptchaImage(AppQLabel *label, const QImage &image)
{
    label->clear();
    label->setPixmap(QPixmap::fromImage(image));
    label->setStyleSheet(QLatin1String(captchaStyle));
    label->blockSignals(false);
}

void showCaptchaError(AppQLabel *label, const QString &text)
{
    label->setPixmap(QPixmap());
    label->setText(text);
    label->blockSignals(false);
    markFieldInvalid(label);
}

void runInThread(const std::function<void(NetworkManager *)> &wire,
                 const std::function<void(NetworkManager *)> &request)
{
    qRegisterMetaType<QNetworkReply::NetworkError>("QNetworkReply::NetworkError");
    qRegisterMetaType<QJsonParseError>("QJsonParseError");
    auto *thread = new QThread;
    auto *manager = new NetworkManager;
    manager->moveToThread(thread);
    wire(manager);
    QObject::connect(manager, &NetworkManager::finished, thread, &QThread::quit);
    QObject::connect(manager, &NetworkManager::finished, manager, &QObject::deleteLater);
    QObject::connect(thread, &QThread::finished, thread, &QObject::deleteLater);
    request(manager);
    thread->start(QThread::InheritPriority);
}

bool showMessage(QWidget *parent, const QString &title, const QString &text, int kind)
{
    // Not on the stack: a parent released inside the box's loop takes the box with it.
    const QPointer<QWidget> owner(parent);
    const QPointer<MsgDialog> box = new MsgDialog(parent, title, text, kind, QDialogButtonBox::Ok);
    box->exec();
    delete box.data();
    return !parent || owner;
}

} // namespace AccountForms
