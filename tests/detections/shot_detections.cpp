// Pictures of the data pages after one detection batch on this machine, for a visual check:
//   shot_detections <out-folder> [theme 0-2] [width x height] [expand 0/1]
// Writes one PNG per hardware tab and per software list of the Settings tab. The window is
// built without the sign-in step and without the start-up update check.

#include "app/settings.h"
#include "app/themes.h"
#include "mainwindow/detectionstats.h"
#include "mainwindow/verdimonnuvo.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QListWidget>
#include <QPixmap>
#include <QTabWidget>
#include <QThread>
#include <QTreeWidget>

#include <cstdio>

namespace {

void settle(int ms)
{
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < ms) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        QThread::msleep(5);
    }
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication::setAttribute(Qt::AA_UseHighDpiPixmaps);
    QApplication app(argc, argv);
    QCoreApplication::setOrganizationName(QStringLiteral("Dravonel"));
    QCoreApplication::setApplicationName(QStringLiteral("Verdimon Nuvo"));
    const QStringList args = QCoreApplication::arguments();
    if (args.size() < 2) {
        std::fprintf(stderr, "usage: shot_detections out-folder [theme] [WxH] [expand]\n");
        return 2;
    }
    const QDir folder(args.at(1));
    const int theme = args.value(2, QStringLiteral("0")).toInt();
    const QStringList size = args.value(3, QStringLiteral("1400x700")).split(QLatin1Char('x'));

    Settings::writeDefaultSettings();
    applyTheme(theme, nullptr);

    VerdimonNuvo window(VerdimonNuvo::StartupActions::Skip);
    window.resize(size.value(0).toInt(), size.value(1).toInt());
    window.move(0, 0);
    window.show();
    auto *tabs = window.findChild<QTabWidget *>();
    auto *menu = window.findChild<QListWidget *>(QStringLiteral("settingsMenuView"));
    if (!tabs || !menu)
        return 1;

    QElapsedTimer timer;
    timer.start();
    window.beginDataCollection();
    settle(300);
    while (DetectionStats::liveThreads() > 0 && timer.elapsed() < 120000)
        settle(50);
    settle(500);
    std::printf("batch ended after %lld ms\n", timer.elapsed());

    // The expanded pictures show every device's property rows.
    if (args.value(4) == QLatin1String("1")) {
        for (QTreeWidget *tree : window.findChildren<QTreeWidget *>())
            tree->expandAll();
    }

    bool saved = true;
    const auto shoot = [&](const QString &name) {
        settle(300);
        saved = window.grab().save(folder.filePath(name + QStringLiteral(".png"))) && saved;
    };
    const char *tabNames[]
        = { "00-main",    "01-os",          "02-cpu",   "03-gpu",     "04-ram",       "05-storage",
            "06-optical", "07-motherboard", "08-sound", "09-network", "10-peripheral" };
    for (int tab = 0; tab < 11; ++tab) {
        tabs->setCurrentIndex(tab);
        shoot(QString::fromLatin1(tabNames[tab]));
    }
    tabs->setCurrentIndex(11);
    const char *listNames[] = { "s3-services", "s4-processes", "s5-applications", "s6-drivers",
                                "s7-startup",  "s8-smart",     "s9-tpm" };
    for (int row = 3; row <= 9; ++row) {
        menu->setCurrentRow(row);
        shoot(QString::fromLatin1(listNames[row - 3]));
    }
    window.cancelAllDetections();
    return saved ? 0 : 1;
}
