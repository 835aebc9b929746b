// Structure of the main window: tabs, page trees, the Settings frame and its pages, the Useful
// commands grid and the states of the widgets right after construction.

#include "accounts/accountimage.h"
#include "app/licenseagreement.h"
#include "app/settings.h"
#include "mainwindow/verdimonnuvo.h"
#include "widgets/appqlabel.h"
#include "widgets/apptabbar.h"
#include "widgets/apptabcontrol.h"
#include "widgets/scrollbar.h"
#include "widgets/switch.h"
#include "windowfixture.h"

#include <QApplication>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSlider>
#include <QSplitter>
#include <QStackedWidget>
#include <QTabBar>
#include <QTemporaryFile>
#include <QTextBrowser>
#include <QTimer>
#include <QTreeWidget>
#include <QtTest>

#include <memory>

class TstMainWindow : public QObject, private WindowFixture
{
    Q_OBJECT

private slots:
    void initTestCase() { startWindow(); }

    void cleanupTestCase() { stopWindow(); }

    void windowFrameAndTabs()
    {
        QCOMPARE(window->minimumSize(), QSize(12 * 115, 510)); // all twelve fixed-size tabs
        QVERIFY(!window->startupActionsEnabled());
        QCOMPARE(window->layout()->count(), 1);
        QCOMPARE(window->layout()->itemAt(0)->widget(), window->tabControl);
        QVERIFY(window->trayIcon && !window->trayIcon->isVisible());

        const QStringList keys({ "Main", "OS", "CPU", "GPU", "RAM", "Storage", "Optical Devices",
                                 "Motherboard", "Sound Devices", "Network", "Peripheral",
                                 "Settings" });
        QCOMPARE(window->tabControl->count(), keys.size());
        for (int index = 0; index < keys.size(); ++index) {
            QCOMPARE(window->tabControl->tabText(index), keys.at(index));
            QCOMPARE(window->tabControl->tabBar()->tabData(index).toString(), keys.at(index));
            QVERIFY(qobject_cast<AppTabBar *>(window->tabControl->widget(index)));
            QCOMPARE(window->restoreTabsOrder(keys.at(index)), index);
        }
    }

    // Each hardware tab holds one laid-out two-column tree; Main, OS and Motherboard are flat.
    void hardwareTrees()
    {
        for (int index = 0; index < 11; ++index) {
            QWidget *page = window->tabControl->widget(index);
            const QList<QTreeWidget *> trees
                = page->findChildren<QTreeWidget *>(QString(), Qt::FindDirectChildrenOnly);
            QCOMPARE(trees.size(), 1);
            QTreeWidget *tree = trees.first();
            QCOMPARE(page->layout()->itemAt(0)->widget(), tree);
            QCOMPARE(tree->columnCount(), 2);
            QVERIFY(tree->isHeaderHidden());
            QCOMPARE(tree->indentation() == 0, index == 0 || index == 1 || index == 7);
            QVERIFY(qobject_cast<ScrollBar *>(tree->verticalScrollBar()));
            QCOMPARE(tree->font().pixelSize(), Settings::fontSize());
        }
    }

    void settingsFrame()
    {
        QListWidget *menu = window->settingsMenuView;
        QStringList keys;
        for (int row = 0; row < menu->count(); ++row)
            keys << menu->item(row)->data(Qt::UserRole).toString();
        QCOMPARE(keys,
                 QStringList({ "Settings", "Misc", "Useful Commands", "Services", "Processes",
                               "Applications", "Drivers", "Startup", "SMART", "TPM", "Updates",
                               "About" }));
        QCOMPARE(window->settingsStack->count(), 12);
        QCOMPARE(window->settingsStack->widget(2), window->usefulCommandsPage);
        QCOMPARE(menu->currentRow(), 0);
        QCOMPARE(window->settingsSplitter->widget(0), menu);
        QCOMPARE(window->settingsSplitter->widget(1), window->settingsView);
        QVERIFY(!window->settingsSplitter->isCollapsible(0));
        QCOMPARE(menu->minimumWidth(), 100); // the splitter never squeezes the menu away

        menu->setCurrentRow(9);
        QCOMPARE(window->settingsStack->currentWidget(), window->tpmPage);
        menu->setCurrentRow(0);
        emit menu->itemEntered(menu->item(5));
        QCOMPARE(menu->item(5)->toolTip(), "Applications");
    }

    // The summary rows' own keys are followed with the detections; an unknown key opens the
    // Settings tab with no page chosen.
    void unknownSummaryKey()
    {
        window->tabControl->setCurrentIndex(0);
        QTreeWidgetItem item;
        item.setData(0, Qt::UserRole, "Nothing");
        emit window->mainTree->itemDoubleClicked(&item, 1);
        QCOMPARE(window->tabControl->currentIndex(), 11);
        QCOMPARE(window->settingsMenuView->currentRow(), -1);
        window->settingsMenuView->setCurrentRow(0);
        window->tabControl->setCurrentIndex(0);
    }

    // The tray group shares the configuration column exactly on a screen below 1152 x 864.
    void switchColumnsFollowScreen_data()
    {
        QTest::addColumn<QSize>("screen");
        QTest::addColumn<bool>("single");
        QTest::newRow("1151x863") << QSize(1151, 863) << true;
        QTest::newRow("1024x768") << QSize(1024, 768) << true;
        QTest::newRow("1152x768") << QSize(1152, 768) << false;
        QTest::newRow("1024x864") << QSize(1024, 864) << false;
    }

    void switchColumnsFollowScreen()
    {
        QFETCH(QSize, screen);
        fakes->screenInfo->screenSize = screen;
        VerdimonNuvo other(VerdimonNuvo::StartupActions::WidgetsOnly);
        fakes->screenInfo->screenSize = QSize(1600, 1000);
        QLayout *configuration = nullptr;
        QLayout *tray = nullptr;
        for (QLayout *layout : other.appSettingsPage->findChildren<QLayout *>()) {
            if (layout->indexOf(other.appConfigurationLabel) >= 0)
                configuration = layout;
            if (layout->indexOf(other.systemTrayLabel) >= 0)
                tray = layout;
        }
        QVERIFY(configuration && tray);
        QTEST(configuration == tray, "single");
    }

    // Every switch (their texts are checked with the pages' texts) shows its text as its tip
    // and starts off and enabled.
    void appSettingsSwitches()
    {
        const QList<Switch *> switches = window->findChildren<Switch *>();
        QCOMPARE(switches.size(), 18);
        for (Switch *option : switches) {
            QCOMPARE(option->toolTip(), option->text());
            QVERIFY2(!option->isChecked(), qPrintable(option->text()));
            QVERIFY2(option->isEnabled(), qPrintable(option->text()));
        }
    }

    void miscPage()
    {
        const auto items = [](const QComboBox *box) {
            QStringList texts;
            for (int i = 0; i < box->count(); ++i)
                texts << box->itemText(i);
            return texts.join(QLatin1Char(','));
        };
        QVERIFY(items(window->fontFamilyComboBox).startsWith("Arial,MS Shell Dlg 2,Roboto,"));
        QCOMPARE(items(window->fontSizeComboBox),
                 "6,7,8,9,10,11,12,14,16,18,20,22,24,26,28,36,48,72");
        QVERIFY(!window->applyFontBtn->isEnabled());
        QVERIFY(!window->resetFontBtn->isEnabled());
        QCOMPARE(window->opacitySlider->value(), 10);
    }

    // Their headers are checked with the pages' texts; Drivers, Startup and SMART sort by name.
    void softwareTrees()
    {
        for (int row = 3; row <= 8; ++row) { // Services to SMART
            QTreeWidget *tree = window->settingsStack->widget(row)->findChild<QTreeWidget *>();
            QVERIFY(tree);
            QCOMPARE(tree->isSortingEnabled(), row >= 6);
            if (tree->isSortingEnabled()) {
                QCOMPARE(tree->header()->sortIndicatorSection(), 0);
                QCOMPARE(tree->header()->sortIndicatorOrder(), Qt::AscendingOrder);
            }
            QCOMPARE(tree->indentation(), 0);
            QVERIFY(qobject_cast<ScrollBar *>(tree->verticalScrollBar()));
        }
        // Hovering a cell of any tree, the summary's and the TPM's too, shows its own text as tip.
        const QList<QTreeWidget *> trees = window->findChildren<QTreeWidget *>();
        QCOMPARE(trees.size(), 18);
        for (QTreeWidget *tree : trees) {
            auto *item = new QTreeWidgetItem(tree, { "A", "B" });
            emit tree->itemEntered(item, 1);
            QCOMPARE(item->toolTip(1), "B");
            delete item;
        }
    }

    // A new window collects: every collecting label shows, every no-data label is hidden.
    void softwarePageStates()
    {
        for (QLabel *label : { window->collectingServicesLabel, window->collectingProcessesLabel,
                               window->collectingAppsLabel, window->collectingSmartLabel,
                               window->collectingTpmLabel })
            QVERIFY(!label->isHidden());
        for (QLabel *label :
             { window->servicesRefreshLink, window->processesRefreshLink, window->noAppsLabel,
               window->noStartupDataLabel, window->noSmartDataLabel, window->noTpmLabel })
            QVERIFY(label->isHidden());
        QCOMPARE(window->uninstallAppLabel->toolTip(), "Delete");
        QVERIFY(window->uninstallAppLabel->isEnabled());
        QCOMPARE(window->removeStartupLabel->toolTip(), "Remove");
        QVERIFY(!window->removeStartupLabel->isEnabled());
        QCOMPARE(window->smartInfoLabel->toolTip(), "Information");
    }

    void linkLabelsShowHandCursor()
    {
        for (AppQLabel *label :
             { window->uninstallAppLabel, window->smartInfoLabel, window->eulaLink,
               window->privacyPolicyLink, window->feedbackLink, window->websiteLink }) {
            QVERIFY(label->testAttribute(Qt::WA_Hover));
            emit label->mouseEnter();
            QCOMPARE(label->cursor().shape(), Qt::PointingHandCursor);
            emit label->mouseLeave();
            QVERIFY(!label->testAttribute(Qt::WA_SetCursor));
        }
    }

    void updatesAndAboutPages()
    {
        QCOMPARE(window->updatesChannelComboBox->currentText(), "Development");
        QCOMPARE(window->updatesDeliveryComboBox->currentText(), "Dravonel");
        for (QLineEdit *edit : { window->downloadPathEdit, window->installPathEdit })
            QVERIFY(edit->text().isEmpty() && edit->isReadOnly());
        // The EULA and feedback links open the program's own dialogs.
        QVERIFY(window->privacyPolicyLink->openExternalLinks());
        QVERIFY(window->websiteLink->openExternalLinks());
        QVERIFY(!window->eulaLink->openExternalLinks());
        QVERIFY(!window->feedbackLink->openExternalLinks());
        QCOMPARE(window->findChildren<AccountImage *>().size(), 1);
        QCOMPARE(window->accountImage->parentWidget(), window->aboutPage);
        QCOMPARE(window->accountImage->toolTip(), "Account");
    }

    // The viewer's own error paths are checked with the viewer.
    void licencePageOpensModalViewer()
    {
        QTemporaryFile page;
        QVERIFY(page.open());
        page.write("<html><body>Licence text</body></html>");
        page.close();
        LicenseAgreement::setPageOverride(page.fileName());
        QString shownText;
        QTimer::singleShot(0, [&shownText] {
            for (QWidget *widget : QApplication::topLevelWidgets()) {
                auto *viewer = qobject_cast<LicenseAgreement *>(widget);
                if (viewer && viewer->isVisible()) {
                    shownText = viewer->textBrowser()->toPlainText();
                    viewer->close();
                }
            }
        });
        emit window->eulaLink->linkActivated("#");
        LicenseAgreement::setPageOverride(QString());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCOMPARE(shownText, "Licence text");
        QVERIFY(window->findChildren<LicenseAgreement *>().isEmpty());
    }

    void buildAndDestroyRepeatedly()
    {
        const int topLevelBefore = QApplication::topLevelWidgets().size();
        for (int round = 0; round < 3; ++round) {
            auto *other = new VerdimonNuvo(VerdimonNuvo::StartupActions::Skip);
            QPointer<QWidget> page = other->usefulCommandsPage;
            QPointer<QObject> tray = other->trayIcon;
            QVERIFY(QApplication::topLevelWidgets().contains(other));
            delete other;
            QVERIFY(page.isNull());
            QVERIFY(tray.isNull());
        }
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCOMPARE(QApplication::topLevelWidgets().size(), topLevelBefore);
    }
};

QTEST_MAIN(TstMainWindow)
#include "tst_mainwindow.moc"
