// The window's commands: one set of actions shown in the tray menu and in the right-click menu,
// and the window-wide keyboard shortcuts.

#include "mainwindow/verdimonnuvo.h"

#include "app/appenums.h"
#include "app/settings.h"
#include "app/translations.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QMenu>
#include <QShortcut>

namespace {
// The property of a language action that keeps its flag while the action shows the tick.
const char flagProperty[] = "languageFlag";
} // namespace

QAction *VerdimonNuvo::createAction(const QString &text, const QString &icon,
                                    const QKeySequence &key, bool checkable)
{
    auto *action = new QAction(text, this);
    if (!icon.isEmpty())
        action->setIcon(QIcon(QPixmap(icon)));
    action->setShortcut(key);
    action->setCheckable(checkable);
    return action;
}

void VerdimonNuvo::createMenuActions()
{
    openAction = createAction(QObject::tr("Open"), QString(), QKeySequence(), false);
    saveToFileAction = createAction(QObject::tr("Save to file"), QStringLiteral(":/Icon/save.svg"),
                                    QKeySequence(Qt::CTRL | Qt::Key_S), false);
    cmdAsAdminAction
        = createAction(QObject::tr("Run CMD as administrator"), QStringLiteral(":/Icon/cmd.png"),
                       QKeySequence(Qt::ALT | Qt::Key_C), false);
    dxDiagnosticToolX64Action
        = createAction(QObject::tr("DX Diagnostic Tool (x64)"), QStringLiteral(":/Icon/dxdiag.png"),
                       QKeySequence(Qt::ALT | Qt::Key_D), false);
    printDataAction = createAction(QObject::tr("Print data"), QStringLiteral(":/Icon/print.svg"),
                                   QKeySequence(Qt::CTRL | Qt::Key_P), false);

    autoSelectLanguageAction
        = createAction(QObject::tr("Auto select"), QString(), QKeySequence(), true);
    autoSelectLanguageAction->setIcon(QIcon(languageFlagIcon()));
    englishLanguageAction = createAction(QStringLiteral("English"),
                                         QStringLiteral(":Icon/en_US.png"), QKeySequence(), true);
    russianLanguageAction = createAction(QString::fromUtf8("Русский"),
                                         QStringLiteral(":Icon/ru_RU.png"), QKeySequence(), true);
    ukrainianLanguageAction = createAction(QString::fromUtf8("Українська"),
                                           QStringLiteral(":Icon/uk_UA.png"), QKeySequence(), true);
    lightThemeAction = createAction(QObject::tr("Light"), QString(), QKeySequence(), true);
    grayThemeAction = createAction(QObject::tr("Gray"), QString(), QKeySequence(), true);
    darkThemeAction = createAction(QObject::tr("Dark"), QString(), QKeySequence(), true);

    logAction
        = createAction(QObject::tr("Log"), QString(), QKeySequence(Qt::CTRL | Qt::Key_L), false);
    changelogAction = createAction(QObject::tr("Changelog"), QString(),
                                   QKeySequence(Qt::CTRL | Qt::Key_N), false);
    updatesAction = createAction(QObject::tr("Updates"), QStringLiteral(":/Icon/sync.svg"),
                                 QKeySequence(Qt::CTRL | Qt::Key_U), false);
    feedbackAction = createAction(QObject::tr("Feedback"), QString(),
                                  QKeySequence(Qt::CTRL | Qt::Key_F), false);
    exitAction = createAction(QObject::tr("Exit"), QStringLiteral(":/Icon/sign-out.svg"),
                              QKeySequence(Qt::ALT | Qt::Key_F4), false);
    // A menu entry with an icon shows no tick: the ticked language shows the tick in place of its
    // flag (showLanguageTicks), so each keeps its flag beside the action.
    for (QAction *action : { autoSelectLanguageAction, englishLanguageAction, russianLanguageAction,
                             ukrainianLanguageAction })
        action->setProperty(flagProperty, action->icon());
    // Icons of these four show in menus whatever the platform's default.
    for (QAction *action :
         { saveToFileAction, cmdAsAdminAction, dxDiagnosticToolX64Action, printDataAction })
        action->setIconVisibleInMenu(true);

    connect(openAction, &QAction::triggered, this, &VerdimonNuvo::setAppWindowVisible);
    connect(saveToFileAction, &QAction::triggered, this, &VerdimonNuvo::saveDataFile);
    connect(cmdAsAdminAction, &QAction::triggered, this, &VerdimonNuvo::openCMDAsAdmin);
    connect(dxDiagnosticToolX64Action, &QAction::triggered, this,
            &VerdimonNuvo::openDxDiagnosticToolX64);
    connect(printDataAction, &QAction::triggered, this, &VerdimonNuvo::printHardwareData);
    const QAction *languages[] = { autoSelectLanguageAction, englishLanguageAction,
                                   russianLanguageAction, ukrainianLanguageAction };
    for (int language = App::AutoSelect; language <= App::Ukrainian; ++language)
        connect(languages[language], &QAction::triggered, this,
                [this, language] { onLanguageActionTriggered(language); });
    const QAction *themes[] = { lightThemeAction, grayThemeAction, darkThemeAction };
    for (int theme = App::Light; theme <= App::Dark; ++theme)
        connect(themes[theme], &QAction::triggered, this,
                [this, theme] { onThemeActionTriggered(theme); });
    connect(logAction, &QAction::triggered, this, &VerdimonNuvo::openAppLog);
    connect(changelogAction, &QAction::triggered, this, &VerdimonNuvo::openAppChangelog);
    connect(updatesAction, &QAction::triggered, this, &VerdimonNuvo::checkForAppUpdates);
    connect(feedbackAction, &QAction::triggered, this, &VerdimonNuvo::showFeedbackDlg);
    connect(exitAction, &QAction::triggered, this, &VerdimonNuvo::closeApp);
}

void VerdimonNuvo::createShortcuts()
{
    const std::pair<QKeySequence, void (VerdimonNuvo::*)()> keys[] = {
        { QKeySequence(Qt::CTRL | Qt::Key_S), &VerdimonNuvo::saveDataFile },
        { QKeySequence(Qt::ALT | Qt::Key_C), &VerdimonNuvo::openCMDAsAdmin },
        { QKeySequence(Qt::ALT | Qt::Key_D), &VerdimonNuvo::openDxDiagnosticToolX64 },
        { QKeySequence(Qt::CTRL | Qt::Key_P), &VerdimonNuvo::printHardwareData },
        { QKeySequence(Qt::CTRL | Qt::Key_L), &VerdimonNuvo::openAppLog },
        { QKeySequence(Qt::CTRL | Qt::Key_N), &VerdimonNuvo::openAppChangelog },
        { QKeySequence(Qt::CTRL | Qt::Key_F), &VerdimonNuvo::showFeedbackDlg },
        { QKeySequence(Qt::CTRL | Qt::Key_U), &VerdimonNuvo::checkForAppUpdates },
    };
    for (const auto &key : keys) {
        auto *shortcut = new QShortcut(this);
        shortcut->setKey(key.first);
        connect(shortcut, &QShortcut::activated, this, key.second);
    }
}

QMenu *VerdimonNuvo::createMenu(QWidget *parent, const QString &title)
{
    auto *menu = new QMenu(title, parent);
    QFont font(Settings::fontFamily());
    font.setPixelSize(Settings::fontSize());
    font.setWeight(QFont::Normal);
    font.setStyleStrategy(QFont::PreferAntialias);
    menu->setFont(font);
    return menu;
}

VerdimonNuvo::MenuParts VerdimonNuvo::fillMenu(QMenu *menu, bool withOpen)
{
    if (withOpen)
        menu->addAction(openAction);
    menu->addActions(
        { saveToFileAction, cmdAsAdminAction, dxDiagnosticToolX64Action, printDataAction });
    QMenu *settings = createMenu(menu, QObject::tr("Settings"));
    settings->setIcon(QIcon(QPixmap(QStringLiteral(":/Icon/cog.svg"))));
    menu->addMenu(settings);
    QMenu *languages = createMenu(settings, QObject::tr("Languages"));
    settings->addMenu(languages);
    QMenu *themes = createMenu(settings, QObject::tr("Themes"));
    settings->addMenu(themes);
    languages->addActions({ autoSelectLanguageAction, englishLanguageAction, russianLanguageAction,
                            ukrainianLanguageAction });
    themes->addActions({ lightThemeAction, grayThemeAction, darkThemeAction });
    menu->addActions({ logAction, changelogAction, updatesAction, feedbackAction, exitAction });
    return { settings, languages, themes };
}

void VerdimonNuvo::createTrayMenu()
{
    // The menu it replaces goes with its submenus (their parent); the actions belong to the
    // window and stay.
    if (trayMenu && !trayMenu->isVisible())
        delete trayMenu.data();
    else if (trayMenu)
        connect(trayMenu.data(), &QMenu::aboutToHide, trayMenu.data(), &QObject::deleteLater);
    trayMenu = createMenu(this);
    connect(trayMenu.data(), &QMenu::aboutToShow, this, &VerdimonNuvo::checkMenuItems);
    connect(trayMenu.data(), &QMenu::aboutToShow, this, &VerdimonNuvo::checkSettingsMenuItems);
    const MenuParts parts = fillMenu(trayMenu, true);
    traySettingsMenu = parts.settings;
    trayLanguagesMenu = parts.languages;
    trayThemesMenu = parts.themes;
    if (trayIcon->isVisible())
        QGuiApplication::setQuitOnLastWindowClosed(false);
}

void VerdimonNuvo::contextMenuEvent(QContextMenuEvent *event)
{
    QMenu *menu = createMenu(this);
    connect(menu, &QMenu::aboutToShow, this, &VerdimonNuvo::checkSettingsMenuItems);
    connect(menu, &QMenu::aboutToShow, this, &VerdimonNuvo::checkMenuItems);
    fillMenu(menu, false);
    menu->exec(event->globalPos());
    menu->deleteLater();
    QWidget::contextMenuEvent(event);
}

void VerdimonNuvo::showLanguageTicks()
{
    for (QAction *action : { autoSelectLanguageAction, englishLanguageAction, russianLanguageAction,
                             ukrainianLanguageAction })
        action->setIcon(action->isChecked() ? QIcon()
                                            : action->property(flagProperty).value<QIcon>());
}

void VerdimonNuvo::checkMenuItems()
{
    openAction->setEnabled(!isVisible());
}
