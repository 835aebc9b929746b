// The texts of the Settings tab's pages as a user reads them: every label, button and switch of
// each page in creation order, which of them pass through translation, and which are bold.

#include "accounts/accountimage.h"
#include "app/config.h"
#include "mainwindow/verdimonnuvo.h"
#include "platform/fakes/fakeplatform.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QStackedWidget>
#include <QTextDocument>
#include <QTextDocumentFragment>
#include <QTranslator>
#include <QTreeWidget>
#include <QUrl>
#include <QtTest>

#include <memory>

namespace {

// Puts "@" before every text of the QObject context, so a test sees which texts are translated.
class MarkingTranslator : public QTranslator
{
public:
    bool isEmpty() const override { return false; }
    QString translate(const char *context, const char *sourceText, const char *disambiguation,
                      int n) const override
    {
        Q_UNUSED(disambiguation)
        Q_UNUSED(n)
        if (qstrcmp(context, "QObject") == 0 && sourceText && *sourceText)
            return QStringLiteral("@") + QString::fromUtf8(sourceText);
        return QString();
    }
};

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

} // namespace

class TstPageTexts : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<plat::FakePlatform> fakes;
    std::unique_ptr<plat::ScopedPlatform> scopedPlatform;
    std::unique_ptr<MarkingTranslator> marker;
    std::unique_ptr<VerdimonNuvo> window;

    QWidget *settingsPage(int row) const
    {
        auto *view = window->findChild<QListWidget *>(QStringLiteral("settingsView"));
        auto *stack = view ? view->findChild<QStackedWidget *>() : nullptr;
        return stack ? stack->widget(row) : nullptr;
    }

private slots:
    void initTestCase()
    {
        QCoreApplication::setOrganizationName(QStringLiteral("Dravonel"));
        QCoreApplication::setApplicationName(QStringLiteral("Verdimon Nuvo"));
        fakes = std::make_unique<plat::FakePlatform>();
        fakes->screenInfo->screenSize = QSize(1600, 1000);
        scopedPlatform = std::make_unique<plat::ScopedPlatform>(fakes->platform());
        marker = std::make_unique<MarkingTranslator>();
        QCoreApplication::installTranslator(marker.get());
        window = std::make_unique<VerdimonNuvo>(VerdimonNuvo::StartupActions::WidgetsOnly);
    }

    void cleanupTestCase()
    {
        window.reset();
        QCoreApplication::removeTranslator(marker.get());
        scopedPlatform.reset();
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
};

QTEST_MAIN(TstPageTexts)
#include "tst_pagetexts.moc"
