#include "app/msgdialog.h"
#include "app/settings.h"
#include "tests/support/appidentity.h"
#include "widgets/appqlabel.h"

#include <QGridLayout>
#include <QGuiApplication>
#include <QPushButton>
#include <QScreen>
#include <QSettings>
#include <QtTest>

using Buttons = QDialogButtonBox::StandardButtons;

class TestMsgDialog : public QObject
{
    Q_OBJECT
private slots:
    void init()
    {
        QSettings().clear();
        MsgDialog::setTestResponder(nullptr);
    }

    // Hard and soft limits of the box's width on screens of a given width.
    void widthLimitsAndWrapping()
    {
        const int table[][3] = { { 800, 800, 400 },  { 1000, 1000, 500 }, { 1024, 1024, 500 },
                                 { 1025, 545, 500 }, { 1400, 920, 500 },  { 1920, 1000, 500 } };
        for (const auto &row : table)
            QCOMPARE(MsgDialog::widthLimits(row[0]), qMakePair(row[1], row[2]));

        // Text wraps only where it must, within this screen's limits.
        const QPair<int, int> limits
            = MsgDialog::widthLimits(QGuiApplication::primaryScreen()->availableGeometry().width());
        MsgDialog shortBox(nullptr, "T", "Saved.", 1, QDialogButtonBox::Ok);
        QVERIFY(!shortBox.textLabel()->wordWrap());
        QVERIFY(shortBox.width() <= limits.second);
        QCOMPARE(shortBox.minimumSize(), shortBox.maximumSize()); // fixed size
        QCOMPARE(shortBox.width(), shortBox.layout()->totalMinimumSize().width());

        const QString sentence = QStringLiteral("The quick brown fox jumps over the lazy dog. ");
        MsgDialog oneLine(nullptr, "T", sentence, 2, QDialogButtonBox::Ok);
        MsgDialog longBox(nullptr, "T", sentence.repeated(12), 2, QDialogButtonBox::Ok);
        QVERIFY(!oneLine.textLabel()->wordWrap());
        QVERIFY(longBox.textLabel()->wordWrap());
        QVERIFY(longBox.width() >= limits.second);
        QVERIFY(longBox.width() <= limits.first);
        QVERIFY(longBox.height() > oneLine.height());
        QCOMPARE(longBox.minimumSize(), longBox.maximumSize());
    }

    void icons()
    {
        for (int kind = 0; kind <= 5; ++kind) {
            MsgDialog box(nullptr, "Title", "Text", kind, QDialogButtonBox::Ok);
            QCOMPARE(!box.iconLabel()->pixmap(Qt::ReturnByValue).isNull(), kind >= 1 && kind <= 4);
            QCOMPARE(box.iconLabel()->size(), QSize(30, 30));
        }
        QPixmap picture(64, 64);
        picture.fill(Qt::green);
        MsgDialog box(nullptr, "Updates", "Up to date", picture, QDialogButtonBox::Ok);
        QCOMPARE(box.iconLabel()->size(), QSize(40, 40));
        QVERIFY(!box.iconLabel()->pixmap(Qt::ReturnByValue).isNull());
        QVERIFY(box.iconLabel()->hasScaledContents());
        // Icon left, spacer, then the text; the buttons span the row below.
        auto *grid = qobject_cast<QGridLayout *>(box.layout());
        QVERIFY(grid);
        int row, column, rowSpan, columnSpan;
        grid->getItemPosition(grid->indexOf(box.textLabel()), &row, &column, &rowSpan, &columnSpan);
        QCOMPARE(column, 2);
        grid->getItemPosition(grid->indexOf(box.buttonBox()), &row, &column, &rowSpan, &columnSpan);
        QCOMPARE(row, 2);
        QCOMPARE(columnSpan, 3);
    }

    void windowSetUp()
    {
        Settings::setSettingsValue("AppSettings", "Opacity", 0.7);
        Settings::setSettingsValue("Fonts", "Family", "Roboto");
        Settings::setSettingsValue("Fonts", "Size", 16);
        MsgDialog box(nullptr, "Error", "Failed", 3, QDialogButtonBox::Ok);
        QCOMPARE(box.windowModality(), Qt::ApplicationModal);
        // Topmost as well: the start-up defaults are not written yet.
        const Qt::WindowFlags fixedWithClose = Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint
            | Qt::WindowCloseButtonHint | Qt::WindowStaysOnTopHint;
        QCOMPARE(box.windowFlags() & (fixedWithClose | Qt::WindowMinimizeButtonHint),
                 fixedWithClose);
        QVERIFY(qAbs(box.windowOpacity() - 0.7) < 0.01); // kept as 8 bits
        QCOMPARE(box.textLabel()->font().family(), QString("Roboto"));
        QCOMPARE(box.textLabel()->font().pixelSize(), 16);
        const QList<QAbstractButton *> buttons = box.buttonBox()->buttons();
        QCOMPARE(buttons.size(), 1);
        // 23 high at least; a 16-pixel line inside the theme's borders and padding needs more.
        const int line = buttons.first()->fontMetrics().height();
        QVERIFY(line + 6 > 23);
        QCOMPARE(buttons.first()->minimumSize(), QSize(60, line + 6));
        QCOMPARE(buttons.first()->font().pixelSize(), 16);
        for (const QVariant &stored : { QVariant(true), QVariant(false), QVariant("false") }) {
            Settings::setSettingsValue("AppSettings", "AlwaysOnTop", stored);
            MsgDialog box(nullptr, "T", "X", 1, QDialogButtonBox::Ok);
            QCOMPARE(box.windowFlags().testFlag(Qt::WindowStaysOnTopHint), stored.toBool());
        }
    }

    // A button gives its value; closing or Escape gives that of the last reject-or-no button,
    // or of the only button; other keys do nothing.
    void closeRule_data()
    {
        QTest::addColumn<int>("buttons");
        QTest::addColumn<int>("action"); // a button to click, or 0 close, 1 Escape
        QTest::addColumn<int>("expected");
        const int yesNo = QDialogButtonBox::Yes | QDialogButtonBox::No;
        const int retryCancel = QDialogButtonBox::Retry | QDialogButtonBox::Cancel;
        const int ok = QDialogButtonBox::Ok;
        QTest::newRow("click Ok") << ok << 0x400 << 0x400;
        QTest::newRow("click Cancel of three")
            << (yesNo | QDialogButtonBox::Cancel) << 0x400000 << 0x400000;
        QTest::newRow("escape, Ok alone") << ok << 1 << 0x400;
        QTest::newRow("close, Yes alone") << int(QDialogButtonBox::Yes) << 0 << 0x4000;
        QTest::newRow("close, Yes No") << yesNo << 0 << 0x10000;
        QTest::newRow("escape, Retry Cancel") << retryCancel << 1 << 0x400000;
        QTest::newRow("escape, Yes No Cancel")
            << (yesNo | QDialogButtonBox::Cancel) << 1 << 0x10000;
        QTest::newRow("close, no buttons") << 0 << 0 << 0;
        QTest::newRow("escape, Apply Help")
            << int(QDialogButtonBox::Apply | QDialogButtonBox::Help) << 1 << 0;
    }
    void closeRule()
    {
        QFETCH(int, buttons);
        QFETCH(int, action);
        QVERIFY(!MsgDialog::hasTestResponder());
        MsgDialog box(nullptr, "T", "X", 4, Buttons(buttons));
        QCOMPARE(box.buttonBox()->standardButtons(), Buttons(buttons));
        MsgDialog::setTestResponder([action](MsgDialog *d) {
            d->show();
            QTest::keyClick(d, Qt::Key_A);
            QTest::keyClick(d, Qt::Key_Space, Qt::ControlModifier);
            if (!d->isVisible())
                return -1;
            if (action > 1)
                d->buttonBox()->button(QDialogButtonBox::StandardButton(action))->click();
            else if (action == 1)
                QTest::keyClick(d, Qt::Key_Escape);
            else
                d->close();
            return d->result();
        });
        QVERIFY(MsgDialog::hasTestResponder());
        QTEST(box.exec(), "expected");
        QVERIFY(!box.isVisible());
    }
};

QTEST_MAIN(TestMsgDialog)
#include "tst_msgdialog.moc"
