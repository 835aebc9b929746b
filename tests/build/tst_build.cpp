#include <QtTest>

// Checks that every test runs in its own throw-away home, never the user's.
class TestBuild : public QObject
{
    Q_OBJECT
private slots:
    void isolatedHome()
    {
        const QByteArray scratch = qgetenv("VN_TEST_SCRATCH");
        QVERIFY(!scratch.isEmpty());
        QVERIFY(qgetenv("HOME").startsWith(scratch));
        QVERIFY(qgetenv("XDG_CONFIG_HOME").startsWith(scratch));
        QCOMPARE(qgetenv("QT_QPA_PLATFORM"), QByteArray("offscreen"));
    }
};

QTEST_GUILESS_MAIN(TestBuild)
#include "tst_build.moc"
