#include "app/applog.h"
#include "app/fonts.h"
#include "app/settings.h"
#include "tests/support/appidentity.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QMimeDatabase>
#include <QSettings>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QtTest>

class TestFonts : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { QSettings().clear(); }

    void resourceFiles()
    {
        QCOMPARE(fontResourceFile().keys(),
                 QStringList({ "Arial", "MS Shell Dlg 2", "Roboto", "Segoe UI", "Segoe UI Variable",
                               "Segoe UI Variable Display" }));
        for (const QString family : { "Arial", "Roboto", "Segoe UI", "Segoe UI Variable" }) {
            const QString file = fontResourceFile().value(family);
            QVERIFY2(QMimeDatabase()
                         .mimeTypeForFile(file, QMimeDatabase::MatchContent)
                         .inherits("application/x-font-ttf"),
                     qPrintable(family));
            const int id = QFontDatabase::addApplicationFont(file);
            QVERIFY(QFontDatabase::applicationFontFamilies(id).contains(freeFamilyFor(family)));
        }
    }

    void appFonts()
    {
        Settings::setSettingsValue("Fonts", "Family", "Segoe UI");
        Settings::setSettingsValue("Fonts", "Size", 14);
        for (bool bold : { false, true }) {
            const QFont font = appFont(bold);
            QCOMPARE(font.family(), QString("Segoe UI"));
            QCOMPARE(font.pixelSize(), 14);
            QCOMPARE(font.weight(), bold ? 75 : 50);
            QVERIFY(font.styleStrategy() & QFont::PreferAntialias);
            QVERIFY(!font.underline());
            const QFont ex = appFontEx(20, bold, true);
            QCOMPARE(ex.pixelSize(), 20);
            QCOMPARE(ex.weight(), font.weight());
            QVERIFY(ex.underline());
        }
    }

    void familiesResolveToTheirStandIns()
    {
        QFontDatabase::addApplicationFont(":/Fonts/segoeui.ttf");
        QFontDatabase::addApplicationFont(":/Fonts/arial.ttf");
        registerFontSubstitutions();
        QVERIFY(QFont::substitutes("Segoe UI").contains("Open Sans", Qt::CaseInsensitive));
        QVERIFY(QFont::substitutes("Arial").contains("Liberation Sans", Qt::CaseInsensitive));
        Settings::setSettingsValue("Fonts", "Family", "Segoe UI");
        QCOMPARE(QFontInfo(appFont(false)).family(), QString("Open Sans"));
        Settings::setSettingsValue("Fonts", "Family", "Arial");
        QCOMPARE(QFontInfo(appFont(false)).family(), QString("Liberation Sans"));
    }

    void installsWhatIsMissing()
    {
        QTemporaryDir dir;
        const QString fonts = dir.filePath("fonts");
        const QString record = dir.filePath("installed.ini");
        const QStringList copied = installFontFiles(fonts, { "DejaVu Sans" }, record);
        // Segoe UI Variable needs no second copy: its stand-in came with segoeui.ttf.
        QCOMPARE(copied, QStringList({ "arial.ttf", "Roboto-Regular.ttf", "segoeui.ttf" }));
        for (const QString &name : copied) {
            const QFileInfo info(fonts + "/" + name);
            QVERIFY(info.exists());
            QVERIFY(info.permissions() & QFileDevice::WriteOwner);
            QVERIFY(info.permissions() & QFileDevice::ReadOther);
        }
        QSettings stored(record, QSettings::IniFormat);
        stored.beginGroup("Fonts");
        QCOMPARE(stored.childKeys(),
                 QStringList({ "Arial (TrueType)", "Roboto (TrueType)", "Segoe UI (TrueType)" }));
        for (int i = 0; i < copied.size(); ++i)
            QCOMPARE(stored.value(stored.childKeys().at(i)).toString(), copied.at(i));

        // A second start finds the files in place.
        QCOMPARE(installFontFiles(fonts, { "DejaVu Sans" }, record), QStringList());

        // Nothing at all when every stand-in is present.
        QTemporaryDir other;
        const QString otherRecord = other.filePath("installed.ini");
        const QStringList present = { "Liberation Sans", "roboto", "Open Sans", "DejaVu Sans" };
        QCOMPARE(installFontFiles(other.filePath("fonts"), present, otherRecord), QStringList());
        QVERIFY(!QFile::exists(otherRecord));
        QVERIFY(!QFileInfo::exists(other.filePath("fonts")));
    }

    void failedCopyIsLogged()
    {
        QTemporaryDir dir;
        // A file where the folder should be.
        QVERIFY(QFile(dir.filePath("fonts")).open(QIODevice::WriteOnly));
        const QStringList copied
            = installFontFiles(dir.filePath("fonts"), {}, dir.filePath("installed.ini"));
        QVERIFY(copied.isEmpty());
        const QString log = logView()->toPlainText() + '\n';
        for (const char *family : { "Arial", "Roboto", "Segoe UI" })
            QVERIFY2(log.contains(QStringLiteral(": Failed to copy the font: %1\n").arg(family)),
                     family);
        QVERIFY(!log.contains("MS Shell Dlg 2"));
    }
};

QTEST_MAIN(TestFonts)
#include "tst_fonts.moc"
