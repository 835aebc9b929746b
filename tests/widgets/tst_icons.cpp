#include <QDirIterator>
#include <QIcon>
#include <QImageReader>
#include <QPixmap>
#include <QtTest>

// Every picture the windows load by resource path must be there and decode.
class TestIcons : public QObject
{
    Q_OBJECT

private slots:
    void iconLoads_data();
    void iconLoads();
    void flagsAreFlags_data();
    void flagsAreFlags();
    void splashLogo();
};

// Every picture of the icon folder, at least the 49 the windows name.
void TestIcons::iconLoads_data()
{
    QTest::addColumn<QString>("name");
    QDirIterator it(QStringLiteral(":/Icon"), QDir::Files);
    int count = 0;
    while (it.hasNext()) {
        const QString name = QFileInfo(it.next()).fileName();
        QTest::newRow(qPrintable(name)) << name;
        ++count;
    }
    QVERIFY(count >= 49);
}

void TestIcons::iconLoads()
{
    QFETCH(QString, name);
    // Both spellings name the same resource: with and without the slash after the colon.
    for (const QString &path : { ":/Icon/" + name, ":Icon/" + name }) {
        QVERIFY2(QFile::exists(path), qPrintable(path));
        QImageReader reader(path);
        QVERIFY2(reader.canRead(), qPrintable(path + ": " + reader.errorString()));
        const QPixmap pixmap(path);
        QVERIFY2(!pixmap.isNull(), qPrintable(path));
        // The style sheets' arrows are drawn small; every other picture is at least 16 x 16.
        const int least = name.startsWith(QLatin1String("chevron-")) ? 8 : 16;
        QVERIFY(pixmap.width() >= least && pixmap.height() >= least);
        const QIcon icon(path);
        QVERIFY(!icon.isNull());
        const QImage small = icon.pixmap(16, 16).toImage();
        QVERIFY(!small.isNull());
        // A blank picture would mean a drawing that failed to render.
        bool drawn = false;
        for (int y = 0; y < small.height() && !drawn; ++y)
            for (int x = 0; x < small.width() && !drawn; ++x)
                drawn = qAlpha(small.pixel(x, y)) > 0;
        QVERIFY2(drawn, qPrintable(path + " is blank"));
    }
}

void TestIcons::flagsAreFlags_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QRgb>("top");
    QTest::addColumn<QRgb>("bottom");
    QTest::newRow("ukrainian") << ":Icon/uk_UA.png" << qRgb(0x00, 0x57, 0xB7)
                               << qRgb(0xFF, 0xD7, 0x00);
    QTest::newRow("russian") << ":Icon/ru_RU.png" << qRgb(0xFF, 0xFF, 0xFF)
                             << qRgb(0xD5, 0x2B, 0x1E);
    QTest::newRow("english") << ":Icon/en_US.png" << qRgb(0x3C, 0x3B, 0x6E)
                             << qRgb(0xB2, 0x22, 0x34);
}

void TestIcons::flagsAreFlags()
{
    QFETCH(QString, path);
    QFETCH(QRgb, top);
    QFETCH(QRgb, bottom);
    const QImage image(path);
    QVERIFY(!image.isNull());
    QVERIFY(image.width() > image.height());
    QCOMPARE(QColor(image.pixel(4, 4)).rgb(), top);
    QCOMPARE(QColor(image.pixel(image.width() - 2, image.height() - 1)).rgb(), bottom);
}

void TestIcons::splashLogo()
{
    const QPixmap logo(QStringLiteral(":/Splash/Dravonel_Logo.png"));
    QVERIFY(!logo.isNull());
    // Shown scaled into a 621 x 181 label: keep that shape.
    QCOMPARE(logo.width() * 181, logo.height() * 621);
    const QPixmap again(QStringLiteral(":Splash/%1_Logo.png").arg(QStringLiteral("Dravonel")));
    QCOMPARE(again.size(), logo.size());
}

QTEST_MAIN(TestIcons)
#include "tst_icons.moc"
