// A child process for the restart tests: shows the main window on the real platform (under a
// window manager) and obeys commands written to the file named by VN_HELPER_COMMANDS, one at a
// time: "report" appends the window's place, its frame and whether it is shown to the file named
// by VN_HELPER_REPORTS, "exit" chooses Exit, "minimise" minimises the window as its title bar's
// button does, "font" chooses another font size and answers Yes to the restart it offers (the
// program then starts this helper again, with "-restart"). Every message box is answered Yes.
// SIGTERM, SIGINT and SIGHUP quit as they quit the program. With VN_HELPER_TRAY set the desktop
// counts as having a notification area (the test's window manager has none).

#include "app/msgdialog.h"
#include "app/quitsignals.h"
#include "mainwindow/verdimonnuvo.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QFile>
#include <QPushButton>
#include <QTimer>

#include <memory>

#include <unistd.h>

namespace {

void report(const QString &line)
{
    QFile file(qEnvironmentVariable("VN_HELPER_REPORTS"));
    if (file.open(QIODevice::Append | QIODevice::Text))
        file.write(QStringLiteral("%1 %2\n").arg(line).arg(::getpid()).toUtf8());
}

// Where the window's own area lies on the screen ("x,y"), then its frame ("x,y,width,height").
QString place(const QWidget *window)
{
    const QPoint client = window->mapToGlobal(QPoint(0, 0));
    const QRect frame = window->frameGeometry();
    return QStringLiteral("%1,%2 %3,%4,%5,%6")
        .arg(client.x())
        .arg(client.y())
        .arg(frame.x())
        .arg(frame.y())
        .arg(frame.width())
        .arg(frame.height());
}

QString state(const QWidget *window)
{
    if (!window->isVisible())
        return QStringLiteral("hidden");
    return window->isMaximized() ? QStringLiteral("maximised") : QStringLiteral("shown");
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QCoreApplication::setOrganizationName(QStringLiteral("Dravonel"));
    QCoreApplication::setApplicationName(QStringLiteral("Verdimon Nuvo"));
    MsgDialog::setTestResponder([](MsgDialog *) { return int(QDialogButtonBox::Yes); });
    const QuitSignals quitSignals;
    if (qEnvironmentVariableIsSet("VN_HELPER_TRAY"))
        VerdimonNuvo::setTrayProbe([] { return true; });

    auto window = std::make_unique<VerdimonNuvo>(VerdimonNuvo::StartupActions::Skip);
    window->show();
    // Ready once the window manager has framed the window and the place has settled.
    QElapsedTimer framing;
    framing.start();
    while (framing.elapsed() < 5000
           && (window->frameGeometry() == window->geometry() || !window->isActiveWindow()))
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    QCoreApplication::processEvents(QEventLoop::AllEvents, 300);
    report(QStringLiteral("ready %1 %2").arg(window->winId()).arg(place(window.get())));

    QTimer commands;
    QObject::connect(&commands, &QTimer::timeout, window.get(), [&window]() {
        QFile file(qEnvironmentVariable("VN_HELPER_COMMANDS"));
        if (!file.open(QIODevice::ReadOnly))
            return;
        const QByteArray command = file.readAll().trimmed();
        file.remove();
        if (command == "report") {
            report(QStringLiteral("place %1 %2").arg(place(window.get()), state(window.get())));
        } else if (command == "exit") {
            // The Exit of the menus, the tray's among them.
            for (QAction *action : window->findChildren<QAction *>()) {
                if (action->text() == QLatin1String("Exit")) {
                    action->trigger();
                    break;
                }
            }
        } else if (command == "minimise") {
            // As the title bar's button asks it (showMinimized would show the window again).
            window->setWindowState(window->windowState() | Qt::WindowMinimized);
        } else if (command == "font") {
            // The Misc page's size box (the one offering the font sizes) and its "Apply".
            QComboBox *sizes = nullptr;
            for (QComboBox *box : window->findChildren<QComboBox *>())
                if (box->findText(QStringLiteral("72")) >= 0)
                    sizes = box;
            QPushButton *apply = nullptr;
            for (QPushButton *button : window->findChildren<QPushButton *>())
                if (button->text() == QLatin1String("Apply"))
                    apply = button;
            if (!sizes || !apply) {
                report(QStringLiteral("no font controls"));
                return;
            }
            const int index = sizes->findText(QStringLiteral("14"));
            sizes->setCurrentIndex(index);
            emit sizes->textActivated(sizes->itemText(index));
            apply->click();
        }
    });
    commands.start(50);
    return app.exec();
}
