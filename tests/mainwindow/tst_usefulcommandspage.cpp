// The Useful commands page: its 281 command buttons and 21 headings in the five-column grid,
// their texts and tooltips, the search widgets, and which texts pass through translation.

#include "mainwindow/usefulcommandlist.h"
#include "mainwindow/verdimonnuvo.h"
#include "markingtranslator.h"
#include "widgets/apptabcontrol.h"
#include "windowfixture.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTabBar>
#include <QtTest>

#include <memory>

namespace {

struct GridPosition
{
    int row = -1;
    int column = -1;
    int rowSpan = 0;
    int columnSpan = 0;
};

} // namespace

class TstUsefulCommandsPage : public QObject, private WindowFixture
{
    Q_OBJECT

private:
    static GridPosition gridPosition(QWidget *widget)
    {
        GridPosition position;
        auto *grid = qobject_cast<QGridLayout *>(widget->parentWidget()->layout());
        if (!grid)
            return position;
        const int index = grid->indexOf(widget);
        if (index >= 0)
            grid->getItemPosition(index, &position.row, &position.column, &position.rowSpan,
                                  &position.columnSpan);
        return position;
    }

    QGridLayout *commandGrid() const
    {
        return qobject_cast<QGridLayout *>(window->allCommandsLabel->parentWidget()->layout());
    }

    // The command button of a section with the given English label.
    QPushButton *command(int section, const char *label) const
    {
        const int index = UsefulCommandList::indexOf(section, QString::fromLatin1(label));
        return index < 0 ? nullptr : window->usefulCommandButton(index);
    }

private slots:
    void initTestCase() { startWindow(); }

    void cleanupTestCase() { stopWindow(); }

    void usefulCommandsCounts()
    {
        QCOMPARE(UsefulCommandList::entries().size(), 281);
        QCOMPARE(window->usefulCommandButtons.size(), 281);
        QCOMPARE(window->commandHeadingLabels.size(), 21);
        QCOMPARE(window->commandButtons.size(), 282);
        int searchButtons = 0;
        for (QPushButton *button : window->commandButtons) {
            if (button->objectName() == QLatin1String("searchBtn")) {
                ++searchButtons;
                QCOMPARE(button, window->searchBtn);
            }
        }
        QCOMPARE(searchButtons, 1);
        // Nothing from another page is in the list.
        QVERIFY(!window->commandButtons.contains(window->appSettingsExitBtn));
        const QList<QPushButton *> pageButtons
            = window->usefulCommandsPage->findChildren<QPushButton *>();
        QCOMPARE(pageButtons.size(), 282);

        int wide = 0;
        QVector<int> perSection(UsefulCommandList::sectionCount, 0);
        for (const UsefulCommandEntry &entry : UsefulCommandList::entries()) {
            ++perSection[entry.section];
            wide += entry.wide ? 1 : 0;
        }
        QCOMPARE(perSection, QVector<int>({ 86, 9,  7,  1, 5,  14, 14, 1,  1,  5,  1,
                                            5,  13, 12, 2, 35, 3,  5,  31, 10, 17, 4 }));
        QCOMPARE(wide, 16);
    }

    void usefulCommandsHeadings_data()
    {
        QTest::addColumn<int>("section");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("row");
        QTest::newRow("Accounts") << 1 << "Accounts" << 20;
        QTest::newRow("Apps") << 2 << "Apps" << 23;
        QTest::newRow("Control Center") << 3 << "Control Center" << 26;
        QTest::newRow("Devices") << 5 << "Devices" << 30;
        QTest::newRow("Gaming") << 9 << "Gaming" << 42;
        QTest::newRow("Privacy") << 15 << "Privacy" << 59;
        QTest::newRow("System") << 18 << "System" << 71;
        QTest::newRow("Update and security") << 20 << "Update and security" << 82;
        QTest::newRow("User accounts") << 21 << "User accounts" << 88;
    }

    void usefulCommandsHeadings()
    {
        QFETCH(int, section);
        QFETCH(QString, text);
        QFETCH(int, row);
        QLabel *heading = window->commandHeadingLabels.at(section - 1);
        QCOMPARE(heading->text(), text);
        QVERIFY(heading->font().bold());
        QVERIFY(heading->toolTip().isEmpty());
        const GridPosition position = gridPosition(heading);
        QCOMPARE(position.row, row);
        QCOMPARE(position.column, 0);
        QCOMPARE(position.columnSpan, 1);
    }

    void usefulCommandsCells_data()
    {
        QTest::addColumn<int>("section");
        QTest::addColumn<QString>("label");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("column");
        QTest::addColumn<int>("span");
        QTest::newRow("Registry") << 0 << "Registry"
                                  << "Registry" << 1 << 0 << 1;
        QTest::newRow("Windows Defender") << 0 << "Windows Defender"
                                          << "Windows Defender" << 1 << 4 << 1;
        QTest::newRow("Programs and Features") << 0 << "Programs and Features"
                                               << "Programs and Features" << 3 << 1 << 2;
        QTest::newRow("Devices") << 0 << "Devices and Printers"
                                 << "Devices and Printers" << 3 << 4 << 1;
        QTest::newRow("Network and Sharing Center") << 0 << "Network and Sharing Center"
                                                    << "Network and Sharing Center" << 4 << 3 << 2;
        QTest::newRow("DX x64") << 0 << "DX Diagnostic Tool (x64)"
                                << "DX Diagnostic Tool (x64)" << 5 << 4 << 1;
        QTest::newRow("PowerShell") << 0 << "Windows PowerShell"
                                    << "Windows PowerShell" << 6 << 0 << 1;
        QTest::newRow("Ping") << 0 << "Ping"
                              << "Ping" << 19 << 0 << 1;
        QTest::newRow("Email && app accounts") << 1 << "Email && app accounts"
                                               << "Email && app accounts" << 21 << 1 << 1;
        QTest::newRow("Fingerprint") << 1 << "Windows Hello (Fingerprint) setup"
                                     << "Windows Hello (Fingerprint) setup" << 22 << 2 << 2;
        QTest::newRow("Your info") << 1 << "Your info"
                                   << "Your info" << 22 << 4 << 1;
        QTest::newRow("Control center") << 3 << "Control center"
                                        << "Control center" << 27 << 0 << 1;
        QTest::newRow("Extras") << 7 << "Extras"
                                << "Extras" << 39 << 0 << 1;
        QTest::newRow("Family Group") << 8 << "Family Group"
                                      << "Family Group" << 41 << 0 << 1;
        QTest::newRow("Default browser") << 10 << "Default browser settings"
                                         << "Default browser settings" << 46 << 0 << 1;
        QTest::newRow("Personalization Fonts") << 13 << "Fonts"
                                               << "Fonts" << 54 << 0 << 1;
        QTest::newRow("Voice activation") << 15 << "Voice activation"
                                          << "Voice activation" << 66 << 4 << 1;
        QTest::newRow("Disks && volumes") << 18 << "Disks && volumes"
                                          << "Disks && volumes" << 78 << 0 << 1;
        QTest::newRow("Windows Update (section)") << 20 << "Windows Update"
                                                  << "Windows Update" << 85 << 4 << 1;
        QTest::newRow("Troubleshoot") << 20 << "Troubleshoot"
                                      << "Troubleshoot" << 86 << 4 << 1;
        QTest::newRow("View update history")
            << 20 << "Windows Update-View update history"
            << "Windows Update-View update history" << 87 << 2 << 2;
        QTest::newRow("Windows Anywhere") << 21 << "Windows Anywhere"
                                          << "Windows Anywhere" << 89 << 3 << 1;
    }

    void usefulCommandsCells()
    {
        QFETCH(int, section);
        QFETCH(QString, label);
        QFETCH(QString, text);
        QFETCH(int, row);
        QFETCH(int, column);
        QFETCH(int, span);
        QPushButton *button = command(section, label.toLatin1().constData());
        QVERIFY(button);
        QCOMPARE(button->text(), text);
        QCOMPARE(button->toolTip(), text);
        QCOMPARE(button->minimumHeight(), 23);
        QVERIFY(!button->font().bold());
        const GridPosition position = gridPosition(button);
        QCOMPARE(position.row, row);
        QCOMPARE(position.column, column);
        QCOMPARE(position.columnSpan, span);
        QCOMPARE(position.rowSpan, 1);
    }

    void usefulCommandsGridRows()
    {
        QGridLayout *grid = commandGrid();
        QVERIFY(grid);
        QCOMPARE(grid->rowCount(), 90);
        QCOMPARE(grid->columnCount(), 5);
        QCOMPARE(grid->contentsMargins(), QMargins(0, 0, 10, 5));
        QCOMPARE(grid->alignment(), Qt::AlignTop);
        QCOMPARE(gridPosition(window->allCommandsLabel).row, 0);
        QCOMPARE(gridPosition(window->allCommandsLabel).column, 0);

        // Count the columns each row holds; every row holds something, and every button row but
        // a section's last one is full.
        QVector<int> taken(90, 0);
        QVector<bool> headingRow(90, false);
        for (int i = 0; i < grid->count(); ++i) {
            int row, column, rowSpan, columnSpan;
            grid->getItemPosition(i, &row, &column, &rowSpan, &columnSpan);
            taken[row] += columnSpan;
            if (qobject_cast<QLabel *>(grid->itemAt(i)->widget()))
                headingRow[row] = true;
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

    void usefulCommandsTooltips()
    {
        for (QPushButton *button : window->usefulCommandButtons) {
            QVERIFY(!button->text().isEmpty());
            QCOMPARE(button->toolTip(), button->text());
            QVERIFY(button->isVisibleTo(window->usefulCommandsPage));
        }
        QVERIFY(window->dxDiagnosticToolX64Btn->isEnabled());
        QCOMPARE(window->devicesBtn->text(), QStringLiteral("Devices and Printers"));
    }

    void usefulCommandsSearchWidgets()
    {
        QCOMPARE(window->searchCommandEdit->placeholderText(),
                 QStringLiteral("Search useful commands"));
        QVERIFY(window->searchCommandEdit->text().isEmpty());
        QCOMPARE(window->searchCommandEdit->size(), QSize(250, 25));
        QVERIFY(window->searchCommandEdit->isClearButtonEnabled());
        QCOMPARE(window->searchCommandEdit->actions().size(), 1);
        QVERIFY(!window->searchCommandEdit->actions().first()->icon().isNull());
        QVERIFY(window->searchBtn->isHidden());
        QVERIFY(window->searchBtn->isEnabled());
        QVERIFY(window->searchBtn->text().isEmpty());
        QVERIFY(window->searchBtn->toolTip().isEmpty());
        QCOMPARE(window->searchBtn->size(), QSize(24, 25));
        QVERIFY(window->noCommandFoundLabel->isHidden());
        QCOMPARE(window->noCommandFoundLabel->text(),
                 QStringLiteral("No such useful command is found!"));
        QCOMPARE(window->allCommandsLabel->text(), QStringLiteral("All commands"));
        QVERIFY(window->allCommandsLabel->font().bold());
    }

    void untranslatedTexts()
    {
        MarkingTranslator marker;
        QCoreApplication::installTranslator(&marker);
        VerdimonNuvo translated(VerdimonNuvo::StartupActions::WidgetsOnly);
        QCoreApplication::removeTranslator(&marker);

        QCOMPARE(translated.tabControl->tabText(1), QStringLiteral("@OS"));
        QCOMPARE(translated.tabControl->tabBar()->tabData(1).toString(), QStringLiteral("OS"));
        QCOMPARE(translated.settingsMenuView->item(0)->text(),
                 QStringLiteral("@Application settings"));
        QCOMPARE(translated.settingsMenuView->item(8)->text(), QStringLiteral("SMART"));
        QCOMPARE(translated.settingsMenuView->item(9)->text(), QStringLiteral("TPM"));
        QCOMPARE(translated.languageComboBox->itemText(0), QStringLiteral("@Auto select"));
        QCOMPARE(translated.languageComboBox->itemText(1), QStringLiteral("English"));
        QCOMPARE(translated.updatesDeliveryComboBox->itemText(0), QStringLiteral("Dravonel"));
        QCOMPARE(translated.companyValueLabel->text(), QStringLiteral("Dravonel"));

        const QStringList plain = { "Windows PowerShell", "OneDrive",         "Paint", "Wordpad",
                                    "IExpress",           "Internet Explorer" };
        int translatedButtons = 0;
        for (int i = 0; i < translated.usefulCommandButtons.size(); ++i) {
            const QString label = QString::fromLatin1(UsefulCommandList::entries().at(i).label);
            QPushButton *button = translated.usefulCommandButtons.at(i);
            if (button == translated.devicesBtn) {
                QCOMPARE(button->text(), QStringLiteral("@Devices and Printers"));
            } else if (plain.contains(label)) {
                QCOMPARE(button->text(), label);
            } else {
                QCOMPARE(button->text(), QStringLiteral("@") + label);
                ++translatedButtons;
            }
            QCOMPARE(button->toolTip(), button->text());
        }
        QCOMPARE(translatedButtons, 281 - 6 - 1);
        for (QLabel *heading : translated.commandHeadingLabels)
            QVERIFY(heading->text().startsWith(QLatin1Char('@')));
    }
};

QTEST_MAIN(TstUsefulCommandsPage)
#include "tst_usefulcommandspage.moc"
