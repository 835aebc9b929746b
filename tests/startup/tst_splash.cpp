#include "app/fonts.h"
#include "app/settings.h"
#include "app/startup/mainwindowfactory.h"
#include "app/startup/splash.h"
#include "tests/support/appidentity.h"

#include <QApplication>
#include <QFontInfo>
#include <QLabel>
#include <QMouseEvent>
#include <QPointer>
#include <QProgressBar>
#include <QtTest>

#include <memory>

class TestSplash : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        windows.clear();
        percentWhenCreated.clear();
        MainWindowFactory::setMaker([this]() {
            // What the splash showed when it created the main window.
            for (QWidget *top : QApplication::topLevelWidgets())
                if (auto *splash = qobject_cast<Splash *>(top))
                    percentWhenCreated << percentLabel(splash)->text();
            windows << new QWidget;
            return windows.last();
        });
    }

    void cleanup()
    {
        MainWindowFactory::setMaker({});
        qDeleteAll(windows);
        windows.clear();
    }

    void layoutAndTexts()
    {
        QPointer<Splash> splash = stoppedSplash();
        QVERIFY(splash->windowFlags().testFlag(Qt::FramelessWindowHint));
        QCOMPARE(splash->minimumSize(), QSize(680, 223));
        QCOMPARE(splash->findChild<QLabel *>("label")->geometry(), QRect(36, 12, 621, 181));
        auto *bar = splash->findChild<QProgressBar *>("progressBar");
        QCOMPARE(bar->geometry(), QRect(40, 150, 611, 16));
        QCOMPARE(bar->maximum(), 0); // busy
        QVERIFY(!bar->isTextVisible());
        auto *caption = splash->findChild<QLabel *>("label_2");
        QCOMPARE(caption->text(), "Collecting information:");
        QCOMPARE(caption->font().weight(), 75);
        QCOMPARE(caption->alignment(), Qt::AlignHCenter | Qt::AlignVCenter);
        QCOMPARE(percentLabel(splash)->text(), "0%");

        // A language change retranslates the caption and keeps the count.
        caption->setText("stale");
        percentLabel(splash)->setText("7%");
        QEvent change(QEvent::LanguageChange);
        QApplication::sendEvent(splash, &change);
        QCOMPARE(caption->text(), "Collecting information:");
        QCOMPARE(percentLabel(splash)->text(), "7%");
        delete splash;
    }

    // Both captions speak in the font the user chose (family and size of the settings, bold),
    // drawn by the free family that stands in for it.
    void captionsInTheProgramsFont_data()
    {
        QTest::addColumn<QString>("family");
        QTest::addColumn<int>("size");
        QTest::newRow("Arial, 16") << "Arial" << 16;
        QTest::newRow("Segoe UI, 20") << "Segoe UI" << 20;
        QTest::newRow("Roboto, 10") << "Roboto" << 10;
    }
    void captionsInTheProgramsFont()
    {
        QFETCH(QString, family);
        QFETCH(int, size);
        registerFontSubstitutions();
        Settings::setSettingsValue("Fonts", "Family", family);
        Settings::setSettingsValue("Fonts", "Size", size);
        const auto restore = qScopeGuard([] {
            Settings::setSettingsValue("Fonts", "Family", "Segoe UI");
            Settings::setSettingsValue("Fonts", "Size", 12);
        });
        const std::unique_ptr<Splash> splash(stoppedSplash());
        splash->show();
        for (const char *name : { "label_2", "label_3" }) {
            const QLabel *caption = splash->findChild<QLabel *>(name);
            QVERIFY(caption);
            QCOMPARE(caption->font().family(), family);
            QCOMPARE(caption->font().pixelSize(), size);
            QCOMPARE(caption->font().weight(), 75);
            QCOMPARE(QFontInfo(caption->font()).family(), freeFamilyFor(family));
        }
    }

    void hundredTicksThenTheWindowOnce()
    {
        QPointer<Splash> splash = stoppedSplash();
        splash->show();
        for (int i = 1; i <= 100; ++i) {
            splash->tick();
            QCOMPARE(percentLabel(splash)->text(), QStringLiteral("%1%").arg(i));
        }
        QVERIFY(windows.isEmpty());
        splash->tick(); // the 101st tick
        QCOMPARE(windows.size(), 1);
        QVERIFY(windows.first()->isVisible());
        QCOMPARE(percentWhenCreated, QStringList { "100%" });
        QCOMPARE(splash->percent, 100);
        QVERIFY(!splash->isVisible());
        splash->tick(); // a late tick opens nothing more
        QCOMPARE(windows.size(), 1);
        QTRY_VERIFY(splash.isNull()); // deleted after closing
    }

    // The one case on the real clock: the first step comes after one interval, not at once.
    void countsInRealTime()
    {
        QElapsedTimer clock;
        clock.start();
        QPointer<Splash> splash = new Splash;
        QCOMPARE(splash->timer->interval(), 100);
        splash->show();
        QCOMPARE(percentLabel(splash)->text(), "0%");
        QTRY_COMPARE_WITH_TIMEOUT(percentLabel(splash)->text(), "1%", 1000);
        QVERIFY(clock.elapsed() >= 95);
        QTRY_COMPARE_WITH_TIMEOUT(percentLabel(splash)->text(), "2%", 1000);
        QVERIFY(clock.elapsed() >= 195);
        QVERIFY(windows.isEmpty());
        delete splash;
    }

    // The left button drags the frameless window; the right one does not.
    void onlyTheLeftButtonDrags()
    {
        QPointer<Splash> splash = stoppedSplash();
        splash->move(100, 100);
        splash->show();
        const QPoint start = splash->pos();
        for (Qt::MouseButton button : { Qt::RightButton, Qt::LeftButton }) {
            QTest::mousePress(splash, button, {}, QPoint(10, 10));
            QMouseEvent move(QEvent::MouseMove, QPointF(60, 60),
                             splash->mapToGlobal(QPoint(60, 60)), button, button, {});
            QApplication::sendEvent(splash, &move);
            QCOMPARE(splash->pos(), button == Qt::LeftButton ? start + QPoint(50, 50) : start);
            QTest::mouseRelease(splash, button, {}, QPoint(60, 60));
        }
        delete splash;
    }

private:
    static QLabel *percentLabel(Splash *splash) { return splash->findChild<QLabel *>("label_3"); }
    static Splash *stoppedSplash()
    {
        auto *splash = new Splash;
        splash->timer->stop();
        return splash;
    }

    QList<QWidget *> windows;
    QStringList percentWhenCreated;
};

QTEST_MAIN(TestSplash)
#include "tst_splash.moc"
