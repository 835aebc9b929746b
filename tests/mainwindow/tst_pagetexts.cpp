// The texts of the Settings tab's pages as a user reads them: every label, button and switch of
// each page in creation order, which of them pass through translation, and which are bold.

#include "accounts/accountimage.h"
#include "app/config.h"
#include "app/settings.h"
#include "layoutcheck.h"
#include "mainwindow/verdimonnuvo.h"
#include "markingtranslator.h"
#include "widgets/appqlabel.h"
#include "widgets/apptabcontrol.h"
#include "widgets/switch.h"
#include "windowfixture.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QComboBox>
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

// A label's text as shown: rich text (links) reduced to what the user reads; a leading "*"
// marks a bold label.
QString shownText(const QLabel *label)
{
    QString text = label->text();
    if (Qt::mightBeRichText(text))
        text = QTextDocumentFragment::fromHtml(text).toPlainText();
    return label->font().bold() && !text.isEmpty() ? QStringLiteral("*") + text : text;
}

QStringList labelTexts(const QWidget *parent)
{
    QStringList texts;
    for (const QLabel *label :
         parent->findChildren<QLabel *>(QString(), Qt::FindDirectChildrenOnly)) {
        if (!qobject_cast<const AccountImage *>(label))
            texts.append(shownText(label));
    }
    return texts;
}

QStringList buttonTexts(const QWidget *parent)
{
    QStringList texts;
    for (const QAbstractButton *button :
         parent->findChildren<QAbstractButton *>(QString(), Qt::FindDirectChildrenOnly))
        texts.append(button->text());
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
        QCOMPARE(texts,
                 QStringList({ "@Application settings", "@Misc", "@Useful commands", "@Services",
                               "@Processes", "@Applications", "@Drivers", "@Startup", "SMART",
                               "TPM", "@Updates", "@About" }));
    }

    // "@" marks a translated text, "*" a bold label.
    void pageTexts_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<QStringList>("labels");
        QTest::addColumn<QStringList>("buttons");

        QTest::newRow("Application settings")
            << 0
            << QStringList({ "*@Change language", "*@Change theme", "*@Network connection",
                             "@Status:", "@Unknown", "@IP:", "@Unknown", "*@Application log",
                             "*@Store data", "*@Print data", "*@Application configuration",
                             "*@System tray" })
            << QStringList({ "@Exit", "@Check connection...", "@Log", "@Save", "@Print",
                             "@Show splash at startup", "@Share hardware information",
                             "@Run at login", "@Always on top",
                             "@Show application full information", "@Automatically expand all data",
                             "@Reset to default settings", "@Add to tray", "@Close to tray",
                             "@Minimize to tray", "@Notify me when running in tray",
                             "@Show application window when in tray" });
        QTest::newRow("Misc") << 1 << QStringList({ "*@Manage font", "*@Opacity" })
                              << QStringList({ "@Apply", "@Reset", "@Exit" });
        QTest::newRow("Applications")
            << 5 << QStringList({ "*@Installed:", "@Collecting data...", "" }) << QStringList();
        QTest::newRow("Drivers") << 6 << QStringList({ "@Collecting Drivers data ..." })
                                 << QStringList();
        QTest::newRow("Startup") << 7
                                 << QStringList({ "*@Startup:", "@Collecting data...", "",
                                                  "@Collecting Startup data ...",
                                                  "@No startup data is available." })
                                 << QStringList();
        QTest::newRow("SMART") << 8 << QStringList({ "*@Drives:", "@Collecting data...", "" })
                               << QStringList();
        QTest::newRow("Updates")
            << 10
            << QStringList({ "*@Application updates", "@Build:", "@Not checked", "@Last checked:",
                             "@Not checked", "*@Updates channel", "*@Application changelog",
                             "*@Updates settings", "*@Manage Updates Paths",
                             "@Download path:", "@Install path:", "*@Updates delivery" })
            << QStringList({ "@Exit", "@Check for updates...", "@Changelog",
                             "@Install updates automatically", "@Disable updates (not recommended)",
                             "@Check for updates when application starts",
                             "@Get insider builds notification", "@Delete installer after update",
                             "@Install updates silently", "@Change", "@Change" });
        QTest::newRow("About") << 11
                               << QStringList({ "*@Company:", "Dravonel", "*@Build:", "4.1.3.742",
                                                "*@Channel:", "@Unknown",
                                                "*@EULA:", "@End-User License Agreement",
                                                "*@Privacy Policy:", "@Privacy Policy",
                                                "*@Architecture:", "x64", "*@Version:", "Nuvo",
                                                "*@Account:", "*@Feedback:", "@Send feedback",
                                                "*@Website:", QUrl(Config::webBaseUrl()).host() })
                               << QStringList();
    }

    void pageTexts()
    {
        QFETCH(int, row);
        QFETCH(QStringList, labels);
        QFETCH(QStringList, buttons);
        QWidget *page = settingsPage(row);
        QVERIFY(page);
        QCOMPARE(labelTexts(page), labels);
        QCOMPARE(buttonTexts(page), buttons);
    }

    // Every widget a page shows is in one of its layouts, or placed by hand (the overlays).
    void everyWidgetIsLaidOut_data()
    {
        QTest::addColumn<int>("row");
        for (int row = 0; row < 12; ++row)
            QTest::addRow("%d", row) << row;
    }

    void everyWidgetIsLaidOut()
    {
        QFETCH(int, row);
        QWidget *page = settingsPage(row);
        QVERIFY(page);
        QCOMPARE(unplacedWidgets(page), QStringList());
    }

    // The status texts that lie over the trees of the software, SMART and TPM pages.
    void treeOverlayTexts_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<QStringList>("headers");
        QTest::addColumn<QStringList>("labels");

        QTest::newRow("Services") << 3
                                  << QStringList({ "@Service name", "@Path", "@File name", "@ID",
                                                   "@Type", "@State", "@Status", "@Error control",
                                                   "@Start mode", "@Wait hint", "@Exit code" })
                                  << QStringList(
                                         { "@Collecting Services data ...",
                                           "@No Services data is available. Try to @refresh" });
        QTest::newRow("Processes")
            << 4
            << QStringList({ "@Process name", "@ID", "@Working set size", "@Handle count",
                             "@Peak page file usage", "@Priority", "@Session ID", "@Thread count",
                             "@Virtual size", "@Path" })
            << QStringList({ "@Collecting Processes data ...",
                             "@No Processes data is available. Try to @refresh" });
        QTest::newRow("Applications")
            << 5
            << QStringList({ "@Application name", "@Version", "@Developer", "@Install path",
                             "@Uninstall path" })
            << QStringList({ "@Collecting Applications data ...",
                             "@No data is available! You don't have any applications "
                             "installed." });
        QTest::newRow("Drivers") << 6
                                 << QStringList({ "@Name", "@Version", "@Description", "@Type",
                                                  "@File Name", "@State", "@Path" })
                                 << QStringList();
        QTest::newRow("Startup") << 7 << QStringList({ "@Name", "@Startup path", "@Command" })
                                 << QStringList();
        QTest::newRow("SMART")
            << 8
            << QStringList({ "@Attribute ID", "@Name", "@Value", "@Worst", "@Data", "@Threshold" })
            << QStringList({ "@Collecting smart data ...", "@No smart data has been found!" });
        QTest::newRow("TPM") << 9 << QStringList()
                             << QStringList({ "@Collecting TPM data ...",
                                              "@Trusted Platform Module "
                                              "is not installed!" });
    }

    void treeOverlayTexts()
    {
        QFETCH(int, row);
        QFETCH(QStringList, headers);
        QFETCH(QStringList, labels);
        QWidget *page = settingsPage(row);
        QVERIFY(page);
        auto *tree = page->findChild<QTreeWidget *>(QString(), Qt::FindDirectChildrenOnly);
        QVERIFY(tree);
        QStringList shownHeaders;
        if (!tree->isHeaderHidden()) {
            for (int column = 0; column < tree->columnCount(); ++column)
                shownHeaders.append(tree->headerItem()->text(column));
        }
        QCOMPARE(shownHeaders, headers);
        QCOMPARE(labelTexts(tree), labels);
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
        auto *menu = window->findChild<QListWidget *>(QStringLiteral("settingsMenuView"));
        menu->setCurrentRow(8);
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        const QString name = QStringLiteral("Samsung SSD 980 PRO 2TB NVMe Controller 0");
        box->addItem(QIcon(QStringLiteral(":/Icon/storage.png")), name, QStringLiteral("0"));
        QTRY_VERIFY(box->width() > box->fontMetrics().horizontalAdvance(name));
        box->clear();
        window->hide();
    }

    void comboBoxItems_data()
    {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QStringList>("items");
        QTest::newRow("language") << "language"
                                  << QStringList({ "@Auto select", "English",
                                                   QString::fromUtf8("Русский"),
                                                   QString::fromUtf8("Українська") });
        QTest::newRow("theme") << "theme" << QStringList({ "@Light", "@Gray", "@Dark" });
        QTest::newRow("channel") << "channel"
                                 << QStringList(
                                        { "@Development", "@Insider", "@Beta", "@Release" });
        QTest::newRow("delivery") << "delivery"
                                  << QStringList({ "Dravonel", "OneDrive", "Dropbox" });
    }

    void comboBoxItems()
    {
        QFETCH(QString, box);
        QFETCH(QStringList, items);
        const QMap<QString, QPair<int, int>> where = {
            { QStringLiteral("language"), { 0, 0 } },
            { QStringLiteral("theme"), { 0, 1 } },
            { QStringLiteral("channel"), { 10, 0 } },
            { QStringLiteral("delivery"), { 10, 1 } },
        };
        QWidget *page = settingsPage(where.value(box).first);
        QVERIFY(page);
        const QList<QComboBox *> boxes
            = page->findChildren<QComboBox *>(QString(), Qt::FindDirectChildrenOnly);
        QVERIFY(boxes.size() > where.value(box).second);
        QCOMPARE(itemTexts(boxes.at(where.value(box).second)), items);
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
        static const QRegularExpression fixed(QStringLiteral(
            "^(English|Русский|Українська|SMART|TPM|Dravonel|OneDrive|Dropbox|Windows PowerShell|"
            "Paint|Wordpad|IExpress|Internet Explorer|Nuvo|jane|Display|[\\d.]+|x\\d\\d|"
            "[\\w.-]+\\.\\w+)$"));
        for (const QString &text : windowTexts(&built))
            QVERIFY2(text.contains(QLatin1Char('@')) || fixed.match(text).hasMatch(),
                     qPrintable(text));
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
