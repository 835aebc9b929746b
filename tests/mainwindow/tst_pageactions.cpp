// The actions of the Settings pages: reading a drive's S.M.A.R.T. attributes (the fake device),
// uninstalling a program (throw-away scripts against a throw-away package database), removing a
// start-up entry (throw-away autostart folders) and the Useful commands search.

#include "app/msgdialog.h"
#include "mainwindow/detectionstats.h"
#include "mainwindow/listrowbatcher.h"
#include "mainwindow/verdimonnuvo.h"
#include "platform/fakes/fakeplatform.h"
#include "widgets/appqlabel.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <QtTest>

using plat::FakeSmartIo;

namespace {

const QString kHklmUninstall
    = QStringLiteral("HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall");
const QString kHkcuRun
    = QStringLiteral("HKEY_CURRENT_USER\\Software\\Microsoft\\Windows\\CurrentVersion\\Run");
const QString kHklmRun
    = QStringLiteral("HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run");

FakeSmartIo::Drive smartDrive(const QVector<FakeSmartIo::Attribute> &attributes)
{
    FakeSmartIo::Drive drive;
    drive.identify = FakeSmartIo::identifyPage(QStringLiteral("Disk"), QStringLiteral("1"),
                                               QStringLiteral("1"));
    drive.attributes = FakeSmartIo::attributePage(attributes);
    QVector<QPair<quint8, quint8>> thresholds;
    for (const FakeSmartIo::Attribute &a : attributes)
        thresholds.append({ a.id, 10 });
    drive.thresholds = FakeSmartIo::thresholdPage(thresholds);
    return drive;
}

bool writeFile(const QString &path, const QByteArray &content)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(content) == content.size();
}

bool waitForWorkers()
{
    QDeadlineTimer deadline(15000);
    while (DetectionStats::liveThreads() > 0 || DetectionStats::liveWorkers() > 0) {
        if (deadline.hasExpired())
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    return true;
}

} // namespace

class TstPageActions : public QObject
{
    Q_OBJECT

    QTemporaryDir root;
    plat::FakePlatform fakes;
    std::unique_ptr<plat::ScopedPlatform> scoped;
    std::unique_ptr<VerdimonNuvo> window;
    QStringList boxes; // "title|text" of every message box
    int answer = QDialogButtonBox::Ok;

    QStringList column(QTreeWidget *tree, int index) const
    {
        QStringList texts;
        for (int row = 0; row < tree->topLevelItemCount(); ++row)
            texts.append(tree->topLevelItem(row)->text(index));
        return texts;
    }

    QTreeWidgetItem *addProgram(const QString &name, const QString &command,
                                const QString &key = kHklmUninstall)
    {
        Application app;
        app.name = name;
        app.uninstallPath = command;
        app.registryKey = key;
        app.registrySubkey = QStringLiteral("dpkg:") + name;
        window->setAppsData(app);
        window->listRows()->flush(window->appsTree);
        return window->appsTree->topLevelItem(window->appsTree->topLevelItemCount() - 1);
    }

    QString script(const QString &name, const QByteArray &body)
    {
        const QString path = root.filePath(name);
        writeFile(path, "#!/bin/sh\n" + body);
        QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        return path;
    }

    void selectRow(QTreeWidget *tree, int row)
    {
        tree->clearSelection();
        tree->topLevelItem(row)->setSelected(true);
    }

private slots:
    void initTestCase()
    {
        QVERIFY(root.isValid());
        // The package database of a throw-away system: one installed package per test.
        fakes.smartIo->setDrive(0,
                                smartDrive({ { 194, 0x22, 67, 50, 33 },
                                             { 5, 0x33, 100, 100, 0 },
                                             { 9, 0x32, 98, 98, 4721 } }));
        fakes.smartIo->setDrive(1, smartDrive({ { 12, 0x32, 99, 99, 7 } }));
        FakeSmartIo::Drive unreadable;
        unreadable.openable = false;
        fakes.smartIo->setDrive(2, unreadable);
        auto set = fakes.platform();
        set->registry = plat::makeLinuxRegistry(plat::SysRoot(root.path()));
        set->processTree = nullptr; // the real one: the uninstaller's session is really waited for
        scoped = std::make_unique<plat::ScopedPlatform>(set);
        MsgDialog::setTestResponder([this](MsgDialog *box) {
            boxes.append(box->windowTitle() + QLatin1Char('|') + box->textLabel()->text());
            return answer;
        });
    }

    void init()
    {
        boxes.clear();
        answer = QDialogButtonBox::Ok;
        QSettings().clear();
        QVERIFY(writeFile(root.filePath(QStringLiteral("var/lib/dpkg/status")),
                          "Package: vn-gone\nStatus: install ok installed\nVersion: 1\n\n"
                          "Package: vn-kept\nStatus: install ok installed\nVersion: 1\n"));
        window = std::make_unique<VerdimonNuvo>(VerdimonNuvo::StartupActions::Skip);
    }

    void cleanup()
    {
        QVERIFY(waitForWorkers());
        window.reset();
    }

    void smartPageFillsAndDescribes()
    {
        window->setSmartDriveInfo({ QStringLiteral("Disk A"), QStringLiteral("0") });
        window->getSmartData();
        QVERIFY(waitForWorkers());
        // Sorted by id whatever the order on the drive.
        QCOMPARE(
            column(window->smartTree, 0),
            QStringList({ QStringLiteral("005"), QStringLiteral("009"), QStringLiteral("194") }));
        QVERIFY(window->collectingSmartLabel->isHidden());
        QCOMPARE(window->smartTree->accessibleDescription(), QStringLiteral("Disk A"));

        window->onSmartInfoClicked();
        QCOMPARE(boxes.takeFirst(),
                 QStringLiteral("Information|No smart item is selected to view the information! "
                                "Please select the smart item and try again."));
        QTreeWidgetItem *row = window->smartTree->topLevelItem(2);
        window->onSmartItemDoubleClicked(row, 3);
        QVERIFY(!row->data(0, Qt::UserRole).toString().isEmpty());
        QCOMPARE(boxes.takeFirst(),
                 QStringLiteral("Information|") + row->data(0, Qt::UserRole).toString());
    }

    void smartDriveChangeMidRead()
    {
        window->setSmartDriveInfo({ QStringLiteral("Disk A"), QStringLiteral("0") });
        window->setSmartDriveInfo({ QStringLiteral("Disk B"), QStringLiteral("1") });
        window->setSmartDriveInfo({ QStringLiteral("Disk C"), QStringLiteral("2") });
        // Drive A's read runs, but nothing of it is delivered before the user picks drive B.
        window->getSmartData();
        window->smartDriveComboBox->setCurrentIndex(1);
        window->onSmartDriveActivated(1);
        QVERIFY(waitForWorkers());
        QCOMPARE(column(window->smartTree, 0), QStringList(QStringLiteral("012")));
        QCOMPARE(window->smartTree->accessibleDescription(), QStringLiteral("Disk B"));

        window->smartDriveComboBox->setCurrentIndex(2);
        window->onSmartDriveActivated(2);
        QVERIFY(waitForWorkers());
        QCOMPARE(window->smartTree->topLevelItemCount(), 0);
        QVERIFY(window->collectingSmartLabel->isHidden());
        QVERIFY(!window->noSmartDataLabel->isHidden());
    }

    void uninstallWaitsForTheSession()
    {
        // The uninstaller leaves at once; a helper in its session removes the package later.
        const QString status = root.filePath(QStringLiteral("var/lib/dpkg/status"));
        QTreeWidgetItem *gone = addProgram(
            QStringLiteral("vn-gone"),
            script(QStringLiteral("gone.sh"),
                   "(sleep 1; printf 'Package: vn-kept\\nStatus: install ok installed\\n"
                   "Version: 1\\n' > '"
                       + status.toUtf8() + "') &\nexit 0\n"));
        addProgram(QStringLiteral("vn-kept"), script(QStringLiteral("kept.sh"), "exit 1\n"));

        window->onProgramDoubleClicked(gone, 2);
        QTRY_VERIFY(window->uninstallRunning);
        window->onProgramDoubleClicked(window->appsTree->topLevelItem(1), 0);
        QCOMPARE(boxes,
                 QStringList(QStringLiteral("Information|Please wait until the current program "
                                            "is finished uninstalling or being changed!")));
        QVERIFY(waitForWorkers());
        QVERIFY(!window->uninstallRunning);
        QCOMPARE(column(window->appsTree, 0), QStringList(QStringLiteral("vn-kept")));

        // A failing uninstaller leaves its program registered: the row stays.
        selectRow(window->appsTree, 0);
        window->onUninstallClicked();
        QVERIFY(waitForWorkers());
        QCOMPARE(column(window->appsTree, 0), QStringList(QStringLiteral("vn-kept")));
        QCOMPARE(boxes.size(), 1);
        QVERIFY(window->noAppsLabel->isHidden());
    }

    void uninstallerThatCannotRun_data()
    {
        QTest::addColumn<int>("reply");
        QTest::addColumn<QString>("key");
        QTest::addColumn<bool>("rowGone");
        QTest::addColumn<bool>("refused");
        QTest::newRow("no") << int(QDialogButtonBox::No) << kHklmUninstall << false << false;
        QTest::newRow("yes") << int(QDialogButtonBox::Yes) << kHklmUninstall << true << false;
        // A key that holds no such entry: nothing is removed, and the user is told.
        QTest::newRow("refused") << int(QDialogButtonBox::Yes)
                                 << QStringLiteral("HKEY_CURRENT_USER\\Software\\Elsewhere")
                                 << false << true;
    }

    void uninstallerThatCannotRun()
    {
        QFETCH(int, reply);
        QFETCH(QString, key);
        answer = reply;
        QTreeWidgetItem *row
            = addProgram(QStringLiteral("vn-gone"), root.filePath(QStringLiteral("none")), key);
        window->startUninstall(row);
        QVERIFY(waitForWorkers());
        QTRY_VERIFY(!boxes.isEmpty());
        QCOMPARE(boxes.first(),
                 QStringLiteral("Applications|An error occurred while uninstalling vn-gone. It may "
                                "have already been uninstalled.\nDo you want to remove vn-gone "
                                "from the list?"));
        QTEST(window->appsTree->topLevelItemCount() == 0, "rowGone");
        QTEST(window->noAppsLabel->isVisibleTo(window->appsTree), "rowGone");
        QTEST(boxes.size() == 2, "refused");
        if (boxes.size() == 2)
            QCOMPARE(boxes.last(),
                     QStringLiteral("Applications|Failed to remove the program from the list!"));
        QVERIFY(!window->uninstallRunning);
    }

    void startupRemovalByExactName()
    {
        const QString autostart
            = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)
            + QStringLiteral("/autostart/");
        for (const char *name : { "a", "a.b", "a.b.c" }) {
            QVERIFY(writeFile(autostart + QLatin1String(name) + QStringLiteral(".desktop"),
                              "[Desktop Entry]\nType=Application\nExec=true\n"));
            window->setStartupInfo({ QIcon(), QLatin1String(name), QStringLiteral("Registry\\HKCU"),
                                     QStringLiteral("true"), kHkcuRun });
        }
        window->setStartupDataReady();
        QVERIFY(!window->removeStartupLabel->isEnabled());
        selectRow(window->startupTree, 1);
        QVERIFY(window->removeStartupLabel->isEnabled());
        window->onRemoveStartupClicked();
        QVERIFY(QFile::exists(autostart + QStringLiteral("a.desktop")));
        QVERIFY(!QFile::exists(autostart + QStringLiteral("a.b.desktop")));
        QVERIFY(QFile::exists(autostart + QStringLiteral("a.b.c.desktop")));
        QCOMPARE(column(window->startupTree, 0),
                 QStringList({ QStringLiteral("a"), QStringLiteral("a.b.c") }));
        QCOMPARE(window->startupCountLabel->text(), QStringLiteral("2"));
        QVERIFY(window->startupTree->selectedItems().isEmpty());

        for (int left = 1; left >= 0; --left) {
            selectRow(window->startupTree, 0);
            window->onRemoveStartupClicked();
            QCOMPARE(window->startupCountLabel->text(), QString::number(left));
        }
        QVERIFY(!window->noStartupDataLabel->isHidden());
        QVERIFY(boxes.isEmpty());
        // Nothing selected: nothing happens.
        window->onRemoveStartupClicked();
        QVERIFY(boxes.isEmpty());
    }

    void startupRemovalFails()
    {
        // A system-wide entry is switched off by a file in the user's autostart folder; here that
        // folder can not be made (a file stands in its place), so the entry stays.
        QVERIFY(writeFile(root.filePath(QStringLiteral("xdg/autostart/sys.desktop")),
                          "[Desktop Entry]\nType=Application\nExec=true\n"));
        qputenv("XDG_CONFIG_DIRS", "/xdg"); // below the throw-away system's root
        const QString userDir
            = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)
            + QStringLiteral("/autostart");
        QDir(userDir).removeRecursively();
        QVERIFY(writeFile(userDir, "not a folder"));

        window->setStartupInfo({ QIcon(), QStringLiteral("sys"),
                                 QStringLiteral("Registry\\HKLM (x86)"), QStringLiteral("true"),
                                 kHklmRun });
        // A folder entry without a location names nothing to remove.
        window->setStartupInfo(
            { QIcon(), QStringLiteral("link"), root.path(), QString(), QString() });
        window->setStartupDataReady();
        for (int row = 0; row < 2; ++row) {
            selectRow(window->startupTree, row);
            window->onRemoveStartupClicked();
        }
        QFile::remove(userDir);
        qunsetenv("XDG_CONFIG_DIRS");
        const QString failed = QStringLiteral("Error|Failed to remove the startup entry!");
        QCOMPARE(boxes, QStringList({ failed, failed }));
        QCOMPARE(window->startupTree->topLevelItemCount(), 2);
        QCOMPARE(window->startupCountLabel->text(), QStringLiteral("2"));
    }

    void startupToolTips_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("tip");
        QTest::newRow("HKCU") << "Registry\\HKCU"
                              << "Registry\\HKEY_CURRENT_USER";
        QTest::newRow("x86") << "Registry\\HKLM (x86)"
                             << "Registry\\HKEY_LOCAL_MACHINE";
        QTest::newRow("x64") << "Registry\\HKLM (x64)"
                             << "Registry\\HKEY_LOCAL_MACHINE (WOW6432Node)";
        QTest::newRow("folder") << "/home/u/Startup"
                                << "/home/u/Startup";
    }

    void startupToolTips()
    {
        QFETCH(QString, path);
        QTreeWidgetItem item({ QStringLiteral("n"), path, QStringLiteral("cmd") });
        window->onStartupItemEntered(&item, 1);
        QTEST(item.toolTip(1), "tip");
        window->onStartupItemEntered(&item, 2);
        QCOMPARE(item.toolTip(2), QStringLiteral("cmd"));
    }

    void commandSearch_data()
    {
        QTest::addColumn<QString>("query");
        QTest::addColumn<int>("shown");
        QTest::newRow("label") << "Display" << 8;
        QTest::newRow("case") << "dISPLAY" << 8;
        QTest::newRow("heading") << "Privacy" << 1;
        QTest::newRow("no match") << "no such command" << 0;
        QTest::newRow("single ampersand") << " & " << 0;
        QTest::newRow("empty") << "" << 281;
    }

    void commandSearch()
    {
        QFETCH(QString, query);
        QFETCH(int, shown);
        const auto visibleButtons = [this]() {
            int count = 0;
            for (QPushButton *button : qAsConst(window->commandButtons))
                count += button != window->searchBtn && !button->isHidden();
            return count;
        };
        const auto headingsShown = [this]() {
            int count = 0;
            for (QLabel *heading : qAsConst(window->commandHeadingLabels))
                count += !heading->isHidden();
            return count;
        };
        // Typing narrows nothing; it offers the search button.
        window->searchCommandEdit->setText(query);
        QCOMPARE(visibleButtons(), 281);
        QCOMPARE(window->searchBtn->isHidden(), query.isEmpty());
        QTest::keyClick(window->searchCommandEdit, Qt::Key_Return);
        QCOMPARE(visibleButtons(), shown);
        QCOMPARE(headingsShown(), shown > 0 ? 21 : 0);
        QCOMPARE(window->noCommandFoundLabel->isHidden(), shown > 0);
        QVERIFY(window->searchBtn->isEnabled());
        // Editing keeps the result; an empty field brings everything back.
        window->searchCommandEdit->setText(query + QStringLiteral("x"));
        QCOMPARE(visibleButtons(), shown);
        window->searchCommandEdit->clear();
        QCOMPARE(visibleButtons(), 281);
        QCOMPARE(headingsShown(), 21);
        QVERIFY(window->noCommandFoundLabel->isHidden());
        QVERIFY(window->searchBtn->isHidden());
        // The field fades its clear button in and out; Qt frees those animations only when they
        // end, not when the field goes first.
        QTest::qWait(400);
    }
};

QTEST_MAIN(TstPageActions)
#include "tst_pageactions.moc"
