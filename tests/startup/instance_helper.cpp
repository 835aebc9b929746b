// Single-instance tests' child: decides, prints what happens, shows a titled window until "quit".

#include "app/msgdialog.h"
#include "app/startup/processentry.h"
#include "app/startup/singleinstance.h"
#include "tests/support/appidentity.h"
#include "widgets/appqlabel.h"

#include <QApplication>
#include <QLabel>
#include <QSocketNotifier>
#include <QTimer>

#include <cstdio>
#include <unistd.h>

namespace {

void say(const QString &line)
{
    std::fprintf(stdout, "%s\n", line.toUtf8().constData());
    std::fflush(stdout);
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);

    const QString answer = qEnvironmentVariable("VN_HELPER_ANSWER");
    MsgDialog::setTestResponder([answer](MsgDialog *dialog) {
        say(QStringLiteral("ASKED %1 ").arg(dialog->iconKind()) + dialog->textLabel()->text());
        return answer == QLatin1String("yes") ? int(QDialogButtonBox::Yes)
                                              : int(QDialogButtonBox::No);
    });

    SingleInstance instance("Verdimon Nuvo");
    QObject::connect(&instance, &SingleInstance::raiseRequested, [](const QString &, bool raised) {
        say(QStringLiteral("RAISED %1").arg(raised ? 1 : 0));
    });

    const auto decision = ProcessEntry::decideInstance(instance, QCoreApplication::arguments());
    const char *const decisions[] = { "FIRST", "RESTART", "SECOND", "GIVE-WAY" }; // enum order
    say(QLatin1String(decisions[int(decision)]));
    if (decision == ProcessEntry::InstanceDecision::GiveWay)
        return 0;
    QLabel window("main window");
    window.setWindowTitle(ProcessEntry::runningWindowTitle());
    window.show();
    if (instance.isListening())
        say("LISTENING");

    // Reports once a restarted instance has taken over from its predecessor.
    QTimer takeOverWatch;
    QObject::connect(&takeOverWatch, &QTimer::timeout, [&]() {
        if (instance.holdsSegment() && instance.isListening()) {
            say("TOOK-OVER");
            takeOverWatch.stop();
        }
    });
    if (!instance.isListening())
        takeOverWatch.start(100);

    // "quit" on standard input ends the helper.
    QSocketNotifier input(STDIN_FILENO, QSocketNotifier::Read);
    QObject::connect(&input, &QSocketNotifier::activated, [&]() {
        char buffer[64];
        const ssize_t n = ::read(STDIN_FILENO, buffer, sizeof buffer);
        if (n <= 0 || QByteArray(buffer, int(n)).contains("quit"))
            QCoreApplication::quit();
    });
    return app.exec();
}
