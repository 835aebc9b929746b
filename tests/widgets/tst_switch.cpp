#include "appidentity.h"
#include "widgets/animator.h"
#include "widgets/switch.h"

#include <QApplication>
#include <QSettings>
#include <QSignalSpy>
#include <QtTest>

namespace {
const QRgb kGreen = 0xFF72AB72;
const QRgb kWhite = 0xFFFFFFFF;

QRgb pixelAt(QWidget *widget, int x, int y)
{
    return widget->grab().toImage().pixel(x, y);
}

QList<int> states(const QSignalSpy &spy)
{
    QList<int> values;
    for (const QList<QVariant> &call : spy)
        values << call.at(0).toInt();
    return values;
}

// The grey track (0x464646 at `alpha`) over the window background, as the painter blends it.
bool nearTrack(QRgb actual, QRgb background, int alpha)
{
    const auto near = [alpha](int got, int under) {
        return qAbs(got - (0x46 * alpha + under * (255 - alpha)) / 255) <= 3;
    };
    return near(qRed(actual), qRed(background)) && near(qGreen(actual), qGreen(background))
        && near(qBlue(actual), qBlue(background));
}
} // namespace

class TestSwitch : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QSettings().clear(); }

    // A new switch is off, with the plain look; how it stands painted, also disabled (a faint
    // track) and right to left (the thumb at the far end). The track is 0x464646 over the
    // background, at opacity 96/255 enabled and 0.12 disabled.
    void look_data()
    {
        QTest::addColumn<bool>("checked");
        QTest::addColumn<bool>("enabled");
        QTest::addColumn<bool>("rightToLeft");
        QTest::addColumn<int>("thumbX");
        QTest::addColumn<int>("trackX");
        QTest::addColumn<int>("trackAlpha");
        QTest::newRow("new") << false << true << false << 17 << 40 << 96;
        QTest::newRow("disabled, checked") << true << false << false << 35 << 12 << 31;
        QTest::newRow("disabled, unchecked") << false << false << false << 17 << 40 << 31;
        QTest::newRow("right to left")
            << false << true << true << 200 - 52 + 17 << 200 - 52 + 40 << 96;
    }

    void look()
    {
        QFETCH(bool, checked);
        QFETCH(bool, enabled);
        QFETCH(bool, rightToLeft);
        QFETCH(int, thumbX);
        QFETCH(int, trackX);
        QFETCH(int, trackAlpha);
        Switch sw(QStringLiteral("Add to tray"));
        QVERIFY(sw.isCheckable());
        QCOMPARE(sw.thumbPosition(), 0);
        QCOMPARE(sw.thumbColor().rgba(), kWhite);
        QCOMPARE(sw.trackColor(), QColor(0x46, 0x46, 0x46, 96));
        sw.setChecked(checked);
        sw.setEnabled(enabled);
        if (rightToLeft)
            sw.setLayoutDirection(Qt::RightToLeft);
        sw.resize(rightToLeft ? QSize(200, 36) : sw.sizeHint());
        sw.show();
        QVERIFY(QTest::qWaitForWindowExposed(&sw));
        const QImage image = sw.grab().toImage();
        QCOMPARE(image.pixel(thumbX, 18), kWhite);
        QCOMPARE(sw.toolTip(), enabled ? QString() : QStringLiteral("Add to tray"));
        const QRgb background = sw.palette().color(QPalette::Window).rgb();
        QVERIFY(nearTrack(image.pixel(trackX, 18), background, trackAlpha));
    }

    void sizeHint()
    {
        for (const QString &text :
             { QString(), QStringLiteral("Check for updates when the program starts") }) {
            Switch sw(text, nullptr);
            QCOMPARE(sw.sizeHint(), QSize(sw.fontMetrics().horizontalAdvance(text) + 52, 36));
        }
    }

    // A click or Space toggles and moves the thumb there; setChecked stands at once in the end
    // state, without a click. emitted: the values stateChanged gave.
    void toggle_data()
    {
        QTest::addColumn<QString>("how"); // "click", "space" or "set"
        QTest::addColumn<bool>("initial");
        QTest::addColumn<bool>("value");
        QTest::addColumn<QList<int>>("emitted");
        QTest::addColumn<int>("toggled");
        QTest::newRow("click, off to on") << "click" << false << true << QList<int> { 2, 2 } << 1;
        QTest::newRow("click, on to off") << "click" << true << false << QList<int> { 0, 0 } << 1;
        QTest::newRow("space, off to on") << "space" << false << true << QList<int> { 2, 2 } << 1;
        QTest::newRow("off, set on") << "set" << false << true << QList<int> { 2 } << 1;
        QTest::newRow("on, set on") << "set" << true << true << QList<int>() << 0;
        QTest::newRow("off, set off") << "set" << false << false << QList<int> { 0 } << 0;
        QTest::newRow("on, set off") << "set" << true << false << QList<int> { 0 } << 1;
    }

    void toggle()
    {
        QFETCH(QString, how);
        QFETCH(bool, initial);
        QFETCH(bool, value);
        Switch sw(QStringLiteral("Remember me"), nullptr);
        sw.setChecked(initial);
        sw.resize(sw.sizeHint());
        sw.show();
        QVERIFY(QTest::qWaitForWindowExposed(&sw));

        QSignalSpy changed(&sw, &SelectionControl::stateChanged);
        QSignalSpy clicked(&sw, &QAbstractButton::clicked);
        QSignalSpy toggled(&sw, &QAbstractButton::toggled);
        if (how == QLatin1String("set")) {
            sw.setChecked(value);
        } else if (how == QLatin1String("space")) {
            sw.setFocus();
            QTest::keyClick(&sw, Qt::Key_Space);
        } else {
            QTest::mouseClick(&sw, Qt::LeftButton, Qt::NoModifier, QPoint(20, 18));
        }
        QCOMPARE(sw.isChecked(), value);
        QTEST(states(changed), "emitted");
        QTEST(toggled.count(), "toggled");
        QCOMPARE(clicked.count(), how == QLatin1String("set") ? 0 : 1);
        if (!clicked.isEmpty())
            QCOMPARE(clicked.at(0).at(0).toBool(), value);
        const int position = value ? 36 : 0;
        const QRgb thumb = value ? kGreen : kWhite;
        if (how == QLatin1String("set")) {
            // No step from the other side is ever reached.
            QCOMPARE(sw.thumbPosition(), position);
            QCOMPARE(sw.thumbColor().rgba(), thumb);
        }
        QTRY_COMPARE(sw.thumbPosition(), position);
        QTRY_COMPARE(sw.thumbColor().rgba(), thumb);
        QTRY_COMPARE(pixelAt(&sw, value ? 35 : 17, 18), thumb);
    }

    // A colour set while the switch stands in that state shows at once, each setter on its own.
    void coloursTakeEffectAtOnce()
    {
        using Setter = void (Switch::*)(const QColor &);
        const struct
        {
            Setter set;
            bool on;
            bool thumb;
        } cases[] = { { &Switch::setThumbOffColor, false, true },
                      { &Switch::setTrackOffColor, false, false },
                      { &Switch::setThumbOnColor, true, true },
                      { &Switch::setTrackOnColor, true, false } };
        for (const auto &c : cases) {
            Switch sw;
            sw.setChecked(c.on);
            QTRY_COMPARE(sw.isChecked(), c.on);
            (sw.*c.set)(Qt::red);
            QCOMPARE((c.thumb ? sw.thumbColor() : sw.trackColor()).rgb(), QColor(Qt::red).rgb());
        }
    }

    void animatorTarget()
    {
        // A hidden switch does not animate.
        Switch hidden;
        Animator stopped(&hidden);
        stopped.setDuration(1000);
        stopped.setStartValue(0);
        stopped.setEndValue(36);
        stopped.start();
        QCOMPARE(stopped.state(), QAbstractAnimation::Stopped);

        Switch first;
        QWidget second;
        first.show();
        QVERIFY(QTest::qWaitForWindowExposed(&first));
        Animator animator(&first);
        QCOMPARE(animator.targetObject(), &first);

        animator.setDuration(1000);
        animator.setStartValue(0);
        animator.setEndValue(10);
        animator.start();
        QCOMPARE(animator.state(), QAbstractAnimation::Running);
        QTRY_VERIFY(animator.currentValue().toInt() > 0);
        QTest::ignoreMessage(QtWarningMsg,
                             "Animation::setTargetObject: you can't change the target of a running "
                             "animation");
        animator.setTargetObject(&second);
        QCOMPARE(animator.targetObject(), &first);

        animator.stop();
        animator.setProperty("targetObject", QVariant::fromValue<QObject *>(&second));
        QCOMPARE(animator.targetObject(), &second);

        auto *gone = new QWidget;
        animator.setTargetObject(gone);
        delete gone;
        QCOMPARE(animator.targetObject(), nullptr);
    }

    void animatorWarnings()
    {
        Animator orphan(nullptr);
        orphan.setDuration(10);
        orphan.setEndValue(1);
        QTest::ignoreMessage(
            QtWarningMsg, "Animation::updateState: Changing state of an animation without target");
        orphan.start();

        QWidget target;
        target.show();
        QVERIFY(QTest::qWaitForWindowExposed(&target));
        Animator noEnd(&target);
        noEnd.setDuration(10);
        noEnd.setStartValue(1);
        QTest::ignoreMessage(QtWarningMsg,
                             "Animation::updateState (QWidget): starting an animation without end "
                             "value");
        noEnd.start();
        noEnd.stop();
    }
};

QTEST_MAIN(TestSwitch)
#include "tst_switch.moc"
