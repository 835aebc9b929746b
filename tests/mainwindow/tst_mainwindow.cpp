// Structure of the main window: tabs, page trees, the Settings frame and its pages and the states
// of the widgets right after construction; then the report writers on synthetic pages with a
// fixed clock, and the window's saving, PDF export, printing and sharing.

#include "accounts/accountimage.h"
#include "app/applog.h"
#include "app/atomicfile.h"
#include "app/licenseagreement.h"
#include "app/msgdialog.h"
#include "app/settings.h"
#include "diskfaults.h"
#include "ftpstandin.h"
#include "mainwindow/reportfiles.h"
#include "mainwindow/reportsavedialog.h"
#include "mainwindow/reportwriter.h"
#include "mainwindow/verdimonnuvo.h"
#include "widgets/appqlabel.h"
#include "widgets/apptabcontrol.h"
#include "widgets/scrollbar.h"
#include "widgets/switch.h"
#include "windowfixture.h"

#include <QApplication>
#include <QComboBox>
#include <QHeaderView>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QSettings>
#include <QSlider>
#include <QSplitter>
#include <QStackedWidget>
#include <QTabBar>
#include <QTemporaryDir>
#include <QTemporaryFile>
#include <QTextBrowser>
#include <QTimer>
#include <QTreeWidget>
#include <QtTest>

namespace {

// The standard output of a program, or its failure and error output.
QString run(const QString &program, const QStringList &args)
{
    QProcess process;
    process.start(program, args);
    if (process.waitForFinished(20000) && process.exitCode() == 0)
        return QString::fromUtf8(process.readAllStandardOutput());
    return "failed: " + process.errorString() + process.readAllStandardError();
}

ReportItem row(const QString &label, const QString &value)
{
    return { { label, value }, {} };
}

ReportItem group(const QString &name, const QVector<QStringList> &children)
{
    return { { name, QString() }, children };
}

ReportData syntheticPages()
{
    ReportData data;
    data.languageIndex = 1;
    data.systemLanguage = QLocale::Russian;
    data.created = QDateTime(QDate(2026, 12, 5), QTime(15, 4, 5));
    data.trees[ReportData::OS].items
        = { row("Name", "Debian GNU/Linux 12"), row("Value with %1", "50% of %2") };
    data.trees[ReportData::CPU].items
        = { group("Processor", { { "L2 cache size", "2 MB" }, { "Cores", "8" } }) };
    data.trees[ReportData::GPU].items = { group("Adapter A", { { "Size (GB)", "4" } }),
                                          group("Adapter B", { { "Read-only", "No" } }) };
    data.trees[ReportData::Storage].items
        = { row("Drives", "1"), group("Disk, 1/2", { { "Model", "Contoso" } }) };
    data.trees[ReportData::Motherboard].items = { row("Maker", "Fabrikam") };
    const QStringList services { "Name", "Start type" };
    data.trees[ReportData::Services] = { services, { { { "cron", "Auto" }, {} } } };
    for (int list = ReportData::Processes; list <= ReportData::Startup; ++list)
        data.trees[list].headers = QStringList { "Name" };
    data.trees[ReportData::Smart] = { { "ID", "Raw data" }, { { { "5", "0" }, {} } } };
    data.smartDescription = "Disk (0)";
    return data;
}

QByteArray golden(const QString &name)
{
    QFile file(QStringLiteral(VN_SOURCE_DIR "/tests/mainwindow/data/") + name);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class TstMainWindow : public QObject, private WindowFixture
{
    Q_OBJECT

    QTemporaryDir dir;
    QStringList messages;

    // Runs the save with the dialog answering (name, filter index); returns the message text.
    QString save(const QString &name, int filterIndex)
    {
        messages.clear();
        ReportSaveDialog::setTestChooser([&](const QString &, const QStringList &filters) {
            return ReportSaveDialog::Choice { name, filters.value(filterIndex, "Other (*.x)") };
        });
        window->saveDataFile();
        return messages.value(0);
    }

private slots:
    void initTestCase()
    {
        startWindow();
        window->osTree->addTopLevelItem(new QTreeWidgetItem({ "Name", "Debian é 中 <&>" }));
        auto *cpu = new QTreeWidgetItem({ "Processor", "" });
        cpu->addChild(new QTreeWidgetItem({ "Cores", "8" }));
        window->cpuTree->addTopLevelItem(cpu);
        // Enough rows for several PDF pages.
        for (int row = 1; row <= 150; ++row)
            window->processesTree->addTopLevelItem(
                new QTreeWidgetItem({ QStringLiteral("process-%1").arg(row) }));
        MsgDialog::setTestResponder([this](MsgDialog *dialog) {
            messages << dialog->textLabel()->text();
            return int(QDialogButtonBox::Ok);
        });
    }

    void cleanupTestCase() { stopWindow(); }

    void windowFrameAndTabs()
    {
        QCOMPARE(window->minimumSize(), QSize(12 * 115, 510)); // all twelve fixed-size tabs
        QVERIFY(window->trayIcon && !window->trayIcon->isVisible());

        const QStringList keys({ "Main", "OS", "CPU", "GPU", "RAM", "Storage", "Optical Devices",
                                 "Motherboard", "Sound Devices", "Network", "Peripheral",
                                 "Settings" });
        QCOMPARE(window->tabControl->count(), keys.size());
        for (int index = 0; index < keys.size(); ++index) {
            QCOMPARE(window->tabControl->tabText(index), keys.at(index));
            QCOMPARE(window->restoreTabsOrder(keys.at(index)), index);
        }
    }

    // Each hardware tab holds one two-column tree; Main, OS and Motherboard are flat. The lists
    // (their headers are checked with the pages' texts) are flat; Drivers, Startup and SMART sort
    // by name. Hovering a cell of any tree, the summary's and the TPM's too, shows its own text.
    void trees()
    {
        for (int index = 0; index < 11; ++index) {
            QWidget *page = window->tabControl->widget(index);
            auto *tree = qobject_cast<QTreeWidget *>(page->layout()->itemAt(0)->widget());
            QVERIFY(tree);
            QCOMPARE(tree->columnCount(), 2);
            QVERIFY(tree->isHeaderHidden());
            QCOMPARE(tree->indentation() == 0, index == 0 || index == 1 || index == 7);
            QCOMPARE(tree->font().pixelSize(), Settings::fontSize());
        }
        for (int row = 3; row <= 8; ++row) { // Services to SMART
            QTreeWidget *tree = window->settingsStack->widget(row)->findChild<QTreeWidget *>();
            QVERIFY(tree);
            QCOMPARE(tree->isSortingEnabled(), row >= 6);
            if (row >= 6)
                QVERIFY(tree->header()->sortIndicatorSection() == 0
                        && tree->header()->sortIndicatorOrder() == Qt::AscendingOrder);
            QCOMPARE(tree->indentation(), 0);
        }
        const QList<QTreeWidget *> trees = window->findChildren<QTreeWidget *>();
        QCOMPARE(trees.size(), 18);
        for (QTreeWidget *tree : trees) {
            QVERIFY(qobject_cast<ScrollBar *>(tree->verticalScrollBar()));
            auto *item = new QTreeWidgetItem(tree, { "A", "B" });
            emit tree->itemEntered(item, 1);
            QCOMPARE(item->toolTip(1), "B");
            delete item;
        }
    }

    void settingsFrame()
    {
        QListWidget *menu = window->settingsMenuView;
        QStringList keys;
        for (int row = 0; row < menu->count(); ++row)
            keys << menu->item(row)->data(Qt::UserRole).toString();
        QCOMPARE(keys.join('|'),
                 "Settings|Misc|Useful Commands|Services|Processes|Applications|"
                 "Drivers|Startup|SMART|TPM|Updates|About");
        QCOMPARE(menu->currentRow(), 0);
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

    // A new window: every switch (their texts are checked with the pages' texts) shows its text
    // as its tip and starts off and enabled; every collecting label shows, every no-data label is
    // hidden; the link labels show a hand while hovered, and the EULA and feedback links open the
    // program's own dialogs.
    void settingsPagesAtStart()
    {
        const QList<Switch *> switches = window->findChildren<Switch *>();
        QCOMPARE(switches.size(), 18);
        for (Switch *option : switches) {
            QCOMPARE(option->toolTip(), option->text());
            QVERIFY2(!option->isChecked() && option->isEnabled(), qPrintable(option->text()));
        }
        const auto items = [](const QComboBox *box) {
            QStringList texts;
            for (int i = 0; i < box->count(); ++i)
                texts << box->itemText(i);
            return texts.join(QLatin1Char(','));
        };
        QVERIFY(items(window->fontFamilyComboBox).startsWith("Arial,MS Shell Dlg 2,Roboto,"));
        QCOMPARE(items(window->fontSizeComboBox),
                 "6,7,8,9,10,11,12,14,16,18,20,22,24,26,28,36,48,72");
        QVERIFY(!window->applyFontBtn->isEnabled() && !window->resetFontBtn->isEnabled());
        QCOMPARE(window->opacitySlider->value(), 10);
        QCOMPARE(window->updatesChannelComboBox->currentText(), "Development");
        QCOMPARE(window->updatesDeliveryComboBox->currentText(), "Dravonel");
        for (QLineEdit *edit : { window->downloadPathEdit, window->installPathEdit })
            QVERIFY(edit->text().isEmpty() && edit->isReadOnly());

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
        QCOMPARE(window->accountImage->toolTip(), "Account");
        for (AppQLabel *label :
             { window->uninstallAppLabel, window->smartInfoLabel, window->eulaLink,
               window->privacyPolicyLink, window->feedbackLink, window->websiteLink }) {
            QVERIFY(label->testAttribute(Qt::WA_Hover)); // hover events tell it the mouse is in
            emit label->mouseEnter();
            QCOMPARE(label->cursor().shape(), Qt::PointingHandCursor);
            emit label->mouseLeave();
            QVERIFY(!label->testAttribute(Qt::WA_SetCursor));
            QCOMPARE(label->openExternalLinks(),
                     label == window->privacyPolicyLink || label == window->websiteLink);
        }
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

    void goldenReports_data()
    {
        QTest::addColumn<bool>("ini");
        QTest::addColumn<QString>("file");
        QTest::newRow("text") << false << "report.txt";
        QTest::newRow("INI") << true << "report.ini";
    }

    void goldenReports()
    {
        QFETCH(bool, ini);
        QFETCH(QString, file);
        const ReportData data = syntheticPages();
        QCOMPARE((ini ? saveReportAsIni(data) : saveReportAsText(data)).toUtf8(), golden(file));
    }

    // Hostile names and values as QSettings and Python's configparser read them: the same keys
    // and no other section, and the value exactly as written.
    void iniReadersReadWhatWasWritten_data()
    {
        QTest::addColumn<QString>("label");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("written");
        const char *const rows[][4]
            = { { "Model", "A\n[Injected]\nk=v", "Model", "A%0A[Injected]%0Ak=v" },
                { "a=b:c", "x", "a_b_c", "x" },
                { "; note", "a;b # c", "__note", "a%3Bb # c" },
                { "[List]", "a, \"b\", c\\d", "_List_", "a%2C %22b%22%2C c%5Cd" },
                { "100%", "  @Invalid() ", "100_", "%20 @Invalid()%20" },
                { "@tab\there", "@\t\r\x01\u0085end", "@tab_here", "%40%09%0D%01%C2%85end" },
                { "N", "José 中文 50% %2 %3B", "N", "José 中文 50% %2 %253B" },
                { "", "", "_", "" } };
        for (const auto &r : rows)
            QTest::addRow("%s", r[2])
                << QString(r[0]) << QString(r[1]) << QString(r[2]) << QString(r[3]);
    }

    void iniReadersReadWhatWasWritten()
    {
        QFETCH(QString, label);
        QFETCH(QString, value);
        QFETCH(QString, key);
        QFETCH(QString, written);
        ReportData data;
        data.trees[ReportData::OS].items = { row(label, value), row("Last", "end") };
        QTemporaryFile file;
        QVERIFY(file.open());
        file.write(saveReportAsIni(data).toUtf8());
        file.close();
        QSettings settings(file.fileName(), QSettings::IniFormat);
        settings.setIniCodec("UTF-8");
        QJsonObject byQt;
        for (const QString &name : settings.allKeys())
            byQt[name] = settings.value(name).toString();
        QCOMPARE(byQt.size(), 3);
        QCOMPARE(byQt.value("OS/" + key).toString(), written);
        QCOMPARE(byQt.value("OS/Last").toString(), QString("end"));
        const QString python = run(
            "/usr/bin/python3",
            { "-c",
              "import configparser, json, sys\nc = configparser.ConfigParser(strict=False, "
              "interpolation=None)\nc.optionxform = str\nc.read(sys.argv[1], encoding='utf-8')\n"
              "print(json.dumps({s + '/' + k: v for s in c.sections() for k, v in c[s].items()}))",
              file.fileName() });
        QCOMPARE(QJsonDocument::fromJson(python.toUtf8()).object(), byQt);
    }

    void creationDate_data()
    {
        QTest::addColumn<int>("language");
        QTest::addColumn<int>("system");
        QTest::addColumn<QString>("date");
        QTest::newRow("auto, Russian system") << 0 << int(QLocale::Russian) << "12/5/2026 15:04:05";
        QTest::newRow("auto, English system")
            << 0 << int(QLocale::English) << "12/5/2026 03:04:05 PM";
        QTest::newRow("English") << 1 << int(QLocale::Russian) << "12/5/2026 03:04:05 PM";
        QTest::newRow("Ukrainian") << 3 << int(QLocale::English) << "12/5/2026 15:04:05";
    }

    void creationDate()
    {
        QFETCH(int, language);
        QFETCH(int, system);
        QTEST(reportCreationDate(language, QLocale::Language(system),
                                 QDateTime(QDate(2026, 12, 5), QTime(15, 4, 5))),
              "date");
    }

    void xmlSurvivesHostileData()
    {
        ReportData data = syntheticPages();
        const QString hostile = QStringLiteral("Mainteneur: Sébastien <sé@中.org> & \"co\"");
        data.trees[ReportData::Motherboard].items
            = { row("9 <name> a:b & é", hostile),
                row("中 control\x01", QString("bad\x01 ") + QChar(0xD800) + " end"),
                row("", "empty label") };
        data.trees[ReportData::Tpm].items = { row("Version", "2.0") };
        QTemporaryFile file;
        QVERIFY(file.open());
        QVERIFY(saveReportAsXml(data, &file));
        QVERIFY(file.seek(0));
        const QString xml = QString::fromUtf8(file.readAll());
        // Names made safe, texts escaped and cleaned of what XML can not hold, empty pages.
        for (const char *part :
             { "?>\n<All_Data>\n",
               "<_9__name__a_b___é>Mainteneur: Sébastien &lt;sé@中.org&gt; "
               "&amp; &quot;co&quot;</",
               "<中_control_>bad  end</", "<_>empty label</", "<RAM/>", "<SMART_Disk__0_>" })
            QVERIFY2(xml.contains(QString::fromUtf8(part)), part);
        QVERIFY(xml.startsWith(R"(<?xml version="1.0" encoding="UTF-8"?>)"));
        QCOMPARE(run("xmllint", { "--noout", file.fileName() }), QString());
    }

    void saveFormats_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("filter");
        QTest::addColumn<QString>("saved");
        QTest::addColumn<QByteArray>("start");
        QTest::newRow("text, suffix added")
            << "Info" << 0 << "Info.txt" << QByteArray("Creation date");
        QTest::newRow("INI") << "Info" << 1 << "Info.ini" << QByteArray("[Date]\nCreation_date=");
        QTest::newRow("Word is plain text")
            << "Info" << 2 << "Info.doc" << QByteArray("Creation date");
        QTest::newRow("XML") << "Info" << 3 << "Info.xml"
                             << QByteArray("<?xml version=\"1.0\" encoding=\"UTF-8\"?>");
        QTest::newRow("All Files with .ini name")
            << "a.ini" << 5 << "a.ini" << QByteArray("Creation date");
        QTest::newRow("All Files keeps a bare name")
            << "plain" << 5 << "plain" << QByteArray("Creation date");
    }

    void saveFormats()
    {
        QFETCH(QString, typed);
        QFETCH(int, filter);
        QFETCH(QString, saved);
        QFETCH(QByteArray, start);
        QCOMPARE(save(dir.filePath(typed), filter), saved + " file was successfully saved!");
        QFile file(dir.filePath(saved));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        QVERIFY(bytes.startsWith(start));
        // UTF-8 keeps what a single-byte code page would turn into '?'.
        QVERIFY(bytes.contains(filter == 3 ? "Debian é 中 &lt;&amp;&gt;" : "Debian é 中 <&>"));
        QVERIFY(bytes.contains("process-150"));
    }

    void unwritableFolderIsReported()
    {
        QCOMPARE(save(dir.filePath("missing/Info"), 0).section('\n', 0, 0),
                 QStringLiteral("Info.txt file could not be saved!"));
        QCOMPARE(save(dir.filePath("Info"), 9), QStringLiteral("Error has occurred!"));
        QVERIFY(!QFile::exists(dir.filePath("missing")));
    }

    // A full disk: the failure with the system's reason, the earlier report as it was, and no
    // part left, nor one of a writer killed before, nor a cut one of earlier versions' PDF export.
    void fullDiskKeepsEarlierReport_data()
    {
        QTest::addColumn<int>("filter");
        QTest::addColumn<int>("left"); // free bytes; -1: no filling
        QTest::addColumn<QString>("message");
        const QString full = "Info.%1 file could not be saved!\nNo space left on device";
        QTest::newRow("text") << 0 << 0 << full.arg("txt");
        QTest::newRow("INI") << 1 << 0 << full.arg("ini");
        QTest::newRow("XML") << 3 << 0 << full.arg("xml");
        QTest::newRow("PDF") << 4 << 8192 << full.arg("pdf");
        QTest::newRow("PDF with room") << 4 << -1 << "Info.pdf file was successfully saved!";
    }

    void fullDiskKeepsEarlierReport()
    {
        QFETCH(int, filter);
        QFETCH(int, left);
        QFETCH(QString, message);
        VN_SMALL_DISK(disk, 1024 * 1024);
        const QString name = "Info." + QString("txt ini doc xml pdf").split(' ').at(filter);
        QVERIFY(AtomicFile::writeFile(disk.filePath(name), "earlier", nullptr));
        QVERIFY(killedAfter([&]() { return (new AtomicFile(disk.filePath("Old.txt")))->open(); }));
        QCOMPARE(filesIn(disk.path()).filter(".Old.txt.vnpart-").size(), 1);
        AtomicFile busy(disk.filePath("busy.txt")); // a save at work meanwhile keeps its part
        QVERIFY(busy.open());
        QVERIFY(AtomicFile::writeFile(disk.filePath(".Zz9Zz9.pdf"), "%PDF-1.4\n1 0", nullptr));
        QVERIFY(AtomicFile::writeFile(disk.filePath(".Qq1Qq1.pdf"), "%PDF-1.4\n%%EOF\n", nullptr));
        if (left >= 0)
            QVERIFY(disk.fill(left));
        save(disk.filePath("Info"), filter);
        QTRY_VERIFY_WITH_TIMEOUT(!messages.isEmpty(), 30000);
        QCOMPARE(messages, QStringList { message });
        QCOMPARE(QApplication::overrideCursor(), nullptr);
        QFile file(disk.filePath(name));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.read(7), QByteArray(left >= 0 ? "earlier" : "%PDF-1."));
        QCOMPARE(filesIn(disk.path()).filter(".busy.txt.vnpart-").size(), 1);
        QVERIFY(busy.commit());
        QStringList expected { ".Qq1Qq1.pdf", ".Zz9Zz9.pdf", name, "busy.txt", "filler" };
        if (filter == 4)
            expected.removeOne(".Zz9Zz9.pdf"); // only the PDF export knows that naming
        if (left < 0)
            expected.removeOne("filler");
        QCOMPARE(filesIn(disk.path()), expected);
    }

    void pdfHasEveryPage()
    {
        QVERIFY(save(dir.filePath("report"), 4).isEmpty()); // the message comes when written
        QTRY_COMPARE_WITH_TIMEOUT(messages,
                                  QStringList { "report.pdf file was successfully saved!" }, 30000);
        const QString pdf = dir.filePath("report.pdf");
        const QString info = run("pdfinfo", { pdf });
        QVERIFY2(info.contains(QRegularExpression("Page size:\\s+595 x 842 pts \\(A4\\)")),
                 qPrintable(info));
        const int pages = QRegularExpression("Pages:\\s+(\\d+)").match(info).captured(1).toInt();
        QVERIFY(pages >= 2);
        const QString text = run("pdftotext", { "-layout", pdf, "-" });
        QCOMPARE(text.count('\f'), pages);
        QVERIFY(text.contains("Debian é"));
        for (int row = 1; row <= 150; ++row)
            QVERIFY(text.contains(QRegularExpression(QStringLiteral("\\bprocess-%1\\b").arg(row))));
        QCOMPARE(QApplication::overrideCursor(), nullptr);
    }

    void printsOnPdfPrinter()
    {
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(dir.filePath("printed.pdf"));
        window->printReport(&printer);
        const QString text = run("pdftotext", { dir.filePath("printed.pdf"), "-" });
        QVERIFY(text.contains("Cores: 8"));
        QVERIFY(text.contains("process-150"));
    }

    // The hardware-data file is whole or absent: a full disk gives the system's reason and
    // leaves nothing; parts of killed writers, this version's and earlier ones', go.
    void hardwareDataFileIsWholeOrAbsent_data()
    {
        QTest::addColumn<int>("left"); // free bytes; -1: no filling
        QTest::addColumn<QString>("reason");
        QTest::newRow("room") << -1 << "";
        QTest::newRow("full disk") << 0 << "No space left on device";
    }

    void hardwareDataFileIsWholeOrAbsent()
    {
        QFETCH(int, left);
        QFETCH(QString, reason);
        VN_SMALL_DISK(disk);
        const QString name = "Verdimon_Nuvo_Data_en_US_2026.12.07.05.50.00.000.txt";
        QVERIFY(AtomicFile::writeFile(disk.filePath("Verdimon_Nuvo_Data_en_US_2020.txt.Ab12Cd"),
                                      "cut", nullptr));
        QVERIFY(killedAfter([&]() { return (new AtomicFile(disk.filePath(name)))->open(); }));
        QCOMPARE(filesIn(disk.path()).size(), 2);
        if (left >= 0)
            QVERIFY(disk.fill(left));
        const QByteArray text = QByteArray("hardware é 中\n").repeated(2000);
        QString shown;
        QCOMPARE(ReportFiles::writeHardwareDataFile(disk.path(), disk.filePath(name), text, &shown),
                 reason.isEmpty());
        QVERIFY2(shown.contains(reason), qPrintable(shown));
        QCOMPARE(filesIn(disk.path()), QStringList(reason.isEmpty() ? name : "filler"));
        QFile file(disk.filePath(name));
        QCOMPARE(file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray(),
                 reason.isEmpty() ? text : QByteArray());
    }

    void sharedFileArrives()
    {
        const QString folder
            = QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation) + "/Data";
        FtpStandIn server;
        // A server that acknowledges what it never read: the file stays for the next upload.
        QVERIFY2(server.start("ack-unread"), qPrintable(server.errorText()));
        server.applyEnvironment();
        window->shareHardwareData();
        QTRY_VERIFY_WITH_TIMEOUT(
            logView()->toPlainText().contains("hardware data could not be sent"), 30000);
        const QStringList failed = QDir(folder).entryList(QDir::Files);
        QCOMPARE(failed.size(), 1);
        QFile failedFile(folder + "/" + failed.first());
        QVERIFY(failedFile.open(QIODevice::ReadOnly));
        const QByteArray failedContent = failedFile.readAll();
        QVERIFY(failedContent.startsWith("Application name: Verdimon Nuvo\n"));
        // Files of five earlier starts, older still: four earlier files go along with the next
        // upload (the failed one and the three newest of these), the two oldest are removed.
        for (int day = 1; day <= 5; ++day) {
            QFile stale(
                QStringLiteral("%1/Verdimon_Nuvo_Data_en_US_2020.01.0%2.txt").arg(folder).arg(day));
            QVERIFY(stale.open(QIODevice::WriteOnly) && stale.write("stale") == 5 && stale.flush());
            QVERIFY(stale.setFileTime(QDateTime::currentDateTime().addDays(day - 10),
                                      QFileDevice::FileModificationTime));
        }
        QVERIFY2(server.start(), qPrintable(server.errorText()));
        server.applyEnvironment();
        window->shareHardwareData();
        const QString remote = "public_html/apps/verdimon_nuvo/telemetry/data/";
        QTRY_VERIFY_WITH_TIMEOUT(
            logView()->toPlainText().count("hardware data was successfully sent") == 5, 30000);
        QStringList arrived = server.receivedFiles().replaceInStrings(remote, "");
        QCOMPARE(server.receivedFile(remote + failed.first()), failedContent);
        QVERIFY(arrived.removeOne(failed.first()));
        for (int day = 3; day <= 5; ++day)
            QVERIFY2(
                arrived.removeOne(QString("Verdimon_Nuvo_Data_en_US_2020.01.0%1.txt").arg(day)),
                qPrintable(QString::number(day)));
        QCOMPARE(arrived.size(), 1);
        QVERIFY(QRegularExpression("^Verdimon_Nuvo_Data_.+_\\d{4}(\\.\\d\\d){5}\\.\\d{3}\\.txt$")
                    .match(arrived.first())
                    .hasMatch());
        const QString shared = remote + arrived.first();
        const QByteArray data = server.receivedFile(shared);
        QVERIFY(data.startsWith("Application name: Verdimon Nuvo\nApplication build: 4.1.3.742\n"
                                "Application channel: "));
        QVERIFY(data.contains("\nApplication architecture: x64\nCreation date: "));
        QVERIFY(data.contains("Debian é 中 <&>"));
        // Every file that arrived is gone, and the folder with them.
        QTRY_VERIFY(!QFile::exists(folder));

        // A file that cannot be written is logged with the reason, and nothing is sent.
        QFile blocker(folder);
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        server.clear();
        window->shareHardwareData();
        QTRY_VERIFY(
            logView()->toPlainText().contains("hardware data could not be sent (Not a directory)"));
        QVERIFY(server.receivedFiles().isEmpty());
        QVERIFY(blocker.remove());
    }
};

QTEST_MAIN(TstMainWindow)
#include "tst_mainwindow.moc"
