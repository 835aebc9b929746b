// Takes a picture of the main window for a visual check:
//   shot_mainwindow <out.png> [tab index] [theme 0-2] [settings row] [width x height|max] [data]
// With "data" the detections run first and the picture shows the collected pages, every row
// expanded (as with "Automatically expand all data").
// The window is built without the sign-in step and without the start-up update check.

#include "app/settings.h"
#include "app/themes.h"
#include "mainwindow/verdimonnuvo.h"

#include <QApplication>
#include <QListWidget>
#include <QPixmap>
#include <QTabWidget>
#include <QTimer>
#include <QTreeWidget>

#include <cstdio>

int main(int argc, char *argv[])
{
    QApplication::setAttribute(Qt::AA_UseHighDpiPixmaps);
    QApplication app(argc, argv);
    QCoreApplication::setOrganizationName(QStringLiteral("Dravonel"));
    QCoreApplication::setApplicationName(QStringLiteral("Verdimon Nuvo"));
    const QStringList args = QCoreApplication::arguments();
    if (args.size() < 2) {
        std::fprintf(stderr,
                     "usage: shot_mainwindow out.png [tab] [theme] [settings-row] "
                     "[WxH|max] [data]\n");
        return 2;
    }
    const QString output = args.at(1);
    const int tab = args.value(2, QStringLiteral("0")).toInt();
    const int theme = args.value(3, QStringLiteral("0")).toInt();
    const int settingsRow = args.value(4, QStringLiteral("0")).toInt();
    const QString sizeArg = args.value(5, QStringLiteral("1400x700"));
    const QStringList size = sizeArg.split(QLatin1Char('x'));

    Settings::writeDefaultSettings();
    applyTheme(theme, nullptr);

    VerdimonNuvo window(VerdimonNuvo::StartupActions::Skip);
    if (sizeArg == QLatin1String("max")) {
        window.showMaximized();
    } else {
        window.resize(size.value(0).toInt(), size.value(1).toInt());
        window.move(0, 0);
        window.show();
    }
    if (auto *tabs = window.findChild<QTabWidget *>())
        tabs->setCurrentIndex(tab);
    if (auto *menu = window.findChild<QListWidget *>(QStringLiteral("settingsMenuView")))
        menu->setCurrentRow(settingsRow);

    const bool withData = args.value(6) == QLatin1String("data");
    if (withData)
        window.beginDataCollection();

    int result = 1;
    QTimer::singleShot(withData ? 8000 : 700, &window, [&] {
        if (withData) {
            for (QTreeWidget *tree : window.findChildren<QTreeWidget *>())
                tree->expandAll();
            QApplication::processEvents();
        }
        result = window.grab().save(output) ? 0 : 1;
        app.quit();
    });
    app.exec();
    return result;
}
