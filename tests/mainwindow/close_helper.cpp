// A child process for the closing tests: builds the main window on the real platform, starts
// the first batch of detections and closes the window after the number of milliseconds given
// as the first argument, then lets the event loop end as the program does. With "signal" it
// starts no detection, moves the window, prints its position and waits for a quit signal.

#include "app/msgdialog.h"
#include "app/quitsignals.h"
#include "mainwindow/verdimonnuvo.h"

#include <QApplication>
#include <QTimer>

#include <memory>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QCoreApplication::setOrganizationName(QStringLiteral("Dravonel"));
    QCoreApplication::setApplicationName(QStringLiteral("Verdimon Nuvo"));
    // A detection error box would wait for a click nobody gives.
    MsgDialog::setTestResponder([](MsgDialog *) { return int(QDialogButtonBox::Ok); });
    const int delayMs = argc > 1 ? QString::fromLatin1(argv[1]).toInt() : 0;

    auto window = std::make_unique<VerdimonNuvo>(VerdimonNuvo::StartupActions::Skip);
    if (argc > 1 && qstrcmp(argv[1], "signal") == 0) {
        const QuitSignals quitSignals;
        window->show();
        window->move(window->x() + 37, window->y() + 23); // a move alone stores nothing
        printf("ready %s\n", window->saveGeometry().toHex().constData());
        fflush(stdout);
        return app.exec();
    }
    window->show();
    window->beginDataCollection();
    QTimer::singleShot(delayMs, window.get(), &QWidget::close);
    return app.exec();
}
