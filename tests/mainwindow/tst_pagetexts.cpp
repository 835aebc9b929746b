// The texts of the Settings tab's pages as a user reads them, and the Useful commands grid.

#include "accounts/accountimage.h"
#include "app/config.h"
#include "app/fonts.h"
#include "app/settings.h"
#include "app/themes.h"
#include "layoutcheck.h"
#include "mainwindow/usefulcommandlist.h"
#include "mainwindow/verdimonnuvo.h"
#include "markingtranslator.h"
#include "widgets/appqlabel.h"
#include "widgets/apptabcontrol.h"
#include "widgets/switch.h"
#include "windowfixture.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QStackedWidget>
#include <QTabBar>
#include <QTextDocument>
#include <QTextDocumentFragment>
#include <QTreeWidget>
#include <QUrl>
#include <QtTest>

#include <memory>

namespace {

// The shown texts of a widget's own labels (but the avatar) or buttons, in creation order: rich
// text (links) reduced to what the user reads; a leading "*" marks a bold one.
template<typename Shown> QStringList childTexts(const QWidget *parent)
{
    QStringList texts;
    for (const Shown *child :
         parent->findChildren<Shown *>(QString(), Qt::FindDirectChildrenOnly)) {
        QString text = child->text();
        if (Qt::mightBeRichText(text))
            text = QTextDocumentFragment::fromHtml(text).toPlainText();
        if (!qobject_cast<const AccountImage *>(child))
            texts.append(child->font().bold() && !text.isEmpty() ? "*" + text : text);
    }
    return texts;
}

QStringList itemTexts(const QComboBox *box)
{
    QStringList texts;
    for (int i = 0; i < box->count(); ++i)
        texts.append(box->itemText(i));
    return texts;
}

// Every text a user reads in a window, in object order; paths, font lists and drives are data.
QStringList windowTexts(const QWidget *window)
{
    QStringList texts;
    auto add = [&texts](const QString &text) {
        if (!text.isEmpty() && !text.startsWith(QLatin1Char('/')))
            texts.append(QTextDocumentFragment::fromHtml(text).toPlainText());
    };
    for (const QAction *action : window->findChildren<QAction *>())
        add(action->text());
    for (const QWidget *widget : window->findChildren<QWidget *>()) {
        add(widget->toolTip());
        if (const auto *label = qobject_cast<const QLabel *>(widget))
            add(label->text());
        if (const auto *button = qobject_cast<const QAbstractButton *>(widget))
            add(button->text());
        if (const auto *edit = qobject_cast<const QLineEdit *>(widget))
            add(edit->placeholderText() + edit->text());
        if (const auto *box = qobject_cast<const QComboBox *>(widget); box && box->count() < 6)
            texts += itemTexts(box);
        if (const auto *tabs = qobject_cast<const QTabBar *>(widget))
            for (int index = 0; index < tabs->count(); ++index)
                add(tabs->tabText(index));
        if (const auto *list = qobject_cast<const QListWidget *>(widget))
            for (int row = 0; row < list->count(); ++row)
                add(list->item(row)->text());
        if (const auto *tree = qobject_cast<const QTreeWidget *>(widget);
            tree && !tree->isHeaderHidden())
            for (int column = 0; column < tree->columnCount(); ++column)
                add(tree->headerItem()->text(column));
    }
    return texts;
}

// Texts that pass through translation ("@") although shown as they stand in every language, or
// the other way round.
QStringList wronglyTranslated(const QWidget *window)
{
    static const QRegularExpression fixed(QStringLiteral(
        "^(English|Русский|Українська|SMART|TPM|Dravonel|OneDrive|Dropbox|Windows PowerShell|"
        "Paint|Wordpad|IExpress|Internet Explorer|Nuvo|jane|[\\d.]+|x\\d\\d|"
        "[\\w.-]+\\.\\w+)$"));
    QStringList wrong;
    for (const QString &text : windowTexts(window)) {
        if (text.contains(QLatin1Char('@')) == fixed.match(QString(text).remove('@')).hasMatch())
            wrong.append(text);
    }
    return wrong;
}

// Row, column and column span of a widget in the command grid.
QVector<int> gridCell(QWidget *widget)
{
    auto *grid = qobject_cast<QGridLayout *>(widget->parentWidget()->layout());
    const int index = grid ? grid->indexOf(widget) : -1;
    if (index < 0)
        return {};
    int row, column, rowSpan, columnSpan;
    grid->getItemPosition(index, &row, &column, &rowSpan, &columnSpan);
    return { row, column, columnSpan, rowSpan };
}

} // namespace

class TstPageTexts : public QObject, private WindowFixture
{
    Q_OBJECT

private:
    std::unique_ptr<MarkingTranslator> marker;

    QWidget *settingsPage(int row) const
    {
        auto *view = window->findChild<QListWidget *>(QStringLiteral("settingsView"));
        auto *stack = view ? view->findChild<QStackedWidget *>() : nullptr;
        return stack ? stack->widget(row) : nullptr;
    }

private slots:
    void initTestCase()
    {
        marker = std::make_unique<MarkingTranslator>();
        QCoreApplication::installTranslator(marker.get());
        startWindow();
    }

    void cleanupTestCase()
    {
        stopWindow();
        QCoreApplication::removeTranslator(marker.get());
    }

    void settingsEntries()
    {
        auto *menu = window->findChild<QListWidget *>(QStringLiteral("settingsMenuView"));
        QVERIFY(menu);
        QStringList texts;
        for (int row = 0; row < menu->count(); ++row)
            texts.append(menu->item(row)->text());
        QCOMPARE(texts.join('|'),
                 "@Application settings|@Misc|@Useful commands|@Services|"
                 "@Processes|@Applications|@Drivers|@Startup|SMART|TPM|"
                 "@Updates|@About");
    }

    // "@" marks a translated text, "*" a bold label. The labels are the page's, then the status
    // texts lying over its tree; the headers are the tree's.
    void pageTexts_data()
    {
        // Each column lists its texts separated by "|".
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("labels");
        QTest::addColumn<QString>("buttons");
        QTest::addColumn<QString>("headers");
        QTest::addColumn<QString>("boxes"); // the items of each drop-down list, by ","
        const QString none;

        QTest::newRow("Application settings")
            << 0
            << "*@Change language|*@Change theme|*@Network connection|@Status:|"
               "@Unknown|@IP:|@Unknown|*@Application log|*@Store data|*@Print data|"
               "*@Application configuration|*@System tray"
            << "@Exit|@Check connection...|@Log|@Save|@Print|@Show splash at startup|"
               "@Share hardware information|@Run at login|@Always on top|"
               "@Show application full information|@Automatically expand all data|"
               "@Reset to default settings|@Add to tray|@Close to tray|"
               "@Minimize to tray|@Notify me when running in tray|"
               "@Show application window when in tray"
            << none << "@Auto select,English,Русский,Українська|@Light,@Gray,@Dark";
        QTest::newRow("Misc") << 1 << "*@Manage font|*@Opacity"
                              << "@Apply|@Reset|@Exit" << none << none;
        QTest::newRow("Services") << 3
                                  << "@Collecting Services data ...|"
                                     "@No Services data is available. Try to @refresh"
                                  << none
                                  << "@Service name|@Path|@File name|@ID|@Type|@State|@Status|"
                                     "@Error control|@Start mode|@Wait hint|@Exit code"
                                  << none;
        QTest::newRow("Processes") << 4
                                   << "@Collecting Processes data ...|"
                                      "@No Processes data is available. Try to @refresh"
                                   << none
                                   << "@Process name|@ID|@Working set size|@Handle count|"
                                      "@Peak page file usage|@Priority|@Session ID|@Thread count|"
                                      "@Virtual size|@Path"
                                   << none;
        QTest::newRow("Applications")
            << 5
            << "*@Installed:|@Collecting data...||@Collecting Applications data ...|"
               "@No data is available! You don't have any applications installed."
            << none << "@Application name|@Version|@Developer|@Install path|@Uninstall path"
            << none;
        QTest::newRow("Drivers") << 6 << "@Collecting Drivers data ..." << none
                                 << "@Name|@Version|@Description|@Type|@File Name|@State|@Path"
                                 << none;
        QTest::newRow("Startup") << 7
                                 << "*@Startup:|@Collecting data...||@Collecting Startup data ...|"
                                    "@No startup data is available."
                                 << none << "@Name|@Startup path|@Command" << none;
        QTest::newRow("SMART") << 8
                               << "*@Drives:|@Collecting data...||@Collecting smart data ...|"
                                  "@No smart data has been found!"
                               << none << "@Attribute ID|@Name|@Value|@Worst|@Data|@Threshold"
                               << QString();
        QTest::newRow("TPM")
            << 9 << "@Collecting TPM data ...|@Trusted Platform Module is not installed!" << none
            << none << none;
        QTest::newRow("Updates")
            << 10
            << "*@Application updates|@Build:|@Not checked|@Last checked:|"
               "@Not checked|*@Updates channel|*@Application changelog|"
               "*@Updates settings|*@Manage Updates Paths|@Download path:|"
               "@Install path:|*@Updates delivery"
            << "@Exit|@Check for updates...|@Changelog|@Install updates automatically|"
               "@Disable updates (not recommended)|"
               "@Check for updates when application starts|"
               "@Get insider builds notification|@Delete installer after update|"
               "@Install updates silently|@Change|@Change"
            << none << "@Development,@Insider,@Beta,@Release|Dravonel,OneDrive,Dropbox";
        QTest::newRow("About")
            << 11
            << QString("*@Company:|Dravonel|*@Build:|4.1.3.742|*@Channel:|@Unknown|*@EULA:|"
                       "@End-User License Agreement|*@Privacy Policy:|@Privacy Policy|"
                       "*@Architecture:|x64|*@Version:|Nuvo|*@Account:|*@Feedback:|"
                       "@Send feedback|*@Website:|"
                       + QUrl(Config::webBaseUrl()).host())
            << none << none << none;
    }

    void pageTexts()
    {
        QFETCH(int, row);
        QWidget *page = settingsPage(row);
        QVERIFY(page);
        auto *tree = page->findChild<QTreeWidget *>(QString(), Qt::FindDirectChildrenOnly);
        QStringList headers;
        for (int column = 0; tree && !tree->isHeaderHidden() && column < tree->columnCount();
             ++column)
            headers.append(tree->headerItem()->text(column));
        QTEST((childTexts<QLabel>(page) + (tree ? childTexts<QLabel>(tree) : QStringList()))
                  .join('|'),
              "labels");
        QTEST(childTexts<QAbstractButton>(page).join('|'), "buttons");
        QTEST(headers.join('|'), "headers");
        QStringList boxes;
        for (const QComboBox *box :
             page->findChildren<QComboBox *>(QString(), Qt::FindDirectChildrenOnly))
            if (box->count() < 6) // longer ones list fonts and sizes, checked as data
                boxes.append(itemTexts(box).join(','));
        QTEST(boxes.join('|'), "boxes");
    }

    // At the smallest and the largest size the Misc page offers, every tab and every settings
    // page shows its texts whole, nothing covers anything else, and the tab bar fits its place.
    void everyPageFitsEveryFontSize_data()
    {
        QTest::addColumn<int>("size");
        QTest::addColumn<int>("theme");
        const char *themes[] = { "light", "gray", "dark" };
        for (int theme = 0; theme < 3; ++theme) {
            QTest::addRow("smallest, %s", themes[theme]) << fontSizeList().first().toInt() << theme;
            QTest::addRow("largest, %s", themes[theme]) << fontSizeList().last().toInt() << theme;
        }
    }
    void everyPageFitsEveryFontSize()
    {
        QFETCH(int, size);
        QFETCH(int, theme);
        Settings::setSettingsValue("Fonts", "Size", size);
        applyTheme(theme, nullptr);
        const auto restore = qScopeGuard([] {
            Settings::setSettingsValue("Fonts", "Size", 12);
            qApp->setStyleSheet(QString());
        });
        VerdimonNuvo built(VerdimonNuvo::StartupActions::WidgetsOnly);
        laidOutAtMinimum(&built);
        QTabBar *bar = built.tabControl->tabBar(); // at the largest size the tabs scroll
        QVERIFY(bar->geometry().right() < built.tabControl->width());
        QVERIFY(bar->tabRect(bar->count() - 1).right() < bar->width() || size > 12);
        QStringList faults;
        for (int tab = 0; tab < built.tabControl->count(); ++tab) {
            built.tabControl->setCurrentIndex(tab);
            for (int row = 0; row < (tab == 11 ? built.settingsMenuView->count() : 1); ++row) {
                built.settingsMenuView->setCurrentRow(row);
                QCoreApplication::processEvents();
                faults += cutOrOverlappingWidgets(&built);
                if (tab == 11) // every widget is in a layout, or placed by hand (the overlays)
                    faults += unplacedWidgets(built.settingsStack->currentWidget());
            }
        }
        faults.removeDuplicates();
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join('\n')));
    }

    // Drives arrive after the SMART page may have been shown: a long drive name is shown whole.
    void smartDriveNameIsNotCut()
    {
        QWidget *page = settingsPage(8);
        QVERIFY(page);
        auto *box = page->findChild<QComboBox *>(QString(), Qt::FindDirectChildrenOnly);
        QVERIFY(box);
        window->resize(1400, 700);
        window->show();
        window->settingsMenuView->setCurrentRow(8);
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        const QString name = QStringLiteral("Samsung SSD 980 PRO 2TB NVMe Controller 0");
        box->addItem(QIcon(QStringLiteral(":/Icon/storage.png")), name, QStringLiteral("0"));
        QTRY_VERIFY(box->width() > box->fontMetrics().horizontalAdvance(name));
        box->clear();
        window->hide();
    }

    // Built under translation, every text passes through it but for the names shown as they
    // stand.
    void builtTranslated() { QCOMPARE(wronglyTranslated(window.get()).join("|"), QString()); }

    void usefulCommandButtons()
    {
        // The search button is the page's only other button.
        QCOMPARE(window->usefulCommandsPage->findChildren<QPushButton *>().size(), 282);
        for (QPushButton *button : window->usefulCommandButtons) {
            QVERIFY(!button->text().isEmpty());
            QCOMPARE(button->toolTip(), button->text());
            // 23 px, or what the font needs.
            QCOMPARE(button->minimumHeight(), qMax(23, button->fontMetrics().height() + 6));
            QVERIFY(!button->font().bold());
            QVERIFY(button->isVisibleTo(window->usefulCommandsPage));
        }
        QVERIFY(window->dxDiagnosticToolX64Btn->isEnabled());
        // The search field and its button.
        QCOMPARE(window->searchCommandEdit->placeholderText(),
                 QStringLiteral("@Search useful commands"));
        QVERIFY(window->searchCommandEdit->isClearButtonEnabled());
        QCOMPARE(window->searchCommandEdit->actions().size(), 1);
        QVERIFY(!window->searchCommandEdit->actions().first()->icon().isNull());
        QVERIFY(window->searchBtn->text().isEmpty() && window->searchBtn->toolTip().isEmpty());
        QCOMPARE(window->noCommandFoundLabel->text(),
                 QStringLiteral("@No such useful command is found!"));
        QCOMPARE(window->allCommandsLabel->text(), QStringLiteral("@All commands"));
        QVERIFY(window->allCommandsLabel->font().bold());
    }

    // The data tag is the English text. Samples of the computed cells: the headings, the wide
    // buttons, a full row's last and a section's last.
    void usefulCommandCells_data()
    {
        QTest::addColumn<int>("section");
        QTest::addColumn<QVector<int>>("cell"); // row, column, column span
        QTest::addColumn<bool>("heading");
        QTest::newRow("Accounts") << 1 << QVector<int>({ 20, 0, 1 }) << true;
        QTest::newRow("Devices") << 5 << QVector<int>({ 30, 0, 1 }) << true;
        QTest::newRow("Gaming") << 9 << QVector<int>({ 42, 0, 1 }) << true;
        QTest::newRow("Privacy") << 15 << QVector<int>({ 59, 0, 1 }) << true;
        QTest::newRow("User accounts") << 21 << QVector<int>({ 88, 0, 1 }) << true;
        QTest::newRow("Windows Defender") << 0 << QVector<int>({ 1, 4, 1 }) << false;
        QTest::newRow("Programs and Features") << 0 << QVector<int>({ 3, 1, 2 }) << false;
        QTest::newRow("Network and Sharing Center") << 0 << QVector<int>({ 4, 3, 2 }) << false;
        QTest::newRow("Ping") << 0 << QVector<int>({ 19, 0, 1 }) << false;
        QTest::newRow("Windows Hello (Fingerprint) setup")
            << 1 << QVector<int>({ 22, 2, 2 }) << false;
        QTest::newRow("Windows Update-View update history")
            << 20 << QVector<int>({ 87, 2, 2 }) << false;
        QTest::newRow("Windows Anywhere") << 21 << QVector<int>({ 89, 3, 1 }) << false;
    }

    void usefulCommandCells()
    {
        QFETCH(int, section);
        QFETCH(QVector<int>, cell);
        QFETCH(bool, heading);
        const QString label = QString::fromLatin1(QTest::currentDataTag());
        QWidget *widget = heading
            ? static_cast<QWidget *>(window->commandHeadingLabels.value(section - 1))
            : window->usefulCommandButton(UsefulCommandList::indexOf(section, label));
        QVERIFY(widget);
        QCOMPARE(widget->property("text").toString(), "@" + label);
        QCOMPARE(widget->toolTip(), heading ? QString() : "@" + label);
        QCOMPARE(widget->font().bold(), heading);
        QCOMPARE(gridCell(widget), cell << 1);
    }

    void usefulCommandGrid()
    {
        auto *grid
            = qobject_cast<QGridLayout *>(window->allCommandsLabel->parentWidget()->layout());
        QVERIFY(grid);
        QCOMPARE(grid->rowCount(), 90);
        QCOMPARE(grid->columnCount(), 5);
        QCOMPARE(gridCell(window->allCommandsLabel), QVector<int>({ 0, 0, 1, 1 }));
        // Every row holds something, and every button row but a section's last one is full.
        QVector<int> taken(90, 0);
        QVector<bool> headingRow(90, false);
        for (int i = 0; i < grid->count(); ++i) {
            const QVector<int> cell = gridCell(grid->itemAt(i)->widget());
            taken[cell.at(0)] += cell.at(2);
            if (qobject_cast<QLabel *>(grid->itemAt(i)->widget()))
                headingRow[cell.at(0)] = true;
        }
        for (int row = 0; row < 90; ++row) {
            QVERIFY2(taken.at(row) > 0, qPrintable(QString::number(row)));
            const bool lastOfSection = row == 89 || headingRow.at(row + 1);
            if (!headingRow.at(row) && !lastOfSection)
                QVERIFY2(taken.at(row) == 5, qPrintable(QString::number(row)));
        }
        // "All commands" stands in one cell only.
        int managing = 0;
        for (QLayout *layout : window->usefulCommandsPage->findChildren<QLayout *>())
            managing += layout->indexOf(window->allCommandsLabel) >= 0 ? 1 : 0;
        QCOMPARE(managing, 1);
    }

    // A change of language sets every text of the window again and nothing else: indexes,
    // selections, check states and the search's result stay. Back in English the window reads
    // as built, but for the Services header that takes the capital of its Drivers twin.
    void retranslation()
    {
        QCoreApplication::removeTranslator(marker.get());
        Settings::setSettingsValue("AppSettings", "AppLanguage", 3);
        VerdimonNuvo built(VerdimonNuvo::StartupActions::Skip);
        Settings::setSettingsValue("AppSettings", "AppLanguage", 0);
        // Built before the settings reach the language box, the privacy link reads the setting.
        QVERIFY(built.privacyPolicyLink->text().contains("privacy-policy-uk\""));
        built.tabControl->setCurrentIndex(11);
        built.settingsMenuView->setCurrentRow(2);
        built.languageComboBox->setCurrentIndex(2);
        built.themeComboBox->setCurrentIndex(2);
        built.updatesChannelComboBox->setCurrentIndex(1);
        built.showFullInfoSwitch->setChecked(true);
        built.searchCommandEdit->setText(QStringLiteral("Display"));
        built.searchUsefulCommands();
        built.signedIn = true;
        built.accountImage->setToolTip(QStringLiteral("jane"));
        built.createTrayMenu();
        const QStringList english = windowTexts(&built);
        built.networkStatusValueLabel->setText(QStringLiteral("Connected"));
        auto states = [&built] {
            QVariantList states { built.tabControl->currentIndex(),
                                  built.settingsMenuView->currentRow(),
                                  built.settingsMenuView->item(0)->data(Qt::UserRole),
                                  built.languageComboBox->currentIndex(),
                                  built.themeComboBox->currentIndex(),
                                  built.updatesChannelComboBox->currentIndex(),
                                  built.showFullInfoSwitch->isChecked(),
                                  built.restoreDefaultsSwitch->isChecked() };
            for (QPushButton *button : built.usefulCommandButtons)
                states.append(button->isHidden());
            return states;
        };
        const QVariantList before = states();
        QCOMPARE(before.mid(8).count(false), 8); // the buttons the search shows

        QCoreApplication::installTranslator(marker.get());
        built.retranslateUi();
        QCOMPARE(wronglyTranslated(&built).join("|"), QString());
        QCOMPARE(states(), before);
        QCOMPARE(built.tabControl->tabBar()->tabToolTip(6), "@Optical Devices");
        QCOMPARE(built.trayLanguagesMenu->title(), "@Languages");
        QCOMPARE(built.networkStatusValueLabel->styleSheet(), "color: #FFFFFF;");
        QVERIFY(built.privacyPolicyLink->text().contains("privacy-policy-ru\""));
        QVERIFY(built.windowTitle().contains("@Insider"));

        QCoreApplication::removeTranslator(marker.get());
        built.retranslateUi();
        QStringList expected = english;
        expected[expected.indexOf(QStringLiteral("File name"))] = QStringLiteral("File Name");
        QCOMPARE(windowTexts(&built), expected);
        QCoreApplication::installTranslator(marker.get());
    }
};

QTEST_MAIN(TstPageTexts)
#include "tst_pagetexts.moc"
