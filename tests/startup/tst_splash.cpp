#include "app/startup/mainwindowfactory.h"
#include "app/startup/splash.h"

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
    void initTestCase();
    void init();
    void cleanup();

    void layoutAndTexts();
    void hundredTicksThenTheWindowOnce();
    void countsInRealTime();
    void rightButtonDoesNotDrag();
    void languageChangeRetranslatesCaption();

private:
    static QLabel *percentLabel(Splash *splash)
    {
        return splash->findChild<QLabel *>(QStringLiteral("label_3"));
    }
    static void tick(Splash *splash) { splash->tick(); }
    static void stopTimer(Splash *splash) { splash->timer->stop(); }
    static int percentOf(Splash *splash) { return splash->percent; }
    static int intervalOf(Splash *splash) { return splash->timer->interval(); }

    QList<QWidget *> windows;
    QStringList percentWhenCreated;
};

void TestSplash::initTestCase()
{
    QCoreApplication::setOrganizationName(QStringLiteral("Dravonel"));
    QCoreApplication::setApplicationName(QStringLiteral("Verdimon Nuvo"));
}

void TestSplash::init()
{
    windows.clear();
    percentWhenCreated.clear();
    MainWindowFactory::setMaker([this]() {
        // What the splash showed when it created the main window.
        for (QWidget *top : QApplication::topLevelWidgets()) {
            if (auto *splash = qobject_cast<Splash *>(top))
                percentWhenCreated << percentLabel(splash)->text();
        }
        auto *window = new QWidget;
        window->setWindowTitle(QStringLiteral("main"));
        windows << window;
        return window;
    });
}

void TestSplash::cleanup()
{
    MainWindowFactory::setMaker({});
    qDeleteAll(windows);
    windows.clear();
}

void TestSplash::layoutAndTexts()
{
    QPointer<Splash> splash = new Splash;
    stopTimer(splash);
    QCOMPARE(splash->windowTitle(), QStringLiteral("Splash"));
    QVERIFY(splash->windowFlags().testFlag(Qt::FramelessWindowHint));
    QVERIFY(splash->testAttribute(Qt::WA_DeleteOnClose));
    QCOMPARE(splash->minimumSize(), QSize(680, 223));
    auto *logo = splash->findChild<QLabel *>(QStringLiteral("label"));
    QVERIFY(logo);
    QCOMPARE(logo->geometry(), QRect(36, 12, 621, 181));
    auto *bar = splash->findChild<QProgressBar *>(QStringLiteral("progressBar"));
    QVERIFY(bar);
    QCOMPARE(bar->geometry(), QRect(40, 150, 611, 16));
    QCOMPARE(bar->minimum(), 0);
    QCOMPARE(bar->maximum(), 0);
    QVERIFY(!bar->isTextVisible());
    auto *caption = splash->findChild<QLabel *>(QStringLiteral("label_2"));
    QCOMPARE(caption->text(), QStringLiteral("Collecting information:"));
    QCOMPARE(caption->font().weight(), 75);
    QCOMPARE(caption->alignment(), Qt::AlignHCenter | Qt::AlignVCenter);
    QCOMPARE(percentLabel(splash)->text(), QStringLiteral("0%"));
    delete splash;
}

void TestSplash::hundredTicksThenTheWindowOnce()
{
    QPointer<Splash> splash = new Splash;
    stopTimer(splash);
    splash->show();
    for (int i = 1; i <= 100; ++i) {
        tick(splash);
        QCOMPARE(percentLabel(splash)->text(), QStringLiteral("%1%").arg(i));
    }
    QVERIFY(windows.isEmpty());
    tick(splash); // the 101st tick
    QCOMPARE(windows.size(), 1);
    QVERIFY(windows.first()->isVisible());
    QCOMPARE(percentWhenCreated, QStringList { QStringLiteral("100%") });
    QCOMPARE(percentOf(splash), 100);
    QVERIFY(!splash->isVisible());
    tick(splash); // a late tick opens nothing more
    QCOMPARE(windows.size(), 1);
    QTRY_VERIFY(splash.isNull()); // deleted after closing
}

// The one case on the real clock: the first step comes after one interval of 100 ms, not at
// once; the steps after it are counted by hand above.
void TestSplash::countsInRealTime()
{
    QCOMPARE(Splash::tickIntervalMs, 100);
    QElapsedTimer clock;
    clock.start();
    QPointer<Splash> splash = new Splash;
    QCOMPARE(intervalOf(splash), Splash::tickIntervalMs);
    splash->show();
    QCOMPARE(percentLabel(splash)->text(), QStringLiteral("0%"));
    QTRY_COMPARE_WITH_TIMEOUT(percentLabel(splash)->text(), QStringLiteral("1%"), 1000);
    QVERIFY(clock.elapsed() >= 95);
    QTRY_COMPARE_WITH_TIMEOUT(percentLabel(splash)->text(), QStringLiteral("2%"), 1000);
    QVERIFY(clock.elapsed() >= 195);
    QVERIFY(windows.isEmpty());
    delete splash;
}

void TestSplash::rightButtonDoesNotDrag()
{
    QPointer<Splash> splash = new Splash;
    stopTimer(splash);
    splash->move(100, 100);
    splash->show();
    const QPoint start = splash->pos();
    QTest::mousePress(splash, Qt::RightButton, {}, QPoint(10, 10));
    QMouseEvent move(QEvent::MouseMove, QPointF(60, 60), splash->mapToGlobal(QPoint(60, 60)),
                     Qt::RightButton, Qt::RightButton, {});
    QApplication::sendEvent(splash, &move);
    QCOMPARE(splash->pos(), start);
    QTest::mouseRelease(splash, Qt::RightButton, {}, QPoint(60, 60));

    QTest::mousePress(splash, Qt::LeftButton, {}, QPoint(10, 10));
    QMouseEvent drag(QEvent::MouseMove, QPointF(60, 60), splash->mapToGlobal(QPoint(60, 60)),
                     Qt::LeftButton, Qt::LeftButton, {});
    QApplication::sendEvent(splash, &drag);
    QCOMPARE(splash->pos(), start + QPoint(50, 50));
    delete splash;
}

void TestSplash::languageChangeRetranslatesCaption()
{
    QPointer<Splash> splash = new Splash;
    stopTimer(splash);
    auto *caption = splash->findChild<QLabel *>(QStringLiteral("label_2"));
    caption->setText(QStringLiteral("stale"));
    percentLabel(splash)->setText(QStringLiteral("7%"));
    QEvent change(QEvent::LanguageChange);
    QApplication::sendEvent(splash, &change);
    QCOMPARE(caption->text(), QStringLiteral("Collecting information:"));
    QCOMPARE(percentLabel(splash)->text(), QStringLiteral("7%"));
    delete splash;
}

QTEST_MAIN(TestSplash)
#include "tst_splash.moc"
