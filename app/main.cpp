// Process entry: prepares the application, the settings identity, crash handling, the theme and
// the translations, decides whether this process may run beside a running instance, and hands
// over to the start-up sequence and the event loop.

#include "app/config.h"
#include "app/msgdialog.h"
#include "app/productinfo.h"
#include "app/quitsignals.h"
#include "app/settings.h"
#include "app/startup/crashhandler.h"
#include "app/startup/managestartup.h"
#include "app/startup/processentry.h"
#include "app/startup/singleinstance.h"
#include "app/themes.h"
#include "app/translations.h"
#include "net/feedback.h"
#include "platform/loadsampler.h"

#include <QApplication>
#include <QOffscreenSurface>
#include <QTranslator>

#include <malloc.h>

int main(int argc, char *argv[])
{
#ifdef __GLIBC__
    // Each short-lived detection thread would otherwise get a malloc arena of its own, and the
    // freed memory they keep lets the resident size creep up with every refresh.
    mallopt(M_ARENA_MAX, 4);
#endif
    // The processor load is kept from the start, so the first detection finds a window closed.
    plat::LoadSampler::startLive();
    struct StopSampler
    {
        ~StopSampler() { plat::LoadSampler::stopLive(); }
    } stopSampler;

    QApplication::setAttribute(Qt::AA_EnableHighDpiScaling);
    QApplication::setAttribute(Qt::AA_UseHighDpiPixmaps);
    // The window paints with the raster engine and uses no OpenGL. Left to itself the xcb
    // platform picks window visuals through GLX, which loads the Mesa driver and its LLVM: some
    // 50 MB resident for nothing. Programs started from here keep their own choice.
    const bool glChosen = !qEnvironmentVariableIsEmpty("QT_XCB_GL_INTEGRATION");
    if (!glChosen)
        qputenv("QT_XCB_GL_INTEGRATION", "none");
    QApplication app(argc, argv);
    // A session logging out or Ctrl+C in the terminal quits as closing the window does.
    const QuitSignals quitSignals;
    if (!glChosen) {
        // The platform reads the setting when it makes the first surface that could take OpenGL
        // (a pop-up, perhaps much later): make one now, then drop the setting.
        // Its complaint that no OpenGL is enabled is what was asked for.
        const QtMessageHandler handler
            = qInstallMessageHandler([](QtMsgType, const QMessageLogContext &, const QString &) {});
        QOffscreenSurface probe;
        probe.create();
        probe.destroy();
        qInstallMessageHandler(handler);
        qunsetenv("QT_XCB_GL_INTEGRATION");
    }

    SingleInstance instance(QString::fromLatin1(Product::displayName));

    QCoreApplication::setOrganizationName(QString::fromLatin1(Product::organisation));
    QCoreApplication::setApplicationName(QString::fromLatin1(Product::displayName));
    QCoreApplication::setApplicationVersion(QString::fromLatin1(Product::version));
    Config::installTestCertificateAuthority();

    QTranslator appTranslator;
    QTranslator qtTranslator;

    const QString dumpFolder = CrashHandler::crashDumpFolder();
    ProcessEntry::registerCrashDumps(dumpFolder);

    applyTheme(Settings::intValue(QStringLiteral("AppSettings"), QStringLiteral("AppTheme"), 0),
               nullptr);

    // A fresh copy started by the crash handler only asks about feedback and ends with 3; it
    // installs no handler of its own, so a fault there cannot start it over and over.
    QString crashReport;
    const bool feedbackRun
        = CrashHandler::isFeedbackRun(QCoreApplication::arguments(), &crashReport);
    if (!feedbackRun)
        CrashHandler::install(dumpFolder);

    if (!loadTranslations(&appTranslator, &qtTranslator)) {
        MsgDialog message(nullptr, QObject::tr("Error"),
                          QObject::tr("No localization file was found!") + QStringLiteral(" ")
                              + QObject::tr("Reinstall the application to fix this problem."),
                          3, QDialogButtonBox::Ok);
        message.exec();
        return feedbackRun ? CrashHandler::crashExitCode : 0;
    }

    if (feedbackRun) {
        CrashHandler::setFeedbackHook(&Feedback::runAfterCrash);
        return CrashHandler::runFeedback(crashReport);
    }

    if (ProcessEntry::decideInstance(instance, QCoreApplication::arguments())
        == ProcessEntry::InstanceDecision::GiveWay)
        return 0;

    new ManageStartup(&app);
    return app.exec();
}
