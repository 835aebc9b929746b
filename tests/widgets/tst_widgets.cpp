#include "accounts/accountimage.h"
#include "app/appenums.h"
#include "appidentity.h"
#include "widgets/appqframe.h"
#include "widgets/appqlabel.h"
#include "widgets/apptabbar.h"
#include "widgets/apptabcontrol.h"
#include "widgets/columnfitter.h"
#include "widgets/loaderwidget.h"
#include "widgets/scrollbar.h"

#include <QApplication>
#include <QHeaderView>
#include <QMimeData>
#include <QPainter>
#include <QSettings>
#include <QSignalSpy>
#include <QTreeWidget>
#include <QUrl>
#include <QtTest>

#include <cmath>
#include <memory>

namespace {
QList<QUrl> localUrls(const QStringList &names)
{
    QList<QUrl> urls;
    for (const QString &name : names)
        urls << QUrl::fromLocalFile(QStringLiteral("/tmp/drop/") + name);
    return urls;
}

// Opens the drag and drop handlers to the test, bypassing the platform's drag manager.
struct ProbeFrame : AppQFrame
{
    using AppQFrame::dragEnterEvent;
    using AppQFrame::dragMoveEvent;
    using AppQFrame::dropEvent;
};

// Drags the given URLs (or plain text when none) over the frame and drops them; how many of the
// drag's enter and move the frame took.
int dragAndDrop(ProbeFrame *frame, const QList<QUrl> &urls)
{
    QMimeData data;
    if (urls.isEmpty())
        data.setText(QStringLiteral("just text"));
    else
        data.setUrls(urls);
    QDragEnterEvent enter(QPoint(3, 3), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    enter.setAccepted(false);
    frame->dragEnterEvent(&enter);
    QDragMoveEvent move(QPoint(4, 4), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    move.setAccepted(false);
    frame->dragMoveEvent(&move);
    QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    frame->dropEvent(&drop);
    return int(enter.isAccepted()) + int(move.isAccepted());
}

void sendHover(QWidget *widget, QEvent::Type type)
{
    QHoverEvent hover(type, QPointF(2, 2), QPointF(-1, -1));
    QApplication::sendEvent(widget, &hover);
}

// Enter and leave signals after an enter, a move and two leaves.
template<typename W> QPair<int, int> hoverCounts(W *widget)
{
    QSignalSpy enter(widget, &W::mouseEnter);
    QSignalSpy leave(widget, &W::mouseLeave);
    for (QEvent::Type type :
         { QEvent::HoverEnter, QEvent::HoverMove, QEvent::HoverLeave, QEvent::HoverLeave })
        sendHover(widget, type);
    return { enter.count(), leave.count() };
}
} // namespace

class TestWidgets : public QObject
{
    Q_OBJECT

private slots:
    void init() { QSettings().clear(); }

    // A press clicks an enabled link label or account picture, whatever the button.
    void labelClick_data()
    {
        QTest::addColumn<bool>("accountImage");
        QTest::addColumn<int>("buttonValue");
        QTest::addColumn<bool>("enabled");
        QTest::addColumn<int>("clicks");
        QTest::newRow("left") << false << int(Qt::LeftButton) << true << 1;
        QTest::newRow("right") << false << int(Qt::RightButton) << true << 1;
        QTest::newRow("disabled") << false << int(Qt::LeftButton) << false << 0;
        QTest::newRow("account image, right") << true << int(Qt::RightButton) << true << 1;
        QTest::newRow("account image, middle") << true << int(Qt::MiddleButton) << true << 1;
    }

    void labelClick()
    {
        QFETCH(bool, accountImage);
        QFETCH(int, buttonValue);
        const auto button = Qt::MouseButton(buttonValue);
        QFETCH(bool, enabled);
        QFETCH(int, clicks);
        const std::unique_ptr<QLabel> label(accountImage ? static_cast<QLabel *>(new AccountImage)
                                                         : new AppQLabel(QStringLiteral("link")));
        label->resize(60, 20);
        label->setEnabled(enabled);
        label->show();
        QSignalSpy spy(label.get(), SIGNAL(mouseClick()));
        QTest::mousePress(label.get(), button, Qt::NoModifier, QPoint(5, 5));
        QCOMPARE(spy.count(), clicks);
        QTest::mouseRelease(label.get(), button, Qt::NoModifier, QPoint(5, 5));
        QCOMPARE(spy.count(), clicks);
    }

    void frameDrop_data()
    {
        QTest::addColumn<QStringList>("drops"); // file names of each drop, blank-separated
        QTest::addColumn<bool>("anyType");
        QTest::addColumn<QStringList>(
            "emitted"); // in order: "invalid NAME", "file PATH", "files PATHS"
        const auto row = [](const char *tag, const QStringList &drops, bool anyType,
                            const QStringList &emitted) {
            QTest::newRow(tag) << drops << anyType << emitted;
        };
        row("one png", { "shot.png" }, false, { "file /tmp/drop/shot.png" });
        row("one txt", { "notes.txt" }, false, { "invalid notes.txt" });
        row("upper case rejected", { "SHOT.PNG" }, false, { "invalid SHOT.PNG" });
        row("match inside suffix", { "odd.xpng" }, false, { "file /tmp/drop/odd.xpng" });
        row("crash dump", { "crash.dmp" }, false, { "file /tmp/drop/crash.dmp" });
        row("any type takes txt", { "notes.txt" }, true, { "file /tmp/drop/notes.txt" });
        row("text without URLs", { "" }, true, {});
        // A rejected file is reported before the list of the accepted ones.
        row("stops at first miss", { "a.png b.txt c.jpg" }, false,
            { "invalid b.txt", "files /tmp/drop/a.png" });
        row("first file missed", { "b.txt a.png" }, false, { "invalid b.txt", "files" });
        row("all accepted", { "a.bmp b.jpeg c.gif" }, false,
            { "files /tmp/drop/a.bmp /tmp/drop/b.jpeg /tmp/drop/c.gif" });
        row("drops do not mix", { "a.png b.png", "c.png d.txt" }, false,
            { "files /tmp/drop/a.png /tmp/drop/b.png", "invalid d.txt", "files /tmp/drop/c.png" });
    }

    void frameDrop()
    {
        QFETCH(QStringList, drops);
        QFETCH(bool, anyType);
        ProbeFrame frame;
        QVERIFY(!frame.acceptAnyFileType());
        frame.setAcceptAnyFileType(anyType);
        QStringList seen;
        connect(&frame, &AppQFrame::invalidFileType, this,
                [&](const QString &name) { seen << QStringLiteral("invalid ") + name; });
        connect(&frame, &AppQFrame::processingFile, this,
                [&](const QString &path) { seen << QStringLiteral("file ") + path; });
        connect(&frame, &AppQFrame::processingFiles, this, [&](const QStringList &paths) {
            seen << (QStringList(QStringLiteral("files")) + paths).join(QLatin1Char(' '));
        });
        // A drag is taken only when it carries URLs.
        for (const QString &drop : drops)
            QCOMPARE(
                dragAndDrop(&frame, localUrls(drop.split(QLatin1Char(' '), Qt::SkipEmptyParts))),
                drop.isEmpty() ? 0 : 2);
        QTEST(seen, "emitted");
    }

    void frameMouseSignals()
    {
        AppQFrame frame;
        frame.resize(100, 40);
        frame.setMouseTracking(true);
        frame.show();
        QVERIFY(QTest::qWaitForWindowExposed(&frame));

        QStringList seen;
        connect(&frame, &AppQFrame::mouseClick, this, [&](QMouseEvent *e) {
            seen << QStringLiteral("press %1,%2").arg(e->x()).arg(e->y());
        });
        connect(&frame, &AppQFrame::mouseMove, this, [&](QMouseEvent *e) {
            seen << QStringLiteral("move %1,%2").arg(e->x()).arg(e->y());
        });
        connect(&frame, &AppQFrame::mouseRelease, this, [&](QMouseEvent *e) {
            seen << QStringLiteral("release %1").arg(int(e->button()));
        });

        QTest::mousePress(&frame, Qt::RightButton, Qt::NoModifier, QPoint(10, 12));
        QMouseEvent move(QEvent::MouseMove, QPointF(20, 22), Qt::NoButton, Qt::RightButton,
                         Qt::NoModifier);
        QApplication::sendEvent(&frame, &move);
        QTest::mouseRelease(&frame, Qt::RightButton, Qt::NoModifier, QPoint(20, 22));
        QCOMPARE(seen,
                 QStringList({ "press 10,12", "move 20,22",
                               QStringLiteral("release %1").arg(int(Qt::RightButton)) }));
    }

    // Every enter and every leave is passed on.
    void hoverSignals()
    {
        AppQLabel label(nullptr);
        AppQFrame frame;
        AccountImage image;
        QCOMPARE(hoverCounts(&label), qMakePair(1, 2));
        QCOMPARE(hoverCounts(&frame), qMakePair(1, 2));
        QCOMPARE(hoverCounts(&image), qMakePair(1, 2));
    }

    // The default picture comes back for a null one; a wide picture is stretched, not cropped, into
    // the circle.
    void accountImagePicture()
    {
        AccountImage image;
        const QImage defaultPicture = QPixmap(QStringLiteral(":/Icon/user_avatar.svg")).toImage();
        QVERIFY(!defaultPicture.isNull());
        QCOMPARE(image.avatar().toImage(), defaultPicture);
        image.setFixedSize(100, 100);
        QPixmap wide(200, 50);
        wide.fill(Qt::red);
        QPainter(&wide).fillRect(100, 0, 100, 50, Qt::blue);
        image.setAvatar(wide);
        QCOMPARE(image.avatar().toImage().pixelColor(5, 5), QColor(Qt::red));
        const QImage shot = image.grab().toImage();
        QCOMPARE(shot.pixelColor(25, 50), QColor(Qt::red));
        QCOMPARE(shot.pixelColor(75, 50), QColor(Qt::blue));
        // Corners lie outside the circle and stay unpainted by the picture.
        QVERIFY(shot.pixelColor(1, 1) != QColor(Qt::red));
        QVERIFY(shot.pixelColor(98, 98) != QColor(Qt::blue));
        image.setAvatar(QPixmap());
        QCOMPARE(image.avatar().toImage(), defaultPicture);
    }

    void scrollBarHover_data()
    {
        QTest::addColumn<Qt::Orientation>("orientation");
        QTest::addColumn<bool>("visible");
        QTest::addColumn<bool>("enabled");
        QTest::addColumn<QString>("grows"); // the style's side, or empty when nothing changes
        QTest::newRow("vertical") << Qt::Vertical << true << true << "width";
        QTest::newRow("horizontal") << Qt::Horizontal << true << true << "height";
        QTest::newRow("hidden") << Qt::Vertical << false << true << "";
        QTest::newRow("disabled") << Qt::Horizontal << true << false << "";
    }

    void scrollBarHover()
    {
        QFETCH(Qt::Orientation, orientation);
        QFETCH(bool, visible);
        QFETCH(bool, enabled);
        QFETCH(QString, grows);

        QWidget parent;
        parent.resize(200, 200);
        auto *bar = new ScrollBar(&parent);
        bar->setOrientation(orientation);
        bar->setEnabled(enabled);
        parent.show();
        bar->setVisible(visible);

        sendHover(bar, QEvent::HoverEnter);
        QCOMPARE(bar->styleSheet(), grows.isEmpty() ? grows : grows + ": 16px;");
        sendHover(bar, QEvent::HoverLeave);
        QCOMPARE(bar->styleSheet(), grows.isEmpty() ? grows : grows + ": 12px;");
    }

    void tabPosition_data()
    {
        QTest::addColumn<QVariant>("stored");
        QTest::addColumn<int>("barPosition");
        QTest::addColumn<int>("controlPosition");
        QTest::newRow("south") << QVariant(1) << 1 << int(QTabWidget::South);
        QTest::newRow("west") << QVariant(2) << 2 << int(QTabWidget::West);
        QTest::newRow("west as text")
            << QVariant(QStringLiteral("2")) << 2 << int(QTabWidget::West);
        QTest::newRow("out of range") << QVariant(7) << 0 << int(QTabWidget::North);
        QTest::newRow("not a number")
            << QVariant(QStringLiteral("left")) << 0 << int(QTabWidget::North);
    }

    void tabPosition()
    {
        QFETCH(QVariant, stored);
        QFETCH(int, controlPosition);
        QSettings().setValue(QStringLiteral("AppSettings/TabPosition"), stored);

        AppTabControl control;
        auto *bar = qobject_cast<AppTabBar *>(control.tabBar());
        QVERIFY(bar);
        QTEST(bar->storedTabPosition(), "barPosition");
        QVERIFY(!bar->elideEnabled());
        QCOMPARE(int(control.tabPosition()), controlPosition);

        for (const char *title : { "Main", "OS", "A rather long tab title" })
            control.addTab(new QWidget, QString::fromLatin1(title));
        control.resize(700, 500);
        control.show();
        QVERIFY(QTest::qWaitForWindowExposed(&control));
        // Side bars stack their tabs, as wide as the widest; top and bottom bars line them up, a
        // tab wider than 115 only where its label needs it.
        const bool vertical
            = controlPosition == QTabWidget::West || controlPosition == QTabWidget::East;
        const int longLabel = bar->fontMetrics().horizontalAdvance(bar->tabText(2));
        for (int i = 0; i < bar->count(); ++i) {
            QCOMPARE(bar->tabRect(i).height(), 30);
            QCOMPARE(bar->tabRect(i).width() == 115, !vertical && i < 2);
            QVERIFY(bar->tabRect(i).width() >= (i == 2 || vertical ? longLabel + 8 : 115));
        }
        QCOMPARE(bar->tabRect(1).y() > bar->tabRect(0).y(), vertical);
        QCOMPARE(bar->tabRect(1).x() > bar->tabRect(0).x(), !vertical);
    }

    // Eliding shortens a long label and leaves a short one as it is.
    void tabElide()
    {
        for (const QString &label :
             { QStringLiteral("Optical Devices and their neighbours"), QStringLiteral("OS") }) {
            AppTabBar plain(nullptr, false);
            AppTabBar elided(nullptr, true);
            QVERIFY(elided.elideEnabled());
            for (AppTabBar *bar : { &plain, &elided }) {
                bar->addTab(label);
                bar->resize(115, 30);
            }
            const QImage a = plain.grab().toImage();
            const QImage b = elided.grab().toImage();
            QCOMPARE(a.size(), b.size());
            QCOMPARE(a != b, label.size() > 2);
        }
    }

    // Twelve 115-pixel tabs: a control as wide as they are shows them all from its edge, without
    // scroll buttons; a narrower one (a screen too small) cuts none of them but scrolls to the
    // current one.
    void narrowTabControlKeepsFirstTab()
    {
        AppTabControl control(nullptr);
        for (int i = 0; i < 12; ++i)
            control.addTab(new QWidget, QStringLiteral("Tab %1").arg(i));
        control.resize(12 * 115, 300);
        control.show();
        control.setCurrentIndex(11);
        QCoreApplication::processEvents();
        QTabBar *bar = control.tabBar();
        QCOMPARE(bar->tabRect(0).left(), 0);
        QCOMPARE(bar->tabRect(11).left(), 11 * 115);
        for (QWidget *child : bar->findChildren<QWidget *>())
            QVERIFY2(!child->isVisible(), qPrintable(child->metaObject()->className()));

        control.resize(1350, 300);
        control.setCurrentIndex(0);
        control.setCurrentIndex(11);
        QCoreApplication::processEvents();
        const QList<QWidget *> buttons = bar->findChildren<QWidget *>();
        QVERIFY(!buttons.isEmpty() && buttons.first()->isVisible());
        QVERIFY(bar->tabRect(11).right() < buttons.first()->x());
    }

    void emptyTabBarPaintsNothing()
    {
        AppTabBar bar(nullptr, false);
        QWidget plain;
        bar.resize(200, 60);
        plain.resize(200, 60);
        plain.setPalette(bar.palette());
        QCOMPARE(bar.grab().toImage(), plain.grab().toImage());
    }

    void pageBarPassesBoldFont()
    {
        QSettings().setValue(QStringLiteral("Fonts/Size"), 16);
        AppTabBar page(nullptr, false);
        auto *plain = new QLabel(QStringLiteral("inherits"), &page);
        auto *own = new QLabel(QStringLiteral("own font"), &page);
        QFont normal = own->font();
        normal.setWeight(QFont::Normal);
        normal.setPixelSize(11);
        own->setFont(normal);
        QCOMPARE(page.font().styleStrategy(), QFont::PreferAntialias);
        QCOMPARE(plain->font().weight(), int(QFont::Bold));
        QCOMPARE(plain->font().pixelSize(), 16);
        QCOMPARE(own->font().weight(), int(QFont::Normal));
        QCOMPARE(own->font().pixelSize(), 11);
    }

    // What no other case pins: the tick, the line width, the colour and the fixed size. Without
    // a parent, or with centring and disabling off, the loader stays where it is and leaves the
    // parent as it was.
    void loaderDefaultsAndFlagsOff()
    {
        QWidget parent;
        parent.resize(200, 200);
        parent.show();
        LoaderWidget orphan(nullptr);
        LoaderWidget loader(&parent, false, false);
        QCOMPARE(orphan.timerInterval(), 31);
        QCOMPARE(orphan.lineWidth(), 2);
        QCOMPARE(orphan.color(), QColor(Qt::black));
        QCOMPARE(orphan.size(), QSize(40, 40));
        QCOMPARE(orphan.minimumSize(), orphan.maximumSize());
        for (LoaderWidget *each : { &orphan, &loader }) {
            QVERIFY(each->isHidden());
            each->move(3, 4);
            each->start();
            QVERIFY(each->isSpinning());
            QCOMPARE(each->pos(), QPoint(3, 4));
        }
        QVERIFY(parent.isEnabled());
        parent.setEnabled(false);
        loader.stop();
        QVERIFY(!loader.isSpinning());
        QVERIFY(!parent.isEnabled());
    }

    void loaderStartStop()
    {
        QWidget parent;
        parent.resize(301, 201);
        parent.show();
        QVERIFY(QTest::qWaitForWindowExposed(&parent));
        LoaderWidget loader(&parent);
        loader.setLineLength(20);
        loader.setInnerRadius(20);
        QElapsedTimer clock;
        clock.start();
        loader.start();
        QVERIFY(loader.isSpinning());
        QVERIFY(loader.isVisible());
        QVERIFY(!parent.isEnabled());
        QCOMPARE(loader.pos(), QPoint(150 - 40, 100 - 40));
        QTRY_VERIFY(loader.currentCounter() >= 3);
        // Three ticks of 31 ms (coarse timers may fire 5 % early) take at least 88 ms.
        QVERIFY(clock.elapsed() >= 88);
        // A second start keeps the phase.
        const int phase = loader.currentCounter();
        loader.start();
        QCOMPARE(loader.currentCounter(), phase);
        QVERIFY(loader.isSpinning());
        // A resized parent has the loader back in its middle at the next paint.
        parent.resize(401, 301);
        loader.update();
        QTRY_COMPARE(loader.pos(), QPoint(200 - 40, 150 - 40));

        loader.stop();
        QVERIFY(!loader.isSpinning());
        QVERIFY(loader.isHidden());
        QVERIFY(parent.isEnabled());
        QCOMPARE(loader.currentCounter(), 0);
        QTest::qWait(100);
        QCOMPARE(loader.currentCounter(), 0);
    }

    // A stop without a start shows the parent again and keeps the phase; the phase wraps at 20.
    void loaderRotateAndStopWithoutStart()
    {
        QWidget parent;
        LoaderWidget loader(&parent);
        parent.setEnabled(false);
        for (int i = 0; i < 19; ++i)
            QMetaObject::invokeMethod(&loader, "rotate");
        QCOMPARE(loader.currentCounter(), 19);
        loader.stop();
        QVERIFY(loader.isHidden());
        QVERIFY(parent.isEnabled());
        QCOMPARE(loader.currentCounter(), 19);
        QMetaObject::invokeMethod(&loader, "rotate");
        QCOMPARE(loader.currentCounter(), 0);
    }

    void loaderLineColor_data()
    {
        QTest::addColumn<int>("counter");
        QTest::addColumn<int>("line");
        QTest::addColumn<double>("alpha");
        const double minAlpha = M_PI / 100.0;
        const double step = (1.0 - minAlpha) / 17.0;
        QTest::newRow("leading bar") << 0 << 0 << 1.0;
        QTest::newRow("one behind, wrapped") << 5 << 4 << 1.0 - step;
        QTest::newRow("last of the trail") << 0 << 4 << 1.0 - 16 * step;
        QTest::newRow("beyond the trail") << 0 << 3 << minAlpha;
    }

    void loaderLineColor()
    {
        QFETCH(int, counter);
        QFETCH(int, line);
        QFETCH(double, alpha);
        LoaderWidget loader(nullptr);
        loader.setColor(QColor(0xFF698C69));
        for (int i = 0; i < counter; ++i)
            QMetaObject::invokeMethod(&loader, "rotate");
        const QColor color = loader.lineColor(line);
        QCOMPARE(color.rgb(), QColor(0xFF698C69).rgb());
        // Alpha is kept in 16 bits; compare to that precision.
        QVERIFY2(std::abs(color.alphaF() - alpha) < 1e-4,
                 qPrintable(QString::number(color.alphaF()) + " vs " + QString::number(alpha)));
    }

    void columnFitterFitsOneColumnATurn()
    {
        QTreeWidget tree;
        tree.setColumnCount(4);
        tree.setColumnWidth(0, 77);
        ColumnFitter *fitter = ColumnFitter::attach(&tree, { 0 }, 120);
        // Counts the turns of the event loop, to tell on which turn each column was resized.
        int turn = 0;
        QTimer ticker;
        connect(&ticker, &QTimer::timeout, [&turn] { ++turn; });
        ticker.start(0);
        QMap<int, int> resizedOnTurn;
        connect(tree.header(), &QHeaderView::sectionResized,
                [&](int column) { resizedOnTurn[column] = turn; });
        const QString longText(400, QLatin1Char('W'));
        tree.addTopLevelItem(
            new QTreeWidgetItem({ longText, QStringLiteral("ab"), longText, longText }));
        QVERIFY(fitter->isPending());
        QTRY_VERIFY(!fitter->isPending());
        // The fixed first column and the stretching last one keep their widths.
        QVERIFY(!resizedOnTurn.contains(0));
        QVERIFY(resizedOnTurn.contains(1) && resizedOnTurn.contains(2));
        QVERIFY(resizedOnTurn.value(1) < resizedOnTurn.value(2));
        QCOMPARE(tree.columnWidth(0), 77);
        QVERIFY2(tree.columnWidth(1) < 60, "a short column shrinks to its text");
        QCOMPARE(tree.columnWidth(2), 120); // a long one stops at the bound
        tree.setColumnWidth(2, 10);
        fitter->fit(); // at once, without waiting for the rows to settle
        QCOMPARE(tree.columnWidth(2), 120);
    }
};

QTEST_MAIN(TestWidgets)
#include "tst_widgets.moc"
