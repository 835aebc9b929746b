// The feedback form and the log viewer opened from the window's links, buttons and actions.

#include "mainwindow/verdimonnuvo.h"

#include "app/applog.h"
#include "app/systemfunctions.h"
#include "net/feedback.h"
#include "net/logdialog.h"
#include "widgets/switch.h"

void VerdimonNuvo::showFeedbackDlg()
{
    auto *form = new Feedback(this);
    setWindowTopmost(form, alwaysOnTopSwitch->isChecked());
    form->exec();
}

void VerdimonNuvo::openAppLog()
{
    appendToLog(
        QStringLiteral("%1: %2").arg(currentTimestamp(), QObject::tr("log button clicked")));
    if (!appLogDialog)
        appLogDialog = new Log(this);
    setWindowTopmost(appLogDialog, alwaysOnTopSwitch->isChecked());
    appLogDialog->exec();
}
