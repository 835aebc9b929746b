// Closing the window, Exit, the end of the event loop and the geometry kept across runs.

#include "mainwindow/verdimonnuvo.h"

#include "accounts/account.h"
#include "app/msgdialog.h"
#include "app/restart.h"
#include "app/savedgeometry.h"
#include "app/settings.h"
#include "app/systemfunctions.h"
#include "net/logdialog.h"
#include "widgets/switch.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QPushButton>
#include <QResizeEvent>
#include <QThread>

#include <algorithm>

namespace {
// How long quitting waits for the cancelled detections before the application object goes.
const int detectionStopTimeoutMs = 8000;

} // namespace

void VerdimonNuvo::closeEvent(QCloseEvent *event)
{
    if (fontChangePending && !closeToTraySwitch->isChecked()) {
        MsgDialog question(
            this, QObject::tr("Settings"),
            QStringLiteral("%1 %2").arg(
                QObject::tr("You must restart the program to apply the selected font."),
                QObject::tr("Do you want to restart now?")),
            4, QDialogButtonBox::Yes | QDialogButtonBox::No | QDialogButtonBox::Cancel);
        QDialogButtonBox *buttons = question.buttonBox();
        buttons->button(QDialogButtonBox::Yes)->setText(QObject::tr("Yes"));
        buttons->button(QDialogButtonBox::No)->setText(QObject::tr("No"));
        buttons->button(QDialogButtonBox::Cancel)->setText(QObject::tr("Cancel"));
        // The chosen font is the next start's; until then the program speaks in its own, as
        // the question of "Apply" does.
        question.setContentFont(applyFontBtn->font());
        centerOnWidget(this, &question);
        switch (question.exec()) {
        case QDialogButtonBox::Yes:
            cancelAllDetections();
            rememberPlace();
            event->accept();
            ProcessEntry::restartApplication();
            break;
        case QDialogButtonBox::No:
            rememberPlace();
            event->accept();
            break;
        case QDialogButtonBox::Cancel:
            event->ignore();
            break;
        default:
            break;
        }
        return;
    }
    // Without a notification area the window would vanish out of reach: it closes instead.
    if (!fontChangePending && closeToTraySwitch->isChecked() && trayAvailable() && !exitRequested) {
        rememberPlace();
        hide();
        initTrayIcon();
        showTrayMessage();
        event->ignore();
        return;
    }
    cancelAllDetections();
    rememberPlace();
    event->accept();
}

void VerdimonNuvo::closeApp()
{
    // Exit means exit: close-to-tray does not catch this close, and a window already hidden in
    // the tray ends the application as well. Only the font question's Cancel keeps it, so the
    // tray icon goes only once the close is accepted: taken away before, the question would be
    // the last window, and its closing would end the application whatever the answer.
    exitRequested = true;
    const bool closed = close();
    exitRequested = false;
    if (!closed)
        return;
    exitApp();
    QCoreApplication::quit();
}

void VerdimonNuvo::resizeEvent(QResizeEvent *event)
{
    if (!isMaximized())
        rememberPlace();
    QWidget::resizeEvent(event);
}

void VerdimonNuvo::notePlace()
{
    // Only a shown window that the window manager has framed knows its place: a window hidden
    // (in the tray) or minimised has left its frame, and one not framed yet has none; the frame's
    // place saved then is the window's own area's, and the next start opens a title bar lower.
    const QRect frame = frameGeometry();
    const QRect area = geometry();
    if (!isVisible() || isMinimized() || frame == area)
        return;
    const bool normal = !(windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen));
    if (normal && frame.contains(area))
        normalFrameMargins = QMargins(area.left() - frame.left(), area.top() - frame.top(),
                                      frame.right() - area.right(), frame.bottom() - area.bottom());
    shownPlace = normal ? saveGeometry()
                        : SavedGeometry::withFrameMargins(saveGeometry(), normalFrameMargins);
}

void VerdimonNuvo::rememberPlace()
{
    notePlace();
    QByteArray place = shownPlace;
    // Without a window manager nothing frames the window: a shown window's own area is its place.
    if (isVisible() && !isMinimized() && frameGeometry() == geometry())
        place = saveGeometry();
    // A window out of sight keeps the place it had when it was last seen, however it went. The
    // place is the program's own record: a store that refuses it is logged, never told by a box
    // that would hold up a drag of the window or a program that is ending.
    if (!place.isEmpty())
        Settings::setSettingsValue(QStringLiteral("AppSettings"), QStringLiteral("Position"), place,
                                   Settings::WriteOrigin::Program);
}

void VerdimonNuvo::onApplicationQuit()
{
    rememberPlace();
    // The application is ending: no frozen window stays on screen while quitting waits.
    hide();
    closeAccountSession();
    exitApp();
    if (trayIcon)
        trayIcon->deleteLater();
    if (signedIn && accountDialog)
        accountDialog->deleteLater();
    if (appLogDialog)
        appLogDialog->deleteLater();
    stopDetections(detectionStopTimeoutMs);
}

// A window destroyed without quitting (a second window, a test) still must not leave detections
// running against the program's statics when the process ends.
VerdimonNuvo::~VerdimonNuvo()
{
    releaseAccountDialogs();
    stopDetections(detectionStopTimeoutMs);
}

bool VerdimonNuvo::stopDetections(int timeoutMs)
{
    cancelAllDetections();
    QElapsedTimer clock;
    clock.start();
    // A cancelled collector returns at its next check; its end is handled on this thread (the
    // Worker released, its thread told to quit), so events are processed while waiting.
    for (;;) {
        detectionThreads.erase(std::remove_if(detectionThreads.begin(), detectionThreads.end(),
                                              [](const QPointer<QThread> &thread) {
                                                  return !thread || thread->isFinished();
                                              }),
                               detectionThreads.end());
        if (detectionThreads.isEmpty())
            return true;
        const qint64 left = timeoutMs - clock.elapsed();
        if (left <= 0)
            return false;
        detectionThreads.first()->wait(unsigned(qMin<qint64>(left, 5)));
        QCoreApplication::processEvents(QEventLoop::AllEvents);
    }
}
