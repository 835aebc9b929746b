// Actions of the Settings pages, on a fake device and throw-away scripts and folders.

#include "app/msgdialog.h"
#include "mainwindow/detectionstats.h"
#include "mainwindow/listrowbatcher.h"
#include "mainwindow/verdimonnuvo.h"
#include "platform/fakes/fakeplatform.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <QtTest>

namespace {

const QString kUninstall
    = QStringLiteral("HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall");
const QString kRun = QStringLiteral("HKEY_%1\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run");

bool writeFile(const QString &path, const QByteArray &content)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(content) == content.size()
        && file.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

QStringList column(QTreeWidget *tree)
{
    QStringList texts;
    for (int row = 0; row < tree->topLevelItemCount(); ++row)
        texts.append(tree->topLevelItem(row)->text(0));
    return texts;
}

} // namespace

// Threads end by deleteLater, which QTest::qWait runs.
#define WAIT_FOR_WORKERS() QTRY_COMPARE_WITH_TIMEOUT(DetectionStats::liveThreads(), 0, 15000)

class TstPageActions : public QObject
{
    Q_OBJECT

    QTemporaryDir root;
    plat::FakePlatform fakes;
    std::unique_ptr<plat::ScopedPlatform> scoped;
    std::unique_ptr<VerdimonNuvo> window;
    QStringList boxes; // "title|text" of every message box
    int answer = QDialogButtonBox::Ok;

    QTreeWidgetItem *addProgram(const QString &name, const QString &command,
                                const QString &key = kUninstall)
    {
        window->setAppsData({ QIcon(), name, {}, {}, {}, command, key, "dpkg:" + name });
        window->listRows()->flush(window->appsTree);
        return window->appsTree->topLevelItem(window->appsTree->topLevelItemCount() - 1);
    }

private slots:
    void initTestCase()
    {
        const QVector<plat::FakeSmartIo::Attribute> drives[]
            = { { { 194, 0, 67, 50, 33 }, { 5, 0, 100, 100, 0 } }, { { 12, 0, 99, 99, 7 } } };
        for (int index : { 0, 1 }) {
            plat::FakeSmartIo::Drive drive;
            drive.attributes = plat::FakeSmartIo::attributePage(drives[index]);
            fakes.smartIo->setDrive(index, drive);
        }
        const auto set = fakes.platform();
        set->registry = plat::makeLinuxRegistry(plat::SysRoot(root.path()));
        set->processTree = nullptr; // the real one: the uninstaller's session is waited for
        scoped = std::make_unique<plat::ScopedPlatform>(set);
        MsgDialog::setTestResponder([this](MsgDialog *box) {
            boxes.append(box->windowTitle() + QLatin1Char('|') + box->textLabel()->text());
            return answer;
        });
    }

    void init()
    {
        boxes.clear();
        QSettings().clear(); // entries taken off the list
        QVERIFY(writeFile(root.filePath("var/lib/dpkg/status"),
                          "Package: vn-gone\nStatus: install ok installed\n\n"
                          "Package: vn-kept\nStatus: install ok installed\n"));
        window = std::make_unique<VerdimonNuvo>(VerdimonNuvo::StartupActions::Skip);
    }

    void cleanup()
    {
        WAIT_FOR_WORKERS();
        window.reset();
    }

    void smartPage()
    {
        for (const char *drive : { "0", "1", "2" })
            window->setSmartDriveInfo({ QStringLiteral("Disk ") + drive, drive });
        window->getSmartData();
        WAIT_FOR_WORKERS();
        QCOMPARE(column(window->smartTree), QStringList({ "005", "194" })); // sorted by id
        QCOMPARE(window->smartTree->accessibleDescription(), QStringLiteral("Disk 0"));
        QTreeWidgetItem *row = window->smartTree->topLevelItem(1);
        window->onSmartItemDoubleClicked(row, 3);
        QCOMPARE(boxes.takeFirst(), "Information|" + row->data(0, Qt::UserRole).toString());
        window->onSmartInfoClicked();
        QVERIFY(boxes.takeFirst().startsWith("Information|No smart item is selected"));

        // Drive 0's read runs again, but nothing of it arrives before the user picks drive 1.
        window->getSmartData();
        window->smartDriveComboBox->setCurrentIndex(1);
        window->onSmartDriveActivated(1);
        WAIT_FOR_WORKERS();
        QCOMPARE(column(window->smartTree), QStringList("012"));
        QCOMPARE(window->smartTree->accessibleDescription(), QStringLiteral("Disk 1"));

        window->onSmartDriveActivated(2); // no such drive: unreadable
        WAIT_FOR_WORKERS();
        QCOMPARE(window->smartTree->topLevelItemCount(), 0);
        QVERIFY(!window->noSmartDataLabel->isHidden());
    }

    void uninstallWaitsForTheSession()
    {
        // The uninstaller ends at once; a helper left in its session removes the package later.
        const QByteArray status = root.filePath("var/lib/dpkg/status").toUtf8();
        writeFile(root.filePath("gone.sh"),
                  "#!/bin/sh\n(sleep 1; echo 'Package: vn-kept\nStatus: install ok installed' >"
                      + status + ") &\n");
        writeFile(root.filePath("kept.sh"), "#!/bin/sh\nexit 1\n");
        QTreeWidgetItem *gone = addProgram("vn-gone", root.filePath("gone.sh"));
        addProgram("vn-kept", root.filePath("kept.sh"));

        window->onProgramDoubleClicked(gone, 2);
        QTRY_VERIFY(window->uninstallRunning);
        window->onProgramDoubleClicked(window->appsTree->topLevelItem(1), 0);
        QCOMPARE(boxes,
                 QStringList("Information|Please wait until the current program is "
                             "finished uninstalling or being changed!"));
        WAIT_FOR_WORKERS();
        QCOMPARE(column(window->appsTree), QStringList("vn-kept"));

        // A failing uninstaller leaves its program registered: the row stays.
        window->appsTree->setCurrentItem(window->appsTree->topLevelItem(0));
        window->onUninstallClicked();
        WAIT_FOR_WORKERS();
        QCOMPARE(column(window->appsTree), QStringList("vn-kept"));
        QCOMPARE(boxes.size(), 1);
    }

    // Taken off the list when the user agrees, unless its entry can not be removed.
    void uninstallerThatCannotRun_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("refusal");
        QTest::newRow("removed") << kUninstall << QString();
        QTest::newRow("refused") << "HKEY_CURRENT_USER\\Elsewhere"
                                 << "Applications|Failed to remove the program from the list!";
    }

    void uninstallerThatCannotRun()
    {
        QFETCH(QString, key);
        QFETCH(QString, refusal);
        answer = QDialogButtonBox::Yes;
        window->startUninstall(addProgram("vn-gone", root.filePath("none"), key));
        WAIT_FOR_WORKERS();
        QTRY_VERIFY(!boxes.isEmpty());
        QCOMPARE(boxes.takeFirst(),
                 QStringLiteral("Applications|An error occurred while uninstalling vn-gone. It may "
                                "have already been uninstalled.\nDo you want to remove vn-gone "
                                "from the list?"));
        QCOMPARE(boxes.value(0), refusal);
        QCOMPARE(window->appsTree->topLevelItemCount(), refusal.isEmpty() ? 0 : 1);
        QCOMPARE(window->noAppsLabel->isVisibleTo(window->appsTree), refusal.isEmpty());
    }

    void startupRemoval()
    {
        // User entries go by their exact file; a system entry is switched off by a user file,
        // which here can not be written (a file stands where the folder would be).
        const QString user = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)
            + "/autostart/";
        for (const QString name : { "a", "a.b", "a.b.c" }) {
            QVERIFY(writeFile(user + name + ".desktop", "[Desktop Entry]\nExec=true\n"));
            window->setStartupInfo(
                { QIcon(), name, "Registry\\HKCU", "true", kRun.arg("CURRENT_USER") });
        }
        QVERIFY(writeFile(root.filePath("xdg/autostart/sys.desktop"), "[Desktop Entry]\nExec=x\n"));
        qputenv("XDG_CONFIG_DIRS", "/xdg"); // below the throw-away system's root
        window->setStartupInfo(
            { QIcon(), "sys", "Registry\\HKLM (x86)", "x", kRun.arg("LOCAL_MACHINE") });
        window->setStartupInfo({ QIcon(), "link", root.path(), {}, {} }); // no location
        window->setStartupDataReady();

        window->startupTree->setCurrentItem(window->startupTree->topLevelItem(1));
        QVERIFY(window->removeStartupLabel->isEnabled());
        // Pressing the row already selected (no selection change) enables it as well.
        window->removeStartupLabel->setEnabled(false);
        emit window->startupTree->itemPressed(window->startupTree->topLevelItem(1), 0);
        QVERIFY(window->removeStartupLabel->isEnabled());
        window->onRemoveStartupClicked();
        QCOMPARE(QDir(user).entryList(QDir::Files), QStringList({ "a.b.c.desktop", "a.desktop" }));
        QCOMPARE(window->startupCountLabel->text(), QStringLiteral("4"));
        QVERIFY(window->startupTree->selectedItems().isEmpty());

        QDir(user).removeRecursively();
        QVERIFY(writeFile(user.chopped(1), "not a folder"));
        for (const QString name : { "link", "sys" }) {
            window->startupTree->setCurrentItem(window->startupTree->findItems(name, {})[0]);
            window->onRemoveStartupClicked();
        }
        QFile::remove(user.chopped(1));
        qunsetenv("XDG_CONFIG_DIRS");
        const QString failed = QStringLiteral("Error|Failed to remove the startup entry!");
        QCOMPARE(boxes, QStringList({ failed, failed }));
        QCOMPARE(window->startupTree->topLevelItemCount(), 4);
    }

    void commandSearch_data()
    {
        QTest::addColumn<QString>("query");
        QTest::addColumn<int>("shown");
        QTest::addColumn<bool>("byButton"); // else by Return
        QTest::newRow("label") << "dISPLAY" << 8 << false;
        QTest::newRow("label by button") << "dISPLAY" << 8 << true;
        QTest::newRow("no match") << " & " << 0 << false;
        QTest::newRow("empty") << "" << 281 << false;
    }

    void commandSearch()
    {
        QFETCH(QString, query);
        QFETCH(int, shown);
        QFETCH(bool, byButton);
        const auto count = [](const auto &widgets) {
            return int(std::count_if(widgets.begin(), widgets.end(), [](QWidget *w) {
                return !w->isHidden() && w->objectName() != "searchBtn";
            }));
        };
        window->searchCommandEdit->setText(query); // typing narrows nothing
        QCOMPARE(count(window->commandButtons), 281);
        QCOMPARE(window->searchBtn->isHidden(), query.isEmpty());
        if (byButton)
            window->searchBtn->click();
        else
            QTest::keyClick(window->searchCommandEdit, Qt::Key_Return);
        QCOMPARE(count(window->commandButtons), shown);
        QCOMPARE(count(window->commandHeadingLabels), shown > 0 ? 21 : 0);
        QCOMPARE(window->noCommandFoundLabel->isHidden(), shown > 0);
        window->searchCommandEdit->clear();
        QCOMPARE(count(window->commandButtons) + count(window->commandHeadingLabels), 302);
        QVERIFY(window->noCommandFoundLabel->isHidden() && window->searchBtn->isHidden());
        QTest::qWait(400); // the clear button's fade ends before the field goes (Qt frees it then)
    }
};

QTEST_MAIN(TstPageActions)
#include "tst_pageactions.moc"
