// Changes made while the program runs apply whole: a language or a theme chosen on the
// Application settings page re-fits and restyles the tab bar and keeps the network values; the
// restart question of a close speaks in the running font.

#include "app/fonts.h"
#include "app/msgdialog.h"
#include "app/settings.h"
#include "app/themes.h"
#include "app/translations.h"
#include "layoutcheck.h"
#include "mainwindow/detectionstats.h"
#include "mainwindow/verdimonnuvo.h"
#include "widgets/apptabcontrol.h"
#include "widgets/switch.h"
#include "windowfixture.h"

#include <QAction>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QScreen>
#include <QSettings>
#include <QStyleOptionComboBox>
#include <QTabBar>
#include <QToolButton>
#include <QTreeWidget>
#include <QtTest>

#include <memory>

namespace {

// Chooses an entry of a Settings page combo box as a user does: it becomes current and the box
// reports it activated.
void choose(QComboBox *box, int index)
{
    box->setCurrentIndex(index);
    emit box->activated(index);
    emit box->textActivated(box->itemText(index));
}

// Tabs a user cannot read whole: cut by the bar's end or reached only through its arrows.
QStringList hiddenTabs(const QTabBar *bar)
{
    QStringList hidden;
    for (int index = 0; index < bar->count(); ++index) {
        const QRect tab = bar->tabRect(index);
        if (tab.left() < 0 || tab.right() >= bar->width())
            hidden << bar->tabText(index);
    }
    for (const QToolButton *arrow : bar->findChildren<QToolButton *>()) {
        if (arrow->isVisible())
            hidden << QStringLiteral("scroll arrow");
    }
    return hidden;
}

// The margin a tree keeps on each side of a cell's text.
int textMargin(const QTreeWidget *tree)
{
    return tree->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, tree) + 1;
}

// The part of a tree's column the tree shows, for its text.
int shownWidth(const QTreeWidget *tree, int column)
{
    const QHeaderView *header = tree->header();
    const int left = qMax(0, header->sectionViewportPosition(column));
    const int right = qMin(tree->viewport()->width(),
                           header->sectionViewportPosition(column) + header->sectionSize(column));
    return right - left - 2 * textMargin(tree);
}

} // namespace

#define WAIT_FOR_WORKERS() QTRY_COMPARE_WITH_TIMEOUT(DetectionStats::liveThreads(), 0, 15000)

class TstRuntimeChanges : public QObject, private WindowFixture
{
    Q_OBJECT

    QList<int> boxFontSizes; // the pixel size of each message box's text
    QStringList boxes; // "title|text" of each message box

    // What the screen shows of the window's rectangle.
    QImage onScreen(const QRect &place) const
    {
        return window->screen()
            ->grabWindow(window->winId(), place.x(), place.y(), place.width(), place.height())
            .toImage()
            .convertToFormat(QImage::Format_RGB32);
    }

    void showAtMinimum()
    {
        window->setAttribute(Qt::WA_DontShowOnScreen);
        window->show();
        window->resize(window->minimumSize());
        QCoreApplication::processEvents();
    }

private slots:
    void initTestCase()
    {
        // As the program's start does before its first window.
        registerFontSubstitutions();
        // The store each test clears is the window's.
        QCoreApplication::setOrganizationName(QStringLiteral("Dravonel"));
        QCoreApplication::setApplicationName(QStringLiteral("Verdimon Nuvo"));
    }

    void init()
    {
        QSettings().clear();
        // As the program starts: the stored theme is in force before the window is built.
        applyTheme(0, nullptr);
        boxes.clear();
        boxFontSizes.clear();
        MsgDialog::setTestResponder([this](MsgDialog *box) {
            boxes << box->windowTitle() + QLatin1Char('|') + box->textLabel()->text();
            boxFontSizes << box->textLabel()->font().pixelSize();
            return int(QDialogButtonBox::No);
        });
    }

    void cleanup()
    {
        WAIT_FOR_WORKERS();
        stopWindow();
        qApp->setStyleSheet(QString());
        QTranslator app;
        QTranslator qt;
        switchTranslation(&app, &qt, 1);
    }

    // A language chosen on the Settings page gives the window the width its tabs need in that
    // language, as a start in it would: every tab whole, no arrows (the screen is 1600 wide).
    void languageRefitsTabs_data()
    {
        QTest::addColumn<int>("language");
        QTest::addColumn<QString>("settingsTab");
        QTest::newRow("Russian") << 2 << QStringLiteral("Настройки");
        QTest::newRow("Ukrainian") << 3 << QStringLiteral("Налаштування");
        QTest::newRow("English") << 1 << QStringLiteral("Settings");
    }
    void languageRefitsTabs()
    {
        QFETCH(int, language);
        QFETCH(QString, settingsTab);
        startWindow(VerdimonNuvo::StartupActions::Skip);
        showAtMinimum();
        QTabBar *bar = window->tabControl->tabBar();
        QCOMPARE(hiddenTabs(bar).join(", "), QString());

        choose(window->languageComboBox, language);
        QCoreApplication::processEvents();
        QCOMPARE(bar->tabText(11), settingsTab);
        QCOMPARE(hiddenTabs(bar).join(", "), QString());
        // Not only now: the window cannot be made narrower than its tabs.
        window->resize(window->minimumSize());
        QCoreApplication::processEvents();
        QCOMPARE(hiddenTabs(bar).join(", "), QString());
        QVERIFY(window->width() <= 1600);
    }

    // The translated boxes of the Settings pages show each of their entries whole in the language
    // in force, chosen while the program runs or in force at its start ("Автоматично" was cut).
    void settingsBoxesShowEntriesWhole_data()
    {
        QTest::addColumn<int>("language");
        QTest::addColumn<bool>("atStart");
        QTest::addColumn<int>("size");
        const int smallest = fontSizeList().first().toInt(),
                  largest = fontSizeList().last().toInt();
        QTest::newRow("Russian chosen") << 2 << false << 12;
        QTest::newRow("Ukrainian chosen") << 3 << false << 12;
        QTest::newRow("Russian chosen, smallest") << 2 << false << smallest;
        QTest::newRow("Ukrainian chosen, largest") << 3 << false << largest;
        QTest::newRow("Russian at start, largest") << 2 << true << largest;
    }
    void settingsBoxesShowEntriesWhole()
    {
        QFETCH(int, language);
        QFETCH(bool, atStart);
        QFETCH(int, size);
        Settings::setSettingsValue("Fonts", "Size", size);
        QTranslator app;
        QTranslator qt;
        if (atStart) {
            Settings::setSettingsValue("AppSettings", "AppLanguage", language);
            switchTranslation(&app, &qt, language);
        }
        startWindow(VerdimonNuvo::StartupActions::Skip);
        window->tabControl->setCurrentIndex(11);
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        if (!atStart)
            choose(window->languageComboBox, language);
        QCoreApplication::processEvents();
        QStringList cut;
        for (QComboBox *box :
             { window->languageComboBox, window->themeComboBox, window->updatesChannelComboBox }) {
            // Where the style draws the current entry: the field beside the arrow, after the icon.
            for (int row = 0; row < box->count(); ++row) {
                QStyleOptionComboBox option;
                option.initFrom(box);
                option.frame = box->hasFrame();
                option.currentText = box->itemText(row);
                option.currentIcon = box->itemIcon(row);
                option.iconSize = box->iconSize();
                const QRect field = box->style()->subControlRect(QStyle::CC_ComboBox, &option,
                                                                 QStyle::SC_ComboBoxEditField, box);
                const int icon = option.currentIcon.isNull() ? 0 : option.iconSize.width() + 4;
                const int needs = box->fontMetrics().horizontalAdvance(option.currentText);
                if (field.width() - icon < needs)
                    cut << QStringLiteral("%1 (%2 of %3 px)")
                               .arg(option.currentText)
                               .arg(field.width() - icon)
                               .arg(needs);
            }
        }
        QVERIFY2(cut.isEmpty(), qPrintable(cut.join(", ")));
    }

    // Dark chosen on the Settings page paints the tabs on screen as a start in Dark does.
    void themeStylesTabs()
    {
        applyTheme(2, nullptr);
        startWindow(VerdimonNuvo::StartupActions::Skip);
        window->tabControl->setCurrentIndex(11);
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        const QRect barPlace(window->tabControl->tabBar()->mapTo(window.get(), QPoint()),
                             window->tabControl->tabBar()->size());
        const QImage startedDark = onScreen(barPlace);
        stopWindow();

        applyTheme(0, nullptr);
        startWindow(VerdimonNuvo::StartupActions::Skip);
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        const QTabBar *bar = window->tabControl->tabBar();
        const QRect tab = bar->tabRect(1);
        const QPoint inside(tab.left() + 4, tab.center().y());
        QVERIFY(onScreen(barPlace).pixelColor(inside) != QColor(0x3A, 0x3A, 0x3A));

        // The user went to the Settings tab by the bar, then to the box.
        QTest::mouseMove(window->tabControl->tabBar(), bar->tabRect(11).center());
        QTest::mouseClick(window->tabControl->tabBar(), Qt::LeftButton, {},
                          bar->tabRect(11).center());
        QTest::mouseMove(window->themeComboBox);
        QTest::qWait(100);
        // Picked from the box's list, as a user does.
        window->themeComboBox->showPopup();
        QTest::qWait(200);
        QWidget *list = window->themeComboBox->view();
        QTest::keyClick(list, Qt::Key_Down);
        QTest::keyClick(list, Qt::Key_Down);
        QTest::keyClick(list, Qt::Key_Return);
        QTest::qWait(300);
        const QImage chosen = onScreen(barPlace);
        QCOMPARE(chosen.pixelColor(inside), QColor(0x3A, 0x3A, 0x3A));
        QCOMPARE(chosen, startedDark);
    }

    // The answer of a network check outlives a change of language: it reads in the new one, in
    // the colour the check gave it.
    void networkValuesSurviveLanguage_data()
    {
        QTest::addColumn<bool>("reached");
        QTest::addColumn<QString>("status");
        QTest::addColumn<QString>("address");
        QTest::newRow("connected")
            << true << QStringLiteral("Підключено") << QStringLiteral("203.0.113.7");
        QTest::newRow("not connected")
            << false << QStringLiteral("Не підключено") << QStringLiteral("Невідомо");
        QTest::newRow("never checked")
            << false << QStringLiteral("Невідомо") << QStringLiteral("Невідомо");
    }
    void networkValuesSurviveLanguage()
    {
        QFETCH(bool, reached);
        QFETCH(QString, status);
        QFETCH(QString, address);
        startWindow(VerdimonNuvo::StartupActions::Skip);
        if (reached) {
            window->appUserConnected();
            window->appUserIP(QStringLiteral("203.0.113.7"));
        } else if (QByteArray(QTest::currentDataTag()) == "not connected") {
            window->appUserNotConnected();
            window->appUserIPUnknown(QStringLiteral("Unknown"));
        }
        // Never checked, the values take the theme's text colour as ever.
        const bool checked = reached || QByteArray(QTest::currentDataTag()) == "not connected";
        const QString statusStyle = checked ? window->networkStatusValueLabel->styleSheet()
                                            : QStringLiteral("color: #000000;");
        const QString addressStyle
            = checked ? window->ipValueLabel->styleSheet() : QStringLiteral("color: #000000;");

        choose(window->languageComboBox, 3);
        QCOMPARE(window->networkStatusLabel->text(), QStringLiteral("Стан:"));
        QCOMPARE(window->networkStatusValueLabel->text(), status);
        QCOMPARE(window->ipValueLabel->text(), address);
        QCOMPARE(window->networkStatusValueLabel->styleSheet(), statusStyle);
        QCOMPARE(window->ipValueLabel->styleSheet(), addressStyle);
    }

    // A theme chosen after a check keeps its answer's colour, green in the new theme's green;
    // values no check answered take the theme's text colour.
    void networkValuesSurviveTheme_data()
    {
        QTest::addColumn<QString>("answer");
        QTest::addColumn<int>("theme");
        QTest::addColumn<bool>("byMenu"); // else by the Settings page's box
        QTest::addColumn<QString>("statusStyle");
        QTest::addColumn<QString>("addressStyle");
        const QString green = "color: #008000;", grayGreen = "color: #79B220;",
                      red = "color: #FF0000;";
        QTest::newRow("connected, gray") << "connected" << 1 << false << grayGreen << grayGreen;
        QTest::newRow("connected, dark, menu") << "connected" << 2 << true << green << green;
        QTest::newRow("not connected, dark") << "not connected" << 2 << false << red << red;
        QTest::newRow("never checked, dark, menu") << "none" << 2 << true << "color: #FFFFFF;"
                                                   << "color: #FFFFFF;";
    }
    void networkValuesSurviveTheme()
    {
        QFETCH(QString, answer);
        QFETCH(int, theme);
        QFETCH(bool, byMenu);
        startWindow(VerdimonNuvo::StartupActions::Skip);
        if (answer == "connected") {
            window->appUserConnected();
            window->appUserIP(QStringLiteral("203.0.113.7"));
        } else if (answer == "not connected") {
            window->appUserNotConnected();
            window->appUserIPUnknown(QStringLiteral("Unknown"));
        }
        const QString status = window->networkStatusValueLabel->text();
        const QString address = window->ipValueLabel->text();

        if (byMenu) {
            QAction *themes[]
                = { window->lightThemeAction, window->grayThemeAction, window->darkThemeAction };
            themes[theme]->trigger();
        } else {
            choose(window->themeComboBox, theme);
        }
        QCOMPARE(window->themeComboBox->currentIndex(), theme);
        QCOMPARE(window->networkStatusValueLabel->text(), status);
        QCOMPARE(window->ipValueLabel->text(), address);
        QTEST(window->networkStatusValueLabel->styleSheet(), "statusStyle");
        QTEST(window->ipValueLabel->styleSheet(), "addressStyle");
    }

    // The menus tick the language in force as they tick the theme: the entry shows the same tick
    // in the same place, where the other languages show their flags.
    void menusTickLanguage_data()
    {
        QTest::addColumn<int>("language");
        QTest::newRow("Auto select") << 0;
        QTest::newRow("English") << 1;
        QTest::newRow("Russian") << 2;
        QTest::newRow("Ukrainian") << 3;
    }
    void menusTickLanguage()
    {
        QFETCH(int, language);
        applyTheme(2, nullptr);
        startWindow(VerdimonNuvo::StartupActions::Skip);
        window->languageComboBox->setCurrentIndex(language == 0 ? 1 : 0);
        choose(window->languageComboBox, language);
        choose(window->themeComboBox, 2);
        window->createTrayMenu();
        emit window->trayMenu->aboutToShow();
        QMenu *languages = window->trayLanguagesMenu;
        QMenu *themes = window->trayThemesMenu;
        const QList<QAction *> entries = languages->actions();
        QCOMPARE(entries.size(), 4);
        for (QMenu *menu : { languages, themes }) {
            menu->ensurePolished();
            menu->adjustSize();
        }
        // The leading column of an entry, where a tick or an icon shows.
        const auto lead = [](QMenu *menu, QAction *action) {
            const QRect row = menu->actionGeometry(action);
            return menu->grab(QRect(row.left(), row.top(), row.height(), row.height())).toImage();
        };
        const QImage themeTick = lead(themes, window->darkThemeAction);
        const QImage unticked = lead(themes, window->lightThemeAction);
        QVERIFY(themeTick != unticked);
        for (int entry = 0; entry < entries.size(); ++entry) {
            QCOMPARE(entries.at(entry)->isChecked(), entry == language);
            const QImage shown = lead(languages, entries.at(entry));
            if (entry == language)
                QCOMPARE(shown, themeTick);
            else
                QVERIFY2(shown != themeTick && shown != unticked,
                         qPrintable(entries.at(entry)->text() + " shows no flag"));
        }
    }

    // At every size the Misc page offers, the Main page shows its values whole beside their
    // labels: the labels' column never takes the values' room. At the sizes up to the default
    // every label reads whole too.
    void mainValuesReadable_data()
    {
        QTest::addColumn<int>("size");
        QTest::addColumn<int>("language");
        for (const QString &size : fontSizeList()) {
            QTest::addRow("%s px, English", qPrintable(size)) << size.toInt() << 1;
            QTest::addRow("%s px, Ukrainian", qPrintable(size)) << size.toInt() << 3;
        }
    }
    void mainValuesReadable()
    {
        QFETCH(int, size);
        QFETCH(int, language);
        QTranslator app;
        QTranslator qt;
        switchTranslation(&app, &qt, language);
        Settings::setSettingsValue("Fonts", "Size", size);
        const auto restore = qScopeGuard([] { Settings::setSettingsValue("Fonts", "Size", 12); });
        startWindow(VerdimonNuvo::StartupActions::WidgetsOnly);
        laidOutAtMinimum(window.get());
        QTreeWidget *tree = window->mainTree;
        QCoreApplication::processEvents();
        const QFontMetrics metrics(tree->font());
        const int margin = textMargin(tree);
        QStringList cut;
        const auto shown = [tree](int column) {
            return shownWidth(tree, column);
        };
        const int iconRoom = tree->iconSize().width() + 4;
        int labelsNeed = 0;
        for (int row = 0; row < tree->topLevelItemCount(); ++row) {
            const QTreeWidgetItem *item = tree->topLevelItem(row);
            labelsNeed = qMax(labelsNeed, metrics.horizontalAdvance(item->text(0)) + iconRoom);
            if (metrics.horizontalAdvance(item->text(1)) > shown(1))
                cut << item->text(0) + " " + item->text(1);
            if (size <= 12 && metrics.horizontalAdvance(item->text(0)) > shown(0) - iconRoom)
                cut << item->text(0);
        }
        QVERIFY2(cut.isEmpty(), qPrintable(cut.join(" | ")));
        // The values keep half the tree at least, or all the labels leave them.
        const int treeWidth = tree->viewport()->width();
        QVERIFY2(shown(1) >= qMin(treeWidth / 2, treeWidth - labelsNeed) - 2 * margin,
                 qPrintable(QStringLiteral("values %1 px of %2").arg(shown(1)).arg(treeWidth)));
    }

    // The hardware pages keep their values readable as the Main page does: at the largest size
    // in Ukrainian the processor's labels do not push its name out of sight ("Intel(R) Xe..."),
    // a heading (a row without a value) reads whole across the tree, and at the default size
    // every label reads whole, also when its heading is expanded after the rows came.
    void hardwareValuesReadable_data()
    {
        QTest::addColumn<int>("size");
        QTest::addColumn<int>("language");
        QTest::addColumn<bool>("expandedLater");
        const int largest = fontSizeList().last().toInt();
        QTest::newRow("12 px, Ukrainian") << 12 << 3 << false;
        QTest::newRow("12 px, Ukrainian, expanded later") << 12 << 3 << true;
        QTest::newRow("largest, English") << largest << 1 << false;
        QTest::newRow("largest, Ukrainian") << largest << 3 << false;
        QTest::newRow("largest, Ukrainian, expanded later") << largest << 3 << true;
    }
    void hardwareValuesReadable()
    {
        QFETCH(int, size);
        QFETCH(int, language);
        QFETCH(bool, expandedLater);
        QTranslator app;
        QTranslator qt;
        switchTranslation(&app, &qt, language);
        Settings::setSettingsValue("Fonts", "Size", size);
        const auto restore = qScopeGuard([] { Settings::setSettingsValue("Fonts", "Size", 12); });
        startWindow(VerdimonNuvo::StartupActions::Skip);
        window->autoDataExpandSwitch->setChecked(!expandedLater);
        laidOutAtMinimum(window.get());
        window->tabControl->setCurrentIndex(2);
        // A processor as a virtual machine reports it, with labels the collector gives.
        const QString name = QStringLiteral("Intel(R) Xeon(R) Processor");
        const std::pair<const char *, const char *> rows[] = {
            { "Number of logical processors", "4" },
            { "Max frequency", "2.40 GHz" },
            { "Socket", "CPU 0" },
            { "L2 cache", "4 MB" },
            { "Manufacturer", "GenuineIntel" },
            { "Part number", "Unknown" },
        };
        window->cpuWMIMainData({ name, {}, {}, QObject::tr("Name"), name });
        for (const auto &row : rows)
            window->cpuWMIData({ {}, {}, {}, QObject::tr(row.first), row.second });
        QTreeWidget *tree = window->cpuTree;
        QTreeWidgetItem *heading = tree->topLevelItem(0);
        if (expandedLater)
            heading->setExpanded(true);
        QCoreApplication::processEvents();

        const QFontMetrics metrics(tree->font());
        const int margin = textMargin(tree);
        const auto shown = [tree](int column) {
            return shownWidth(tree, column);
        };
        const int iconRoom = tree->iconSize().width() + 4;
        QStringList cut;
        // Where the heading's text is drawn: after its branch and icon.
        const QRect headingPlace = tree->visualRect(tree->model()->index(0, 0));
        if (metrics.horizontalAdvance(name) > headingPlace.width() - iconRoom - 2 * margin)
            cut << QStringLiteral("heading ") + name;
        for (int row = 0; row < heading->childCount(); ++row) {
            const QTreeWidgetItem *item = heading->child(row);
            if (metrics.horizontalAdvance(item->text(1)) > shown(1))
                cut << item->text(0) + " " + item->text(1);
            if (size <= 12
                && metrics.horizontalAdvance(item->text(0))
                    > shown(0) - tree->indentation() - iconRoom)
                cut << item->text(0);
        }
        QVERIFY2(cut.isEmpty(), qPrintable(cut.join(" | ")));
    }

    // With a font change waiting, closing asks about the restart in the font the program runs
    // with, as "Apply" does, not in the chosen one.
    void closeQuestionInRunningFont()
    {
        startWindow(VerdimonNuvo::StartupActions::Skip);
        window->settingsMenuView->setCurrentRow(1);
        const int running = window->applyFontBtn->font().pixelSize();
        const int chosen = fontSizeList().last().toInt();
        choose(window->fontSizeComboBox,
               window->fontSizeComboBox->findText(QString::number(chosen)));
        window->applyFontBtn->click();
        window->close();
        QCOMPARE(boxes.size(), 2);
        QCOMPARE(boxes.at(0), boxes.at(1).section('|', 0, 0) + '|' + boxes.at(0).section('|', 1));
        QCOMPARE(boxFontSizes, QList<int>({ running, running }));
        QVERIFY(running != chosen);
    }

    // At the largest font, "Reset to default settings" (whose place was made for a 1920-wide
    // screen) leaves the window within reach and shows its box whole.
    void resetDefaultsAtLargestFont()
    {
        Settings::setSettingsValue("Fonts", "Size", fontSizeList().last().toInt());
        QRect boxPlace;
        QStringList cut;
        int boxFont = 0;
        MsgDialog::setTestResponder([&](MsgDialog *box) {
            boxes << box->windowTitle() + QLatin1Char('|') + box->textLabel()->text();
            boxFont = box->textLabel()->font().pixelSize();
            box->show();
            QCoreApplication::processEvents();
            boxPlace = box->frameGeometry();
            cut = cutOrOverlappingWidgets(box);
            box->hide();
            return int(QDialogButtonBox::Ok);
        });
        startWindow(VerdimonNuvo::StartupActions::Skip);
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        window->restoreDefaultsSwitch->click();
        QCOMPARE(boxes,
                 QStringList("Information|The default settings has been successfully applied!"));
        QCOMPARE(boxFont, fontSizeList().last().toInt());
        QVERIFY2(cut.isEmpty(), qPrintable(cut.join('\n')));
        const QRect screen = window->screen()->availableGeometry();
        QVERIFY2(screen.contains(window->frameGeometry().topLeft()),
                 qPrintable(QStringLiteral("window at %1,%2").arg(window->x()).arg(window->y())));
        QVERIFY2(screen.contains(boxPlace.topLeft()),
                 qPrintable(QStringLiteral("box at %1,%2").arg(boxPlace.x()).arg(boxPlace.y())));
    }
};

QTEST_MAIN(TstRuntimeChanges)
#include "tst_runtimechanges.moc"
