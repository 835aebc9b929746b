// Launching outside programs through the platform launcher, and the texts of failed launches.
#include "app/msgdialog.h"
#include "app/systemfunctions.h"
#include "platform/launcher.h"

#include <QCoreApplication>
#include <QObject>

namespace {

struct ErrorText
{
    qint64 code;
    const char *text;
};

const ErrorText shellErrorTexts[] = {
    // The launcher answers 0 when an executable file could not be started.
    { 0,
      QT_TRANSLATE_NOOP("QObject",
                        "The program could not be started: it is not a program this system can "
                        "run, or the system is out of resources.") },
    { 2, QT_TRANSLATE_NOOP("QObject", "The specified file was not found.") },
    { 3, QT_TRANSLATE_NOOP("QObject", "The specified path was not found.") },
    { 5,
      QT_TRANSLATE_NOOP("QObject", "The operating system denied access to the specified file.") },
    { 8, QT_TRANSLATE_NOOP("QObject", "There was not enough memory to complete the operation.") },
    { 11,
      QT_TRANSLATE_NOOP("QObject",
                        "The .exe file is invalid (non-Win32 .exe or error in .exe image).") },
    { 26, QT_TRANSLATE_NOOP("QObject", "A sharing violation occurred.") },
    { 27, QT_TRANSLATE_NOOP("QObject", "The file name association is incomplete or invalid.") },
    { 28,
      QT_TRANSLATE_NOOP(
          "QObject", "The DDE transaction could not be completed because the request timed out.") },
    { 29, QT_TRANSLATE_NOOP("QObject", "The DDE transaction failed.") },
    { 30,
      QT_TRANSLATE_NOOP("QObject",
                        "The DDE transaction could not be completed because "
                        "other DDE transactions were being processed.") },
    // The launcher answers 31 when xdg-open or the default application for the type is missing.
    { 31,
      QT_TRANSLATE_NOOP("QObject",
                        "No application is set to open this type of file or folder, or the "
                        "desktop's opener (xdg-open) is not installed.") },
    { 32, QT_TRANSLATE_NOOP("QObject", "The specified DLL was not found.") },
};

} // namespace

qint64 launchShellCommand(bool runAs, const QString &file)
{
    return plat::launcher()->execute(runAs ? QStringLiteral("runas") : QString(), file, QString());
}

qint64 launchShellCommandWithParameters(const QString &file, const QString &parameters)
{
    return plat::launcher()->execute(QString(), file, parameters);
}

qint64 launchProgram(bool runAs, const QString &program, const QStringList &arguments)
{
    return plat::launcher()->executeProgram(runAs ? QStringLiteral("runas") : QString(), program,
                                            arguments);
}

qint64 openWithDefaultApplication(const QString &path)
{
    return plat::launcher()->open(path);
}

QString shellExecuteErrorText(qint64 result)
{
    for (const ErrorText &entry : shellErrorTexts) {
        if (entry.code == result)
            return QObject::tr(entry.text);
    }
    return QObject::tr("Unknown");
}

void showShellExecuteError(qint64 result, const QString &title, QWidget *parent)
{
    if (result > 32)
        return;
    MsgDialog message(parent, title, shellExecuteErrorText(result), 3, QDialogButtonBox::Ok);
    message.exec();
}
