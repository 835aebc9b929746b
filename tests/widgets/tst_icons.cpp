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

void TestIcons::iconLoads_data()
{
    QTest::addColumn<QString>("name");
    const char *names[] = {
        "about_icon.png",
        "arrow-right.svg",
        "check.svg",
        "cmd.png",
        "cog.svg",
        "cpu.png",
        "default_apps_icon.png",
        "default_processes_icon.png",
        "default_startup_icon.png",
        "drivers_icon.png",
        "dxdiag.png",
        "file-code.svg",
        "file.svg",
        "gpu.png",
        "keyboard_mouse_icon.png",
        "lock.svg",
        "motherboard_icon.png",
        "network.png",
        "optical_devices.png",
        "os.png",
        "partition.png",
        "peripheral.png",
        "print.svg",
        "printer.png",
        "processes_icon.png",
        "ram.png",
        "save.svg",
        "search.svg",
        "services_icon.png",
        "sign-in.svg",
        "sign-out.svg",
        "sound_devices_icon.png",
        "storage.png",
        "sync.svg",
        "times_black.svg",
        "times_red.svg",
        "tools.svg",
        "tpm_icon.png",
        "useful_commands_icon.png",
        "user_avatar.svg",
        "user_reg.svg",
        "window-minimize_black.svg",
        "window-minimize_blue.svg",
        "en_US.png",
        "ru_RU.png",
        "uk_UA.png",
        "services_off.png",
        "services_on.png",
        "verdimon_icon.ico",
    };
    for (const char *name : names)
        QTest::newRow(name) << QString::fromLatin1(name);
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
        QVERIFY(pixmap.width() >= 16 && pixmap.height() >= 16);
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
