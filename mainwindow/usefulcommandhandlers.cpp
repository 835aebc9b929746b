// What the buttons of the Useful commands page do: each launches the Linux counterpart of its
// row, or opens one of the two tool dialogs; a launch that fails is reported in a box titled
// with the button's text.

#include "mainwindow/verdimonnuvo.h"

#include "app/msgdialog.h"
#include "app/systemfunctions.h"
#include "mainwindow/usefulcommandlist.h"
#include "tools/checkdiskdialog.h"
#include "tools/counterpart.h"
#include "tools/pingmanager.h"
#include "widgets/switch.h"

#include <QPushButton>

void VerdimonNuvo::onUsefulCommandClicked(int commandIndex)
{
    const QVector<UsefulCommandEntry> &entries = UsefulCommandList::entries();
    if (commandIndex < 0 || commandIndex >= entries.size())
        return;
    const UsefulCommandEntry &entry = entries.at(commandIndex);
    const bool topmost = alwaysOnTopSwitch && alwaysOnTopSwitch->isChecked();

    switch (entry.action) {
    case UsefulCommandAction::Ping: {
        auto *console = new PingManager(this);
        setWindowTopmost(console, topmost);
        console->startConsoleProcess(PingManager::usageArguments());
        console->exec();
        return;
    }
    case UsefulCommandAction::CheckDisk: {
        auto *dialog = new CheckDiskDialog(this);
        setWindowTopmost(dialog, topmost);
        dialog->show();
        return;
    }
    case UsefulCommandAction::Defender:
        openWindowsDefender();
        return;
    case UsefulCommandAction::LogOut: {
        MsgDialog question(this, QObject::tr("Windows Log out"),
                           QObject::tr("Do you want to log out now?"), 4,
                           QDialogButtonBox::Yes | QDialogButtonBox::No);
        if (question.exec() != QDialogButtonBox::Yes)
            return;
        break;
    }
    case UsefulCommandAction::Launch:
        break;
    }

    // The label is read at the moment of the click: the current language's text.
    const QPushButton *button = usefulCommandButton(commandIndex);
    const QString label = button ? button->text() : QString();
    showShellExecuteError(Counterpart::launch(QString::fromLatin1(entry.counterpart)), label, this);
}
