// The service list from systemd over D-Bus, against a stand-in manager on a private dbus-daemon.

#include "platform/linux_services.h"
#include "platform/sysroot.h"
#include "showvariant.h"

#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusMetaType>
#include <QDBusObjectPath>
#include <QDBusVirtualObject>
#include <QProcess>
#include <QThread>
#include <QtTest>

using namespace plat;

struct UnitRow
{
    QString name, description, load, active;
    QDBusObjectPath path;
    QString sub {}, following {};
    quint32 jobId = 0;
    QString jobType {};
    QDBusObjectPath jobPath { "/" };
};
struct ExecRow
{
    QString path;
    QStringList argv;
};
using FileRow = QPair<QString, QString>; // a(ss): path, state
Q_DECLARE_METATYPE(UnitRow)
Q_DECLARE_METATYPE(ExecRow)

QDBusArgument &operator<<(QDBusArgument &a, const UnitRow &r)
{
    a.beginStructure();
    a << r.name << r.description << r.load << r.active << r.sub << r.following << r.path << r.jobId
      << r.jobType << r.jobPath;
    a.endStructure();
    return a;
}
const QDBusArgument &operator>>(const QDBusArgument &a, UnitRow &r)
{
    a.beginStructure();
    a >> r.name >> r.description >> r.load >> r.active >> r.sub >> r.following >> r.path >> r.jobId
        >> r.jobType >> r.jobPath;
    a.endStructure();
    return a;
}
// a(sasbttttuii): path, argv, ignore failure, four times, pid, code, status
QDBusArgument &operator<<(QDBusArgument &a, const ExecRow &r)
{
    a.beginStructure();
    a << r.path << r.argv << false << quint64(0) << quint64(0) << quint64(0) << quint64(0)
      << quint32(0) << qint32(0) << qint32(0);
    a.endStructure();
    return a;
}
const QDBusArgument &operator>>(const QDBusArgument &a, ExecRow &r)
{
    bool ignore;
    quint64 t;
    quint32 pid;
    qint32 code;
    a.beginStructure();
    a >> r.path >> r.argv >> ignore >> t >> t >> t >> t >> pid >> code >> code;
    a.endStructure();
    return a;
}

namespace {

QDBusObjectPath unitPath(const char *escaped)
{
    return QDBusObjectPath("/org/freedesktop/systemd1/unit/" + QLatin1String(escaped));
}

// Answers the manager's two list calls and Properties.GetAll for each unit.
class FakeManager : public QDBusVirtualObject
{
public:
    QString introspect(const QString &) const override { return QString(); }

    bool handleMessage(const QDBusMessage &message, const QDBusConnection &connection) override
    {
        QDBusMessage reply;
        if (message.member() == QLatin1String("ListUnitsByPatterns")) {
            reply = message.createReply(QVariant::fromValue(QList<UnitRow> {
                { "ssh.service", "OpenBSD Secure Shell server", "loaded", "active",
                  unitPath("ssh_2eservice") },
                { "starting.service", "Slow starter", "loaded", "activating",
                  unitPath("starting_2eservice") },
                { "failed.service", "Broken one", "loaded", "failed",
                  unitPath("failed_2eservice") },
                { "ghost.service", "ghost.service", "not-found", "inactive",
                  unitPath("ghost_2eservice") },
                { "getty@tty1.service", "Getty on tty1", "loaded", "active",
                  unitPath("getty_40tty1_2eservice") },
            }));
        } else if (message.member() == QLatin1String("ListUnitFilesByPatterns")) {
            reply = message.createReply(QVariant::fromValue(QList<FileRow> {
                { "/lib/systemd/system/ssh.service", "enabled" },
                { "/lib/systemd/system/sshd.service", "alias" },
                { "/lib/systemd/system/getty@.service", "enabled" },
                { "/lib/systemd/system/cups.service", "disabled" },
                { "/lib/systemd/system/x11-common.service", "masked" },
            }));
        } else if (message.member() == QLatin1String("GetAll")) {
            // As systemd: the interface whose properties are wanted is the one argument.
            if (message.arguments() != QVariantList { "org.freedesktop.systemd1.Service" })
                return connection.send(
                    message.createErrorReply(QDBusError::InvalidArgs, "bad args"));
            QVariantMap props;
            const QString path = message.path();
            if (path.endsWith(QLatin1String("ssh_2eservice")))
                props = { { "Type", "notify" },
                          { "MainPID", quint32(812) },
                          { "ExecMainStatus", qint32(0) },
                          { "ExecStart",
                            QVariant::fromValue(
                                QList<ExecRow> { { "/usr/sbin/sshd", { "sshd", "-D" } } }) } };
            else if (path.endsWith(QLatin1String("starting_2eservice")))
                props = { { "Type", "forking" },
                          { "MainPID", quint32(0) },
                          { "TimeoutStartUSec", quint64(90000000) } };
            else if (path.endsWith(QLatin1String("failed_2eservice")))
                props = { { "Type", "simple" }, { "ExecMainStatus", qint32(1) } };
            reply = message.createReply(QVariant::fromValue(props));
        } else {
            return false;
        }
        return connection.send(reply);
    }
};

} // namespace

class TestServicesDbus : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        qDBusRegisterMetaType<UnitRow>();
        qDBusRegisterMetaType<QList<UnitRow>>();
        qDBusRegisterMetaType<FileRow>();
        qDBusRegisterMetaType<QList<FileRow>>();
        qDBusRegisterMetaType<ExecRow>();
        qDBusRegisterMetaType<QList<ExecRow>>();

        if (QStandardPaths::findExecutable("dbus-daemon").isEmpty())
            QSKIP("dbus-daemon is not installed");
        // Its socket lives in the run's own runtime folder, which is removed afterwards.
        const QString dir = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
        m_daemon.start(
            "dbus-daemon",
            { "--session", "--nofork", "--address=unix:dir=" + dir, "--print-address=1" });
        QVERIFY(m_daemon.waitForStarted());
        QVERIFY(m_daemon.waitForReadyRead(5000));
        m_address = QString::fromUtf8(m_daemon.readLine()).trimmed();
        QVERIFY(m_address.startsWith(QLatin1String("unix:")));
    }

    void cleanupTestCase()
    {
        if (m_manager) {
            QDBusConnection::disconnectFromBus("vn-fake-manager");
            m_serverThread.quit();
            m_serverThread.wait();
            delete m_manager;
        }
        m_daemon.terminate();
        m_daemon.waitForFinished();
    }

    void noManager()
    {
        // A bus without systemd: the caller falls back to the unit files.
        const QDBusConnection client = QDBusConnection::connectToBus(m_address, "vn-client-empty");
        QVERIFY(client.isConnected());
        QVector<wmi::Object> out;
        QVERIFY(!services::fromSystemd(client, SysRoot(QStringLiteral(VN_FIXTURES_DIR "/desktop")),
                                       &out));
        QVERIFY(!services::fromSystemd(QDBusConnection("vn-never-connected"), SysRoot(), &out));
    }

    void listsUnits_data()
    {
        QTest::addColumn<QString>("unit");
        QTest::addColumn<QStringList>("expected"); // Property=value
        QTest::newRow("running") << "ssh.service"
                                 << QStringList({ "Caption=OpenBSD Secure Shell server",
                                                  "PathName=/usr/sbin/sshd -D", "ProcessId=812",
                                                  "ServiceType=notify", "State=Running",
                                                  "Status=OK", "StartMode=Auto", "ExitCode=0",
                                                  "WaitHint=0" });
        QTest::newRow("starting") << "starting.service"
                                  << QStringList({ "State=Start Pending", "WaitHint=90000",
                                                   "StartMode=NULL" });
        QTest::newRow("failed") << "failed.service"
                                << QStringList({ "State=Stopped", "Status=Error", "ExitCode=1" });
        QTest::newRow("not found") << "ghost.service" << QStringList { "Status=Error" };
        // Not loaded: read from its file under the root.
        QTest::newRow("unit file")
            << "cups.service"
            << QStringList({ "Caption=CUPS Scheduler", "PathName=/usr/sbin/cupsd -l",
                             "State=Stopped", "StartMode=Manual", "ProcessId=0" });
        QTest::newRow("masked") << "x11-common.service"
                                << QStringList({ "StartMode=Disabled", "ServiceType=NULL" });
    }

    void listsUnits()
    {
        QFETCH(QString, unit);
        QFETCH(QStringList, expected);
        if (!m_manager) {
            QDBusConnection server = QDBusConnection::connectToBus(m_address, "vn-fake-manager");
            QVERIFY(server.registerService("org.freedesktop.systemd1"));
            m_manager = new FakeManager;
            QVERIFY(server.registerVirtualObject("/org/freedesktop/systemd1", m_manager,
                                                 QDBusConnection::SubPath));
            // The client blocks this thread in its calls, so the manager answers from another.
            m_manager->moveToThread(&m_serverThread);
            m_serverThread.start();
        }
        const QDBusConnection client = QDBusConnection::connectToBus(m_address, "vn-client");
        QVector<wmi::Object> out;
        QVERIFY(services::fromSystemd(client, SysRoot(QStringLiteral(VN_FIXTURES_DIR "/desktop")),
                                      &out));
        QStringList names;
        for (const wmi::Object &o : out)
            names.append(o.value("Name").bstrVal);
        // Loaded units in the manager's order, then unit files not loaded; no template or alias.
        QCOMPARE(names,
                 QStringList({ "ssh.service", "starting.service", "failed.service", "ghost.service",
                               "getty@tty1.service", "cups.service", "x11-common.service" }));
        const wmi::Object &o = out.at(names.indexOf(unit));
        for (const QString &pair : expected) {
            const QString property = pair.section(QLatin1Char('='), 0, 0);
            QCOMPARE(property + QLatin1Char('=') + show(o.value(property)), pair);
        }
    }

private:
    QProcess m_daemon;
    QString m_address;
    QThread m_serverThread;
    FakeManager *m_manager = nullptr;
};

QTEST_GUILESS_MAIN(TestServicesDbus)
#include "tst_services_dbus.moc"
