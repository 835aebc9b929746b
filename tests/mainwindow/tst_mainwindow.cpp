// Structure of the main window: tabs, page trees, the Settings frame and its pages, the Useful
// commands grid and the states of the widgets right after construction.

#include "accounts/accountimage.h"
#include "app/licenseagreement.h"
#include "app/msgdialog.h"
#include "app/settings.h"
#include "mainwindow/usefulcommandlist.h"
#include "mainwindow/verdimonnuvo.h"
#include "widgets/appqlabel.h"
#include "widgets/apptabbar.h"
#include "widgets/apptabcontrol.h"
#include "widgets/scrollbar.h"
#include "widgets/switch.h"
#include "windowfixture.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QFormLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSettings>
#include <QSlider>
#include <QSplitter>
#include <QStackedWidget>
#include <QStandardItemModel>
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

    void windowFrame()
    {
        QCOMPARE(window->minimumSize(), QSize(12 * 115, 510)); // all twelve fixed-size tabs
        QVERIFY(!window->startupActionsEnabled());
        QCOMPARE(window->layout()->count(), 1);
        QCOMPARE(window->layout()->itemAt(0)->widget(), window->tabControl);
        QCOMPARE(window->layout()->contentsMargins(), QMargins(0, 0, 0, 0));
        QVERIFY(window->trayIcon);
        QVERIFY(!window->trayIcon->isVisible());
        QVERIFY(window->runKeySettings);
        QCOMPARE(window->drivesCountText, QStringLiteral("0"));
        QCOMPARE(window->partitionsCountText, QStringLiteral("0"));
        QVERIFY(!window->fontChangePending);
        QVERIFY(!window->uninstallRunning);
    }

    void tabs_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("key");
        const char *keys[] = { "Main",
                               "OS",
                               "CPU",
                               "GPU",
                               "RAM",
                               "Storage",
                               "Optical Devices",
                               "Motherboard",
                               "Sound Devices",
                               "Network",
                               "Peripheral",
                               "Settings" };
        for (int i = 0; i < 12; ++i)
            QTest::newRow(keys[i]) << i << QString::fromLatin1(keys[i]);
    }

    void tabs()
    {
        QFETCH(int, index);
        QFETCH(QString, key);
        QCOMPARE(window->tabControl->count(), 12);
        QCOMPARE(window->tabControl->tabText(index), key);
        QCOMPARE(window->tabControl->tabBar()->tabData(index).toString(), key);
        QVERIFY(qobject_cast<AppTabBar *>(window->tabControl->widget(index)));
        QVERIFY(window->tabControl->tabIcon(index).isNull());
        QCOMPARE(window->restoreTabsOrder(key), index);
    }

    void hardwareTrees_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<bool>("flat");
        QTest::newRow("Main") << "Main" << true;
        QTest::newRow("OS") << "OS" << true;
        QTest::newRow("CPU") << "CPU" << false;
        QTest::newRow("GPU") << "GPU" << false;
        QTest::newRow("RAM") << "RAM" << false;
        QTest::newRow("Storage") << "Storage" << false;
        QTest::newRow("Optical") << "Optical Devices" << false;
        QTest::newRow("Motherboard") << "Motherboard" << true;
        QTest::newRow("Sound") << "Sound Devices" << false;
        QTest::newRow("Network") << "Network" << false;
        QTest::newRow("Peripheral") << "Peripheral" << false;
    }

    void hardwareTrees()
    {
        QFETCH(QString, key);
        QFETCH(bool, flat);
        const int index = window->restoreTabsOrder(key);
        QWidget *page = window->tabControl->widget(index);
        const QList<QTreeWidget *> trees
            = page->findChildren<QTreeWidget *>(QString(), Qt::FindDirectChildrenOnly);
        QCOMPARE(trees.size(), 1);
        QTreeWidget *tree = trees.first();
        QCOMPARE(page->layout()->count(), 1);
        QCOMPARE(page->layout()->itemAt(0)->widget(), tree);
        QCOMPARE(tree->columnCount(), 2);
        QVERIFY(tree->isHeaderHidden());
        QCOMPARE(tree->header()->sectionResizeMode(0), QHeaderView::ResizeToContents);
        QCOMPARE(tree->indentation() == 0, flat);
        QVERIFY(tree->hasMouseTracking());
        QCOMPARE(tree->contextMenuPolicy(), Qt::DefaultContextMenu);
        QVERIFY(qobject_cast<ScrollBar *>(tree->horizontalScrollBar()));
        QVERIFY(qobject_cast<ScrollBar *>(tree->verticalScrollBar()));
        QCOMPARE(tree->font(), window->mainTree->font());
        QCOMPARE(tree->font().weight(), int(QFont::Normal));
        QCOMPARE(tree->font().pixelSize(), Settings::fontSize());

        // Hovering a cell shows its own text as tooltip.
        auto *item = new QTreeWidgetItem(
            tree, { QStringLiteral("Label"), QStringLiteral("A rather long value") });
        emit tree->itemEntered(item, 1);
        QCOMPARE(item->toolTip(1), QStringLiteral("A rather long value"));
        delete item;
    }

    void storageTotalDrivesRow()
    {
        QTreeWidgetItem *total = window->totalDrivesItem;
        QCOMPARE(window->storageTree->topLevelItemCount(), 1);
        QCOMPARE(window->storageTree->topLevelItem(0), total);
        QCOMPARE(total->text(0), QStringLiteral("Total drives"));
        QCOMPARE(total->text(1), QStringLiteral("0"));
        QVERIFY(total->isHidden());
    }

    void hardwareStatusLabels_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("collecting");
        QTest::addColumn<QString>("sentence");
        QTest::newRow("OS") << "OS"
                            << "Collecting OS data ..."
                            << "No OS data is available. Try to";
        QTest::newRow("CPU") << "CPU"
                             << "Collecting CPU data ..."
                             << "No CPU data is available. Try to";
        QTest::newRow("Storage") << "Storage"
                                 << "Collecting Storage data ..."
                                 << "No Storage data is available. Try to";
        QTest::newRow("Optical") << "Optical Devices"
                                 << "Collecting Optical Devices data ..."
                                 << "No Optical Devices data is available. Try to";
        QTest::newRow("Sound") << "Sound Devices"
                               << "Collecting Sound Devices data ..."
                               << "No Sound devices data is available. Try to";
        QTest::newRow("Peripheral") << "Peripheral"
                                    << "Collecting Peripheral data ..."
                                    << "No Peripheral data is available. Try to";
    }

    void hardwareStatusLabels()
    {
        QFETCH(QString, key);
        QFETCH(QString, collecting);
        QFETCH(QString, sentence);
        QWidget *page = window->tabControl->widget(window->restoreTabsOrder(key));
        QTreeWidget *tree = page->findChild<QTreeWidget *>();
        QLabel *collectingLabel = nullptr;
        QLabel *refreshLink = nullptr;
        for (QLabel *label : tree->findChildren<QLabel *>(QString(), Qt::FindDirectChildrenOnly)) {
            if (label->text() == collecting)
                collectingLabel = label;
            else if (label->text().startsWith(sentence))
                refreshLink = label;
        }
        QVERIFY(collectingLabel);
        QVERIFY(refreshLink);
        QVERIFY(!collectingLabel->isHidden());
        QVERIFY(refreshLink->isHidden());
        QCOMPARE(collectingLabel->geometry(), QRect(5, 5, 400, 20));
        QCOMPARE(refreshLink->geometry(), QRect(5, 5, 400, 20));
        QCOMPARE(refreshLink->text(),
                 sentence
                     + QStringLiteral(" <a style=\"text-decoration: none;\" "
                                      "href=\"#\">refresh</a>"));
        QVERIFY(!collectingLabel->font().bold());
    }

    void opticalNotInstalledLabel()
    {
        QLabel *label = window->hardwareNotInstalledLabel;
        QCOMPARE(label->parent(), window->opticalTree);
        QCOMPARE(label->text(), QStringLiteral("Hardware is not installed"));
        QVERIFY(label->isHidden());
        QCOMPARE(label->geometry(), QRect(5, 5, 400, 20));
        QVERIFY(window->mainTree->findChildren<QLabel *>().isEmpty());
    }

    // The entries' texts are checked with the pages' texts; here the keys they lead to.
    void settingsEntries()
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
    }

    void settingsFrame()
    {
        QListWidget *menu = window->settingsMenuView;
        QCOMPARE(menu->objectName(), QStringLiteral("settingsMenuView"));
        QCOMPARE(menu->currentRow(), 0);
        QCOMPARE(window->settingsStack->currentIndex(), 0);
        QCOMPARE(menu->minimumWidth(), 100);
        QCOMPARE(menu->focusPolicy(), Qt::NoFocus);
        QCOMPARE(menu->font().pixelSize(), 14);
        QVERIFY(menu->hasMouseTracking());
        QCOMPARE(window->settingsView->objectName(), QStringLiteral("settingsView"));
        QCOMPARE(window->settingsView->count(), 0);
        QCOMPARE(window->settingsView->minimumWidth(), 400);
        QCOMPARE(window->settingsStack->parentWidget(), window->settingsView);
        QCOMPARE(window->settingsSplitter->count(), 2);
        QCOMPARE(window->settingsSplitter->widget(0), menu);
        QCOMPARE(window->settingsSplitter->widget(1), window->settingsView);
        QVERIFY(!window->settingsSplitter->isCollapsible(0));
        QVERIFY(!window->settingsSplitter->isCollapsible(1));

        menu->setCurrentRow(9);
        QCOMPARE(window->settingsStack->currentWidget(), window->tpmPage);
        menu->setCurrentRow(0);

        emit menu->itemEntered(menu->item(5));
        QCOMPARE(menu->item(5)->toolTip(), QStringLiteral("Applications"));
    }

    void exitButtons()
    {
        for (QPushButton *button :
             { window->appSettingsExitBtn, window->miscExitBtn, window->updatesExitBtn }) {
            QCOMPARE(button->text(), QStringLiteral("Exit"));
            QCOMPARE(button->minimumHeight(), 23);
            QVERIFY(button->toolTip().isEmpty());
        }
        QCOMPARE(window->appSettingsExitBtn->parentWidget(), window->appSettingsPage);
        QCOMPARE(window->miscExitBtn->parentWidget(), window->miscPage);
        QCOMPARE(window->updatesExitBtn->parentWidget(), window->updatesPage);
    }

    void goToPage_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<int>("tab");
        QTest::addColumn<int>("settingsRow");
        QTest::newRow("CPU") << "CPU" << 2 << 0;
        QTest::newRow("Peripheral") << "Peripheral" << 10 << 0;
        QTest::newRow("Services") << "Services" << 11 << 3;
        QTest::newRow("TPM") << "TPM" << 11 << 9;
        QTest::newRow("Useful Commands") << "Useful Commands" << 11 << 2;
        QTest::newRow("unknown") << "Nothing" << 11 << -1;
    }

    void goToPage()
    {
        QFETCH(QString, key);
        QFETCH(int, tab);
        QFETCH(int, settingsRow);
        window->tabControl->setCurrentIndex(0);
        window->settingsMenuView->setCurrentRow(0);

        QTreeWidgetItem item;
        item.setData(0, Qt::UserRole, key);
        emit window->mainTree->itemDoubleClicked(&item, 1);
        QCOMPARE(window->tabControl->currentIndex(), tab);
        QCOMPARE(window->settingsMenuView->currentRow(), settingsRow);
        if (settingsRow >= 0)
            QCOMPARE(window->settingsStack->currentIndex(), settingsRow);
        window->settingsMenuView->setCurrentRow(0);
        window->tabControl->setCurrentIndex(0);
    }

    void switchColumnsRule_data()
    {
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("height");
        QTest::addColumn<bool>("single");
        QTest::newRow("1151x863") << 1151 << 863 << true;
        QTest::newRow("1024x768") << 1024 << 768 << true;
        QTest::newRow("1152x768") << 1152 << 768 << false;
        QTest::newRow("1024x864") << 1024 << 864 << false;
        QTest::newRow("1280x720") << 1280 << 720 << false;
        QTest::newRow("1152x600") << 1152 << 600 << false;
    }

    void switchColumnsRule()
    {
        QFETCH(int, width);
        QFETCH(int, height);
        QFETCH(bool, single);
        QCOMPARE(VerdimonNuvo::useSingleSwitchColumn(width, height), single);
    }

    void switchColumnsFollowScreen_data()
    {
        QTest::addColumn<QSize>("screen");
        QTest::addColumn<bool>("shared");
        QTest::newRow("small") << QSize(1024, 768) << true;
        QTest::newRow("large") << QSize(1600, 1000) << false;
    }

    void switchColumnsFollowScreen()
    {
        QFETCH(QSize, screen);
        QFETCH(bool, shared);
        fakes->screenInfo->screenSize = screen;
        VerdimonNuvo other(VerdimonNuvo::StartupActions::WidgetsOnly);
        fakes->screenInfo->screenSize = QSize(1600, 1000);
        // The tray group shares the configuration column exactly on a small screen.
        QLayout *configuration = nullptr;
        QLayout *tray = nullptr;
        const QList<QLayout *> layouts = other.appSettingsPage->findChildren<QLayout *>();
        for (QLayout *layout : layouts) {
            if (layout->indexOf(other.appConfigurationLabel) >= 0)
                configuration = layout;
            if (layout->indexOf(other.systemTrayLabel) >= 0)
                tray = layout;
        }
        QVERIFY(configuration && tray);
        QCOMPARE(configuration == tray, shared);
    }

    void appSettingsPage()
    {
        QCOMPARE(window->languageComboBox->currentIndex(), 0);
        QCOMPARE(window->themeComboBox->currentIndex(), 0);
        QCOMPARE(window->ipValueLabel->minimumWidth(), 150);
        QVERIFY(window->ipValueLabel->textInteractionFlags() & Qt::TextSelectableByMouse);
        for (QPushButton *button : { window->checkConnectionBtn, window->appLogBtn,
                                     window->saveDataBtn, window->printDataBtn }) {
            QVERIFY2(button->toolTip().isEmpty(), qPrintable(button->text()));
            QCOMPARE(button->minimumHeight(), 23);
        }
        QVERIFY(window->checkConnectionBtn->icon().isNull());
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
        QStringList families;
        for (int i = 0; i < window->fontFamilyComboBox->count(); ++i)
            families << window->fontFamilyComboBox->itemText(i);
        QCOMPARE(families.value(0), QStringLiteral("Arial"));
        QCOMPARE(families.value(1), QStringLiteral("MS Shell Dlg 2"));
        QCOMPARE(families.value(2), QStringLiteral("Roboto"));
        QStringList sizes;
        for (int i = 0; i < window->fontSizeComboBox->count(); ++i)
            sizes << window->fontSizeComboBox->itemText(i);
        QCOMPARE(sizes.join(QLatin1Char(',')),
                 QStringLiteral("6,7,8,9,10,11,12,14,16,18,20,22,24,26,28,36,48,72"));
        QCOMPARE(window->fontSizeComboBox->currentText(), QStringLiteral("6"));
        QCOMPARE(window->fontSampleEdit->text(), QStringLiteral("AaBbYyZz"));
        QCOMPARE(window->fontSampleEdit->size(), QSize(204, 60));
        QVERIFY(!window->applyFontBtn->isEnabled());
        QVERIFY(!window->resetFontBtn->isEnabled());
        QCOMPARE(window->applyFontBtn->toolTip(), QStringLiteral("Apply"));
        QCOMPARE(window->resetFontBtn->toolTip(), QStringLiteral("Reset"));
        QCOMPARE(window->opacitySlider->minimum(), 5);
        QCOMPARE(window->opacitySlider->maximum(), 10);
        QCOMPARE(window->opacitySlider->value(), 10);
        QCOMPARE(window->opacitySlider->orientation(), Qt::Horizontal);
        QCOMPARE(window->opacitySlider->tickPosition(), QSlider::TicksBelow);
    }

    // Their headers are checked with the pages' texts.
    void softwareTrees_data()
    {
        QTest::addColumn<QString>("page");
        QTest::addColumn<bool>("sorted");
        QTest::newRow("Services") << "Services" << false;
        QTest::newRow("Processes") << "Processes" << false;
        QTest::newRow("Applications") << "Applications" << false;
        QTest::newRow("Drivers") << "Drivers" << true;
        QTest::newRow("Startup") << "Startup" << true;
        QTest::newRow("SMART") << "SMART" << true;
    }

    void softwareTrees()
    {
        QFETCH(QString, page);
        QFETCH(bool, sorted);
        int row = -1;
        for (int i = 0; i < window->settingsMenuView->count(); ++i) {
            if (window->settingsMenuView->item(i)->data(Qt::UserRole).toString() == page)
                row = i;
        }
        QWidget *pageWidget = window->settingsStack->widget(row);
        QTreeWidget *tree = pageWidget->findChild<QTreeWidget *>();
        QVERIFY(tree);
        QVERIFY(!tree->isHeaderHidden());
        QCOMPARE(tree->isSortingEnabled(), sorted);
        if (sorted) {
            QCOMPARE(tree->header()->sortIndicatorSection(), 0);
            QCOMPARE(tree->header()->sortIndicatorOrder(), Qt::AscendingOrder);
        }
        QCOMPARE(tree->indentation(), 0);
        QVERIFY(tree->hasMouseTracking());
        QVERIFY(qobject_cast<ScrollBar *>(tree->verticalScrollBar()));
        QCOMPARE(tree->topLevelItemCount(), 0);
    }

    void softwarePageLabels()
    {
        QCOMPARE(window->servicesTree->columnWidth(0), 350);
        QCOMPARE(window->servicesTree->columnWidth(2), 180);
        QCOMPARE(window->processesTree->columnWidth(9), 300);
        QCOMPARE(window->smartTree->columnWidth(1), 280);
        QVERIFY(!window->collectingProcessesLabel->isHidden());
        QVERIFY(window->processesRefreshLink->isHidden());
        QVERIFY(!window->collectingServicesLabel->isHidden());
        QVERIFY(window->servicesRefreshLink->isHidden());
        QVERIFY(!window->collectingAppsLabel->isHidden());
        QVERIFY(window->noAppsLabel->isHidden());
        QCOMPARE(window->noAppsLabel->geometry(), QRect(5, 25, 450, 20));
        QCOMPARE(window->collectingDriversLabel->parentWidget(), window->driversPage);
        QCOMPARE(window->collectingStartupLabel->geometry(), QRect(5, 60, 400, 20));
        QVERIFY(window->noStartupDataLabel->isHidden());
        QCOMPARE(window->uninstallAppLabel->toolTip(), QStringLiteral("Delete"));
        QVERIFY(window->uninstallAppLabel->isEnabled());
        QCOMPARE(window->removeStartupLabel->toolTip(), QStringLiteral("Remove"));
        QVERIFY(!window->removeStartupLabel->isEnabled());
        QCOMPARE(window->removeStartupLabel->size(), QSize(12, 18));

        QVERIFY(window->smartDriveComboBox->count() == 0);
        QCOMPARE(window->smartInfoLabel->toolTip(), QStringLiteral("Information"));
        QVERIFY(!window->collectingSmartLabel->isHidden());
        QVERIFY(window->noSmartDataLabel->isHidden());
        QVERIFY(window->tpmTree->isHeaderHidden());
        QCOMPARE(window->tpmTree->columnCount(), 2);
        QVERIFY(!window->collectingTpmLabel->isHidden());
        QVERIFY(window->noTpmLabel->isHidden());
        QCOMPARE(window->noTpmLabel->geometry(), QRect(5, 15, 450, 20));
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

    void updatesPage()
    {
        QCOMPARE(window->lastCheckLabel->minimumWidth(), 150);
        QVERIFY(qobject_cast<QStandardItemModel *>(window->updatesChannelComboBox->model()));
        QCOMPARE(window->updatesChannelComboBox->currentText(), QStringLiteral("Development"));
        QCOMPARE(window->updatesDeliveryComboBox->currentText(), QStringLiteral("Dravonel"));
        for (QLineEdit *edit : { window->downloadPathEdit, window->installPathEdit }) {
            QVERIFY(edit->text().isEmpty());
            QVERIFY(edit->toolTip().isEmpty());
            QVERIFY(edit->isReadOnly());
            QCOMPARE(edit->size(), QSize(225, 25));
        }
        for (QPushButton *button : { window->checkUpdatesBtn, window->changelogBtn,
                                     window->downloadPathBtn, window->installPathBtn })
            QVERIFY2(button->toolTip().isEmpty(), qPrintable(button->text()));
        QCOMPARE(window->downloadPathBtn->minimumHeight(), 27);
    }

    void constructionWritesNoUpdateSettings()
    {
        // Filling the two boxes of the Updates page must not store anything: their handlers
        // are connected only after their rows exist.
        QVERIFY(!Settings::containsSetting(QStringLiteral("Updates"),
                                           QStringLiteral("UpdatesChannel")));
        QVERIFY(!Settings::containsSetting(QStringLiteral("Updates"), QStringLiteral("Delivery")));
        // ... and they are connected all the same.
        struct SignalPeek : QComboBox
        {
            using QObject::receivers;
        };
        // A pointer to QObject's member, reached through the peek: no downcast of the box.
        const auto receivers = &SignalPeek::receivers;
        for (QComboBox *box : { window->updatesChannelComboBox, window->updatesDeliveryComboBox })
            QCOMPARE((box->*receivers)(SIGNAL(currentIndexChanged(int))), 1);
    }

    void aboutPage()
    {
        auto *form = window->aboutPage->findChild<QFormLayout *>();
        QVERIFY(form);
        QCOMPARE(form->rowCount(), 10);
        QCOMPARE(form->spacing(), 18);
        // The captions and values as read are checked with the pages' texts; here each caption
        // stands in the form's label column.
        for (int row = 0; row < 10; ++row)
            QVERIFY(qobject_cast<QLabel *>(form->itemAt(row, QFormLayout::LabelRole)->widget()));
        QCOMPARE(window->eulaLink->text(),
                 QStringLiteral("<a style=\"text-decoration: none;\" href=\"#\">End-User License "
                                "Agreement</a>"));
        QCOMPARE(window->feedbackLink->text(),
                 QStringLiteral("<a style=\"text-decoration: none;\" href=\"#\">Send "
                                "feedback</a>"));
        QVERIFY(window->privacyPolicyLink->text().contains(
            QStringLiteral("/terms/privacy-policy-en\">Privacy Policy</a>")));
        QVERIFY(window->privacyPolicyLink->openExternalLinks());
        QVERIFY(window->websiteLink->openExternalLinks());
        QVERIFY(!window->eulaLink->openExternalLinks());
        QVERIFY(window->websiteLink->text().startsWith(
            QStringLiteral("<a style=\"text-decoration: none;\" href=\"https://")));

        AccountImage *account = window->accountImage;
        QCOMPARE(account->size(), QSize(25, 25));
        QCOMPARE(account->toolTip(), QStringLiteral("Account"));
        QVERIFY(account->hasScaledContents());
        QCOMPARE(account->parentWidget(), window->aboutPage);
        QCOMPARE(window->findChildren<AccountImage *>().size(), 1);
    }

    void missingLicencePageShowsOnlyTheError()
    {
        QStringList messages;
        MsgDialog::setTestResponder([&messages](MsgDialog *box) {
            messages << box->textLabel()->text();
            return int(QDialogButtonBox::Ok);
        });
        LicenseAgreement::setPageOverride(QStringLiteral("/nonexistent/licence.html"));
        bool viewerShown = false;
        QTimer::singleShot(0, [&viewerShown] {
            for (QWidget *widget : QApplication::topLevelWidgets()) {
                if (qobject_cast<LicenseAgreement *>(widget) && widget->isVisible()) {
                    viewerShown = true;
                    widget->close();
                }
            }
        });
        emit window->eulaLink->linkActivated(QStringLiteral("#"));
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        LicenseAgreement::setPageOverride(QString());
        MsgDialog::setTestResponder(nullptr);

        QCOMPARE(messages, QStringList({ QStringLiteral("License file was not found!") }));
        QVERIFY(!viewerShown);
        QVERIFY(window->findChildren<LicenseAgreement *>().isEmpty());
    }

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
        emit window->eulaLink->linkActivated(QStringLiteral("#"));
        LicenseAgreement::setPageOverride(QString());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCOMPARE(shownText, QStringLiteral("Licence text"));
        QVERIFY(window->findChildren<LicenseAgreement *>().isEmpty());
    }

    void storedUpdateChoicesSurviveConstruction()
    {
        // Filling the channel and delivery boxes must not overwrite what is stored: a window
        // that loads the settings leaves Beta and OneDrive as they were.
        Settings::setSettingsValue(QStringLiteral("Updates"), QStringLiteral("UpdatesChannel"), 2);
        Settings::setSettingsValue(QStringLiteral("Updates"), QStringLiteral("Delivery"), 1);
        {
            VerdimonNuvo loaded(VerdimonNuvo::StartupActions::Skip);
            QVERIFY(!loaded.startupActionsEnabled());
            QCOMPARE(
                Settings::intValue(QStringLiteral("Updates"), QStringLiteral("UpdatesChannel"), -1),
                2);
            QCOMPARE(Settings::intValue(QStringLiteral("Updates"), QStringLiteral("Delivery"), -1),
                     1);
        }
        QSettings store;
        store.remove(QStringLiteral("Updates"));
    }

    void buildAndDestroyRepeatedly_data()
    {
        QTest::addColumn<int>("mode");
        QTest::newRow("widgets only") << int(VerdimonNuvo::StartupActions::WidgetsOnly);
        QTest::newRow("with settings") << int(VerdimonNuvo::StartupActions::Skip);
    }

    void buildAndDestroyRepeatedly()
    {
        QFETCH(int, mode);
        const int topLevelBefore = QApplication::topLevelWidgets().size();
        for (int round = 0; round < 3; ++round) {
            auto *other = new VerdimonNuvo(VerdimonNuvo::StartupActions(mode));
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
