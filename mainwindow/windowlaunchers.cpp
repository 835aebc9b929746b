// The system tools behind the window's own buttons and actions. Each starts the counterpart that
// its row of the Useful commands table lists, the first one installed; with none installed the
// usual error box says so.

#include "mainwindow/verdimonnuvo.h"

#include "accounts/account.h"
#include "app/systemfunctions.h"
#include "mainwindow/usefulcommandlist.h"
#include "tools/counterpart.h"

#include <QPushButton>

namespace {

// The counterpart of the table row that the predicate picks.
template<typename Predicate> qint64 launchRowCounterpart(Predicate isRow)
{
    for (const UsefulCommandEntry &entry : UsefulCommandList::entries()) {
        if (isRow(entry))
            return Counterpart::launch(QString::fromLatin1(entry.counterpart));
    }
    return Counterpart::launch(QString());
}

qint64 launchKind(UsefulCommandKind kind)
{
    return launchRowCounterpart(
        [kind](const UsefulCommandEntry &entry) { return entry.kind == kind; });
}

} // namespace

void VerdimonNuvo::openDxDiagnosticTool()
{
    showShellExecuteError(launchKind(UsefulCommandKind::DxDiag), dxDiagnosticToolBtn->text(), this);
}

void VerdimonNuvo::openDxDiagnosticToolX64()
{
    showShellExecuteError(launchKind(UsefulCommandKind::DxDiagX64), dxDiagnosticToolX64Btn->text(),
                          this);
}

void VerdimonNuvo::openCMDAsAdmin()
{
    // An administrator's prompt here is a terminal that asks for the password of sudo.
    showShellExecuteError(launchKind(UsefulCommandKind::CmdAdmin), cmdAsAdminBtn->text(), this);
}

void VerdimonNuvo::openWindowsDefender()
{
    const qint64 result = launchRowCounterpart([](const UsefulCommandEntry &entry) {
        return entry.action == UsefulCommandAction::Defender;
    });
    showShellExecuteError(result, windowsDefenderBtn->text(), this);
}

void VerdimonNuvo::onOpacitySettings(double opacity)
{
    if (accountDialog)
        accountDialog->setWindowOpacity(opacity);
}
