// The system tools behind the window's own buttons and actions. Each Windows tool is started as
// its counterpart on this system when one is installed; otherwise the launch reports the tool's
// own file as not found and the usual error box says so.

#include "mainwindow/verdimonnuvo.h"

#include "accounts/account.h"
#include "app/systemfunctions.h"

#include <QPushButton>
#include <QStandardPaths>

namespace {

// The first candidate found in PATH, else the Windows file itself (which is not found here).
QString installedCounterpart(const QString &windowsFile, const QStringList &candidates)
{
    for (const QString &program : candidates) {
        if (!QStandardPaths::findExecutable(program).isEmpty())
            return program;
    }
    return windowsFile;
}

// Graphics diagnostics: the driver's own settings and report tool.
QString graphicsDiagnostics()
{
    return installedCounterpart(QStringLiteral("dxdiag.exe"),
                                { QStringLiteral("nvidia-settings") });
}

} // namespace

void VerdimonNuvo::openDxDiagnosticTool()
{
    showShellExecuteError(launchShellCommand(false, graphicsDiagnostics()),
                          dxDiagnosticToolBtn->text(), this);
}

void VerdimonNuvo::openDxDiagnosticToolX64()
{
    // The 64-bit switch of the Windows tool has no meaning for its counterpart.
    const QString program = graphicsDiagnostics();
    const QString parameters
        = program == QLatin1String("dxdiag.exe") ? QStringLiteral("-64bit") : QString();
    showShellExecuteError(launchShellCommandWithParameters(program, parameters),
                          dxDiagnosticToolX64Btn->text(), this);
}

void VerdimonNuvo::openCMDAsAdmin()
{
    // An administrator's prompt here is a terminal that asks for the password of sudo.
    const QString terminal = installedCounterpart(QStringLiteral("cmd.exe"),
                                                  { QStringLiteral("x-terminal-emulator") });
    const qint64 result = terminal == QLatin1String("cmd.exe")
        ? launchShellCommand(true, terminal)
        : launchShellCommandWithParameters(terminal, QStringLiteral("-e sudo -i"));
    showShellExecuteError(result, cmdAsAdminBtn->text(), this);
}

void VerdimonNuvo::openWindowsDefender()
{
    // The security centre: the desktop's virus scanner or firewall front end.
    const QString program = installedCounterpart(
        QStringLiteral("control.exe"),
        { QStringLiteral("clamtk"), QStringLiteral("gufw"), QStringLiteral("firewall-config") });
    const QString parameters = program == QLatin1String("control.exe")
        ? QStringLiteral("/name Microsoft.WindowsDefender")
        : QString();
    showShellExecuteError(launchShellCommandWithParameters(program, parameters),
                          windowsDefenderBtn->text(), this);
}

void VerdimonNuvo::onOpacitySettings(double opacity)
{
    if (accountDialog)
        accountDialog->setWindowOpacity(opacity);
}
