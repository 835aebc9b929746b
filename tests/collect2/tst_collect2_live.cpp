#include "collect2testing.h"
#include "platform/fakes/fakeplatform.h"
#include "platform/linuxprovider.h"
#include <QtTest>
class Dump : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        QCoreApplication::setOrganizationName("Dravonel");
        QCoreApplication::setApplicationName("Verdimon Nuvo");
        const QString user = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + "/autostart";
        QDir().mkpath(user);
        const QString from = fixture("desktop") + "/home/user/.config/autostart";
        for (const QString &f : QDir(from).entryList(QDir::Files))
            QFile::copy(from + '/' + f, user + '/' + f);
        qunsetenv("XDG_CONFIG_DIRS");
        qputenv("XDG_CURRENT_DESKTOP", "KDE");
    }
    void dump_data()
    {
        QTest::addColumn<QString>("tree");
        QTest::addColumn<int>("which");
        for (const char *t : {"desktop", "vm"})
            for (int w = 0; w < 5; ++w)
                QTest::addRow("%s %d", t, w) << QString(t) << w;
    }
    void dump()
    {
        QFETCH(QString, tree);
        QFETCH(int, which);
        const plat::SysRoot root(fixture(tree.toLatin1().constData()));
        wmi::ScopedProvider p(std::make_shared<plat::LinuxProvider>(root));
        plat::ScopedPlatform m(plat::makeLinuxPlatform(root));
        Worker worker;
        SignalLog log(&worker);
        switch (which) {
        case 0: worker.servicesWMIData(); break;
        case 1: worker.processesWMIData(); break;
        case 2: worker.programsData(); break;
        case 3: worker.getSystemDrivers(); break;
        case 4: worker.getStartupApp(); break;
        }
        qInfo().noquote() << describeLog(log).join('\n');
    }
};
QTEST_MAIN(Dump)
#include "tst_collect2_live.moc"
