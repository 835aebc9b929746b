#include "app/startup/mainwindowfactory.h"
#include "app/startup/splash.h"
#include "tests/support/appidentity.h"

#include <QApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QPointer>
#include <QProgressBar>
#include <QtTest>

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
