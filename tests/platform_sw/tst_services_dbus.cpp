// The service list from a systemd manager over D-Bus, against a stand-in manager on a private
// bus (a dbus-daemon of the test's own, on a local socket).

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
    QString name, description, load, active, sub, following;
    QDBusObjectPath path;
    quint32 jobId = 0;
    QString jobType;
    QDBusObjectPath jobPath { QStringLiteral("/") };
};
struct FileRow
{
    QString path, state;
};
struct ExecRow
{
    QString path;
    QStringList argv;
};
Q_DECLARE_METATYPE(UnitRow)
Q_DECLARE_METATYPE(FileRow)
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
QDBusArgument &operator<<(QDBusArgument &a, const FileRow &r)
{
    a.beginStructure();
    a << r.path << r.state;
    a.endStructure();
    return a;
}
const QDBusArgument &operator>>(const QDBusArgument &a, FileRow &r)
{
    a.beginStructure();
    a >> r.path >> r.state;
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
    return QDBusObjectPath(QStringLiteral("/org/freedesktop/systemd1/unit/")
                           + QLatin1String(escaped));
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
            const auto row = [](const char *n, const char *d, const char *load, const char *active,
                                const char *path) {
                UnitRow r;
                r.name = QLatin1String(n);
                r.description = QLatin1String(d);
                r.load = QLatin1String(load);
                r.active = QLatin1String(active);
                r.path = unitPath(path);
                return r;
            };
            reply = message.createReply(QVariant::fromValue(QList<UnitRow> {
                row("ssh.service", "OpenBSD Secure Shell server", "loaded", "active",
                    "ssh_2eservice"),
                row("starting.service", "Slow starter", "loaded", "activating",
                    "starting_2eservice"),
                row("failed.service", "Broken one", "loaded", "failed", "failed_2eservice"),
                row("ghost.service", "ghost.service", "not-found", "inactive", "ghost_2eservice"),
                row("getty@tty1.service", "Getty on tty1", "loaded", "active",
                    "getty_40tty1_2eservice"),
            }));
        } else if (message.member() == QLatin1String("ListUnitFilesByPatterns")) {
            reply = message.createReply(QVariant::fromValue(QList<FileRow> {
                { QStringLiteral("/lib/systemd/system/ssh.service"), QStringLiteral("enabled") },
                { QStringLiteral("/lib/systemd/system/sshd.service"), QStringLiteral("alias") },
                { QStringLiteral("/lib/systemd/system/getty@.service"), QStringLiteral("enabled") },
                { QStringLiteral("/lib/systemd/system/cups.service"), QStringLiteral("disabled") },
                { QStringLiteral("/lib/systemd/system/x11-common.service"),
                  QStringLiteral("masked") },
            }));
        } else if (message.member() == QLatin1String("GetAll")) {
            // As systemd: the interface whose properties are wanted is the one argument.
            if (message.arguments()
                != QVariantList { QStringLiteral("org.freedesktop.systemd1.Service") })
                return connection.send(
                    message.createErrorReply(QDBusError::InvalidArgs, QStringLiteral("bad args")));
            QVariantMap props;
            const QString path = message.path();
            if (path.endsWith(QLatin1String("ssh_2eservice"))) {
                props.insert(QStringLiteral("Type"), QStringLiteral("notify"));
                props.insert(QStringLiteral("MainPID"), quint32(812));
                props.insert(QStringLiteral("ExecMainStatus"), qint32(0));
                props.insert(QStringLiteral("ExecStart"),
                             QVariant::fromValue(QList<ExecRow> {
                                 { QStringLiteral("/usr/sbin/sshd"),
                                   { QStringLiteral("sshd"), QStringLiteral("-D") } } }));
            } else if (path.endsWith(QLatin1String("starting_2eservice"))) {
                props.insert(QStringLiteral("Type"), QStringLiteral("forking"));
                props.insert(QStringLiteral("MainPID"), quint32(0));
                props.insert(QStringLiteral("TimeoutStartUSec"), quint64(90000000));
            } else if (path.endsWith(QLatin1String("failed_2eservice"))) {
                props.insert(QStringLiteral("Type"), QStringLiteral("simple"));
                props.insert(QStringLiteral("ExecMainStatus"), qint32(1));
            }
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

        if (QStandardPaths::findExecutable(QStringLiteral("dbus-daemon")).isEmpty())
            QSKIP("dbus-daemon is not installed");
        // Its socket lives in the run's own runtime folder, which is removed afterwards.
        const QString dir = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
        m_daemon.start(QStringLiteral("dbus-daemon"),
                       { QStringLiteral("--session"), QStringLiteral("--nofork"),
                         QStringLiteral("--address=unix:dir=") + dir,
                         QStringLiteral("--print-address=1") });
        QVERIFY(m_daemon.waitForStarted());
        QVERIFY(m_daemon.waitForReadyRead(5000));
        m_address = QString::fromUtf8(m_daemon.readLine()).trimmed();
        QVERIFY(m_address.startsWith(QLatin1String("unix:")));
    }

    void cleanupTestCase()
    {
        if (m_manager) {
            QDBusConnection::disconnectFromBus(QStringLiteral("vn-fake-manager"));
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
        const QDBusConnection client
            = QDBusConnection::connectToBus(m_address, QStringLiteral("vn-client-empty"));
        QVERIFY(client.isConnected());
        QVector<wmi::Object> out;
        QVERIFY(!services::fromSystemd(client, SysRoot(QStringLiteral(VN_FIXTURES_DIR "/desktop")),
                                       &out));
        QVERIFY(!services::fromSystemd(QDBusConnection(QStringLiteral("vn-never-connected")),
                                       SysRoot(), &out));
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
            QDBusConnection server
                = QDBusConnection::connectToBus(m_address, QStringLiteral("vn-fake-manager"));
            QVERIFY(server.registerService(QStringLiteral("org.freedesktop.systemd1")));
            m_manager = new FakeManager;
            QVERIFY(server.registerVirtualObject(QStringLiteral("/org/freedesktop/systemd1"),
                                                 m_manager, QDBusConnection::SubPath));
            // The client blocks this thread in its calls, so the manager answers from another.
            m_manager->moveToThread(&m_serverThread);
            m_serverThread.start();
        }
        const QDBusConnection client
            = QDBusConnection::connectToBus(m_address, QStringLiteral("vn-client"));
        QVector<wmi::Object> out;
        QVERIFY(services::fromSystemd(client, SysRoot(QStringLiteral(VN_FIXTURES_DIR "/desktop")),
                                      &out));
        QStringList names;
        for (const wmi::Object &o : out)
            names.append(o.value(QStringLiteral("Name")).bstrVal);
        // Loaded units in the manager's order, then the unit files not loaded; no template, no
        // alias.
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
