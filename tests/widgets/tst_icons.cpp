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
    // Every picture of the icon folder, at least the 49 the windows name.
    void iconLoads_data()
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

    void iconLoads()
    {
        QFETCH(QString, name);
        const QString path = ":/Icon/" + name;
        QImageReader reader(path);
        QVERIFY2(reader.canRead(), qPrintable(path + ": " + reader.errorString()));
        const QPixmap pixmap(path);
        // The style sheets' arrows are drawn small; every other picture is at least 16 x 16.
        const int least = name.startsWith(QLatin1String("chevron-")) ? 8 : 16;
        QVERIFY(pixmap.width() >= least && pixmap.height() >= least);
        const QImage small = QIcon(path).pixmap(16, 16).toImage().convertToFormat(
            QImage::Format_ARGB32_Premultiplied);
        // A blank picture would mean a drawing that failed to render.
        QImage blank(small.size(), small.format());
        blank.fill(Qt::transparent);
        QVERIFY2(small != blank, qPrintable(path + " is blank"));
    }

    void splashLogo()
    {
        const QPixmap logo(QStringLiteral(":/Splash/Dravonel_Logo.png"));
        QVERIFY(!logo.isNull());
        // Shown scaled into a 621 x 181 label: keep that shape.
        QCOMPARE(logo.width() * 181, logo.height() * 621);
    }
};

QTEST_MAIN(TestIcons)
#include "tst_icons.moc"
