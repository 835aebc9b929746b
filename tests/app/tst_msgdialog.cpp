#include "app/msgdialog.h"
#include "app/settings.h"
#include "widgets/appqlabel.h"

#include <QGridLayout>
#include <QGuiApplication>
#include <QPushButton>
#include <QScreen>
#include <QSettings>
#include <QtTest>

namespace {

using Buttons = QDialogButtonBox::StandardButtons;

int availableScreenWidth()
{
    return QGuiApplication::primaryScreen()->availableGeometry().width();
}

} // namespace

class TestMsgDialog : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        QCoreApplication::setOrganizationName(QStringLiteral("Dravonel"));
        QCoreApplication::setApplicationName(QStringLiteral("Verdimon Nuvo"));
    }

    void init()
    {
        QSettings().clear();
        MsgDialog::setTestResponder(nullptr);
    }

    void widthLimits_data()
    {
        QTest::addColumn<int>("screen");
        QTest::addColumn<int>("hard");
        QTest::addColumn<int>("soft");
        QTest::newRow("800") << 800 << 800 << 400;
        QTest::newRow("1000") << 1000 << 1000 << 500;
        QTest::newRow("1024") << 1024 << 1024 << 500;
        QTest::newRow("1025") << 1025 << 545 << 500;
        QTest::newRow("1400") << 1400 << 920 << 500;
        QTest::newRow("1920") << 1920 << 1000 << 500;
    }
    void widthLimits()
    {
        QFETCH(int, screen);
        QFETCH(int, hard);
        QFETCH(int, soft);
        QCOMPARE(MsgDialog::widthLimits(screen), qMakePair(hard, soft));
    }

    void iconKinds_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<bool>("hasIcon");
        QTest::newRow("information") << 1 << true;
        QTest::newRow("warning") << 2 << true;
        QTest::newRow("critical") << 3 << true;
        QTest::newRow("question") << 4 << true;
        QTest::newRow("zero") << 0 << false;
        QTest::newRow("five") << 5 << false;
    }
    void iconKinds()
    {
        QFETCH(int, kind);
        QFETCH(bool, hasIcon);
        MsgDialog box(nullptr, "Title", "Text", kind, QDialogButtonBox::Ok);
        QCOMPARE(!box.iconLabel()->pixmap(Qt::ReturnByValue).isNull(), hasIcon);
        QCOMPARE(box.iconLabel()->size(), QSize(30, 30));
        QCOMPARE(box.iconLabel()->minimumSize(), QSize(30, 30));
        QCOMPARE(box.iconLabel()->maximumSize(), QSize(30, 30));
        QVERIFY(box.iconLabel()->hasScaledContents());
        // Icon left, spacer, then the text.
        auto *grid = qobject_cast<QGridLayout *>(box.layout());
        QVERIFY(grid);
        int row, column, rowSpan, columnSpan;
        grid->getItemPosition(grid->indexOf(box.textLabel()), &row, &column, &rowSpan, &columnSpan);
        QCOMPARE(column, 2);
        grid->getItemPosition(grid->indexOf(box.buttonBox()), &row, &column, &rowSpan, &columnSpan);
        QCOMPARE(row, 2);
        QCOMPARE(columnSpan, 3);
    }

    void pixmapIconIsForty()
    {
        QPixmap picture(64, 64);
        picture.fill(Qt::green);
        MsgDialog box(nullptr, "Updates", "Up to date", picture, QDialogButtonBox::Ok);
        QCOMPARE(box.iconLabel()->size(), QSize(40, 40));
        QVERIFY(!box.iconLabel()->pixmap(Qt::ReturnByValue).isNull());
    }

    void windowSetUp()
    {
        Settings::setSettingsValue("AppSettings", "Opacity", 0.7);
        Settings::setSettingsValue("Fonts", "Family", "Roboto");
        Settings::setSettingsValue("Fonts", "Size", 16);
        MsgDialog box(nullptr, "Error", "Failed", 3, QDialogButtonBox::Ok);
        QCOMPARE(box.windowTitle(), QString("Error"));
        QCOMPARE(box.windowModality(), Qt::ApplicationModal);
        const Qt::WindowFlags flags = box.windowFlags();
        QVERIFY(flags.testFlag(Qt::Dialog));
        QVERIFY(flags.testFlag(Qt::MSWindowsFixedSizeDialogHint));
        QVERIFY(flags.testFlag(Qt::WindowCloseButtonHint));
        QVERIFY(!flags.testFlag(Qt::WindowMinimizeButtonHint));
        QVERIFY(qAbs(box.windowOpacity() - 0.7) < 0.01); // kept as 8 bits
        QCOMPARE(box.textLabel()->font().family(), QString("Roboto"));
        QCOMPARE(box.textLabel()->font().pixelSize(), 16);
        QCOMPARE(box.textLabel()->text(), QString("Failed"));
        QVERIFY(qobject_cast<AppQLabel *>(box.textLabel()));
        const QList<QAbstractButton *> buttons = box.buttonBox()->buttons();
        QCOMPARE(buttons.size(), 1);
        QCOMPARE(buttons.first()->minimumSize(), QSize(60, 23));
        QCOMPARE(buttons.first()->font().pixelSize(), 16);
    }

    void topmost_data()
    {
        QTest::addColumn<QVariant>("stored");
        QTest::addColumn<bool>("topmost");
        QTest::newRow("first run, no key") << QVariant() << true;
        QTest::newRow("on") << QVariant(true) << true;
        QTest::newRow("off") << QVariant(false) << false;
        QTest::newRow("off as text") << QVariant("false") << false;
    }
    void topmost()
    {
        QFETCH(QVariant, stored);
        QFETCH(bool, topmost);
        if (stored.isValid())
            Settings::setSettingsValue("AppSettings", "AlwaysOnTop", stored);
        MsgDialog box(nullptr, "T", "X", 1, QDialogButtonBox::Ok);
        QCOMPARE(box.windowFlags().testFlag(Qt::WindowStaysOnTopHint), topmost);
    }

    void buttonsGiveTheirValue_data()
    {
        QTest::addColumn<int>("buttons");
        QTest::addColumn<int>("click");
        QTest::newRow("Ok") << int(QDialogButtonBox::Ok) << 0x400;
        QTest::newRow("Yes of Yes/No")
            << int(QDialogButtonBox::Yes | QDialogButtonBox::No) << 0x4000;
        QTest::newRow("Cancel of three")
            << int(QDialogButtonBox::Yes | QDialogButtonBox::No | QDialogButtonBox::Cancel)
            << 0x400000;
        QTest::newRow("Retry") << int(QDialogButtonBox::Retry | QDialogButtonBox::Cancel)
                               << 0x80000;
    }
    void buttonsGiveTheirValue()
    {
        QFETCH(int, buttons);
        QFETCH(int, click);
        MsgDialog box(nullptr, "T", "X", 4, Buttons(buttons));
        QCOMPARE(box.buttonBox()->standardButtons(), Buttons(buttons));
        MsgDialog::setTestResponder([click](MsgDialog *d) {
            d->show();
            d->buttonBox()->button(QDialogButtonBox::StandardButton(click))->click();
            return d->result();
        });
        QCOMPARE(box.exec(), click);
        QVERIFY(!box.isVisible());
    }

    void closeRule_data()
    {
        QTest::addColumn<int>("buttons");
        QTest::addColumn<int>("expected");
        QTest::addColumn<bool>("escape");
        for (bool escape : { false, true }) {
            const char *how = escape ? "escape" : "close";
            QTest::addRow("%s Ok alone", how) << int(QDialogButtonBox::Ok) << 0x400 << escape;
            QTest::addRow("%s Yes No", how)
                << int(QDialogButtonBox::Yes | QDialogButtonBox::No) << 0x10000 << escape;
            QTest::addRow("%s Retry Cancel", how)
                << int(QDialogButtonBox::Retry | QDialogButtonBox::Cancel) << 0x400000 << escape;
            QTest::addRow("%s Yes No Cancel", how)
                << int(QDialogButtonBox::Yes | QDialogButtonBox::No | QDialogButtonBox::Cancel)
                << 0x10000 << escape;
            QTest::addRow("%s no buttons", how) << 0 << 0 << escape;
            QTest::addRow("%s Apply Help", how)
                << int(QDialogButtonBox::Apply | QDialogButtonBox::Help) << 0 << escape;
            QTest::addRow("%s Yes alone", how) << int(QDialogButtonBox::Yes) << 0x4000 << escape;
        }
    }
    void closeRule()
    {
        QFETCH(int, buttons);
        QFETCH(int, expected);
        QFETCH(bool, escape);
        MsgDialog box(nullptr, "T", "X", 4, Buttons(buttons));
        MsgDialog::setTestResponder([escape](MsgDialog *d) {
            d->show();
            if (escape)
                QTest::keyClick(d, Qt::Key_Escape);
            else
                d->close();
            return d->result();
        });
        QCOMPARE(box.exec(), expected);
        QVERIFY(!box.isVisible());
    }

    void otherKeysDoNothing()
    {
        MsgDialog box(nullptr, "T", "X", 1, QDialogButtonBox::Yes | QDialogButtonBox::No);
        box.show();
        QTest::keyClick(&box, Qt::Key_A);
        QTest::keyClick(&box, Qt::Key_Space, Qt::ControlModifier);
        QVERIFY(box.isVisible());
        box.close();
    }

    void shortTextDoesNotWrap()
    {
        MsgDialog box(nullptr, "T", "Saved.", 1, QDialogButtonBox::Ok);
        QVERIFY(!box.textLabel()->wordWrap());
        QVERIFY(box.width() <= MsgDialog::widthLimits(availableScreenWidth()).second);
        QCOMPARE(box.minimumSize(), box.maximumSize()); // fixed size
        QCOMPARE(box.width(), box.layout()->totalMinimumSize().width());
    }

    void longTextWrapsWithinTheLimits()
    {
        const QString sentence = QStringLiteral("The quick brown fox jumps over the lazy dog. ");
        MsgDialog shortBox(nullptr, "T", sentence, 2, QDialogButtonBox::Ok);
        MsgDialog longBox(nullptr, "T", sentence.repeated(12), 2, QDialogButtonBox::Ok);
        QVERIFY(longBox.textLabel()->wordWrap());
        const QPair<int, int> limits = MsgDialog::widthLimits(availableScreenWidth());
        QVERIFY(longBox.width() >= limits.second);
        QVERIFY(longBox.width() <= limits.first);
        QVERIFY(!shortBox.textLabel()->wordWrap());
        QVERIFY(longBox.height() > shortBox.height());
        QCOMPARE(longBox.minimumSize(), longBox.maximumSize());
    }

    void responderSeesTheBox()
    {
        QString seenTitle;
        int seenKind = -1;
        MsgDialog::setTestResponder([&](MsgDialog *d) {
            seenTitle = d->windowTitle();
            seenKind = d->iconKind();
            return int(QDialogButtonBox::Yes);
        });
        QVERIFY(MsgDialog::hasTestResponder());
        MsgDialog box(nullptr, "Attention", "Go?", 2, QDialogButtonBox::Yes | QDialogButtonBox::No);
        QCOMPARE(box.exec(), 0x4000);
        QCOMPARE(seenTitle, QString("Attention"));
        QCOMPARE(seenKind, 2);
    }
};

QTEST_MAIN(TestMsgDialog)
#include "tst_msgdialog.moc"
