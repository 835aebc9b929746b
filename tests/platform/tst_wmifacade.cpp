#include "platform/fakes/fakeprovider.h"
#include "platform/linuxprovider.h"
#include "platform/wmi.h"
#include "platform/wmischema.h"
#include "platform/wmishims.h"

#include <QThread>
#include <QtTest>

#include <atomic>
#include <thread>

using namespace wmi;

namespace {

const QString kCimv2 = "ROOT\\CIMV2";
const QString kTpm = "ROOT\\CIMV2\\Security\\MicrosoftTpm";

// Runs the collector frame up to ExecQuery; releases everything it obtained on destruction.
struct Frame
{
    HRESULT hr = S_OK;
    IWbemLocator *locator = nullptr;
    IWbemServices *services = nullptr;
    IEnumWbemClassObject *enumerator = nullptr;
    bool comUp = false;

    Frame(const QString &ns, const QString &query, const QString &language = "WQL")
    {
        if (!step(CoInitializeEx(nullptr, COINIT_MULTITHREADED)))
            return;
        comUp = true;
        if (!step(CoCreateWbemLocator(&locator))
            || !step(locator->ConnectServer(ns, {}, {}, {}, 0, {}, nullptr, &services))
            || !step(CoSetProxyBlanket(services, RPC_C_AUTHN_WINNT, RPC_C_AUTHZ_NONE, nullptr,
                                       RPC_C_AUTHN_LEVEL_CALL, RPC_C_IMP_LEVEL_IMPERSONATE, nullptr,
                                       EOAC_NONE)))
            return;
        step(services->ExecQuery(language, query,
                                 WBEM_FLAG_FORWARD_ONLY | WBEM_FLAG_RETURN_IMMEDIATELY, nullptr,
                                 &enumerator));
    }
    ~Frame()
    {
        if (enumerator)
            enumerator->Release();
        if (services)
            services->Release();
        if (locator)
            locator->Release();
        if (comUp)
            CoUninitialize();
    }
    bool step(HRESULT result)
    {
        hr = result;
        return SUCCEEDED(result);
    }
    // Every object's values of the given properties; stops at the first failed or empty Next.
    QVector<QHash<QString, VARIANT>> read(const QStringList &properties)
    {
        QVector<QHash<QString, VARIANT>> rows;
        while (enumerator) {
            IWbemClassObject *object = nullptr;
            ULONG returned = 0;
            const HRESULT n = enumerator->Next(WBEM_INFINITE, 1, &object, &returned);
            if (FAILED(n) || returned == 0)
                break;
            QHash<QString, VARIANT> row;
            for (const QString &p : properties) {
                VARIANT v;
                object->Get(p, 0, &v, nullptr, nullptr);
                row.insert(p, v);
            }
            rows.append(row);
            object->Release();
        }
        return rows;
    }
};

} // namespace

class TestWmiFacade : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        m_fake = std::make_shared<FakeProvider>();
        m_fake->add("Win32_Processor",
                    { { "Name", bstr("CPU A") },
                      { "MaxClockSpeed", i4(3000) },
                      { "LoadPercentage", null() } });
        m_fake->add("Win32_Processor",
                    { { "Name", bstr("CPU B") }, { "MaxClockSpeed", i4(2000) } });
        m_fake->add("Win32_Tpm", { { "SpecVersion", bstr("2.0") } });
        m_scope = std::make_unique<ScopedProvider>(m_fake);
        m_baseline = liveObjects();
    }
    void cleanup()
    {
        QCOMPARE(liveObjects(), m_baseline);
        QCOMPARE(comDepth(), 0);
        m_scope.reset();
        m_fake.reset();
    }

    void execQuery_data()
    {
        QTest::addColumn<QString>("ns");
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("query");
        QTest::addColumn<quint32>("expected");
        const auto row = [](const QString &name, const char *query, quint32 expected,
                            const QString &ns = kCimv2, const char *language = "WQL") {
            QTest::newRow(qPrintable(name)) << ns << language << query << expected;
        };
        row("ok", "SELECT * FROM Win32_Processor", 0);
        row("ok projection", "SELECT Name FROM Win32_Processor", 0, kCimv2, "wql");
        row("lower keywords", "select * from win32_processor", 0);
        for (const char *refused :
             { "SELECT * Win32_Processor", "SELECT FROM Win32_BIOS",
               "SELECT * FROM Win32_Service WHERE Name='x'", "SELECT *, Name FROM Win32_BIOS",
               "SELECT Na-me FROM Win32_BIOS", "SELECT *FROMWin32_BIOS" })
            row(refused, refused, 0x80041017u);
        row("unknown class", "SELECT * FROM Win32_Fan", 0x80041010u);
        row("tpm class in cimv2", "SELECT * FROM Win32_Tpm", 0x80041010u);
        row("tpm ok", "SELECT SpecVersion FROM Win32_Tpm", 0, kTpm);
        row("unknown property", "SELECT Colour FROM Win32_Processor", 0x80041017u);
        row("other language", "SELECT * FROM Win32_Processor", 0x80041018u, kCimv2, "SQL");
        for (const char *ns : { "root\\cimv2", "ROOT/CIMV2", "\\\\.\\root\\cimv2" })
            row(QString("namespace %1").arg(ns), "SELECT * FROM Win32_Processor", 0, ns);
        row("tpm lower", "SELECT * FROM Win32_Tpm", 0, "root\\cimv2\\security\\microsofttpm");
        for (const char *ns :
             { "ROOT\\DEFAULT", "", "ROOT", "ROOT\\CIMV2\\Other", "\\\\server\\root\\cimv2" })
            row(QString("namespace '%1'").arg(ns), "SELECT * FROM Win32_Processor", 0x8004100Eu,
                ns);
    }
    void execQuery()
    {
        QFETCH(QString, ns);
        QFETCH(QString, language);
        QFETCH(QString, query);
        QFETCH(quint32, expected);
        Frame frame(ns, query, language);
        QCOMPARE(quint32(frame.hr), expected);
        QCOMPARE(frame.enumerator != nullptr, expected == 0);
        if (expected == 0x8004100Eu) // refused by ConnectServer
            QVERIFY(frame.locator && !frame.services);
    }

    void nextAndGet()
    {
        Frame frame(kCimv2, "SELECT * FROM Win32_Processor");
        QVERIFY(frame.enumerator);
        IWbemClassObject *object = nullptr;
        ULONG returned = 7;
        QCOMPARE(frame.enumerator->Next(WBEM_INFINITE, 1, &object, &returned), S_OK);
        QCOMPARE(returned, 1u);

        VARIANT v;
        QCOMPARE(object->Get("Name", 0, &v, nullptr, nullptr), S_OK);
        QCOMPARE(v.vt, quint16(VT_BSTR));
        QCOMPARE(v.bstrVal, "CPU A");
        QCOMPARE(object->Get("maxclockspeed", 0, &v, nullptr, nullptr), S_OK);
        QCOMPARE(v.vt, quint16(VT_I4));
        QCOMPARE(v.lVal, 3000);
        // In the schema but not given by the source: NULL, as WMI hands out unset properties.
        QCOMPARE(object->Get("SocketDesignation", 0, &v, nullptr, nullptr), S_OK);
        QCOMPARE(v.vt, quint16(VT_NULL));
        object->Release();

        QCOMPARE(frame.enumerator->Next(WBEM_INFINITE, 1, &object, &returned), S_OK);
        object->Release();
        object = nullptr;
        returned = 9;
        QCOMPARE(frame.enumerator->Next(WBEM_INFINITE, 1, &object, &returned), WBEM_S_FALSE);
        QCOMPARE(returned, 0u);
        QVERIFY(!object);
        // Stays at the end.
        QCOMPARE(frame.enumerator->Next(WBEM_INFINITE, 1, &object, &returned), WBEM_S_FALSE);
    }

    void comDepthPerThread()
    {
        QCOMPARE(CoInitializeEx(nullptr, COINIT_MULTITHREADED), S_OK);
        QCOMPARE(CoInitializeEx(nullptr, COINIT_MULTITHREADED), S_FALSE);
        QCOMPARE(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED), RPC_E_CHANGED_MODE);
        QCOMPARE(comDepth(), 2);

        // Another thread starts at depth 0, in the model it asks for; joined before reading.
        QList<int> other;
        std::thread([&other] {
            other << comDepth() << int(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED))
                  << comDepth();
            CoUninitialize();
        }).join();
        QCOMPARE(other, QList<int>({ 0, int(S_OK), 1 }));

        CoUninitialize();
        CoUninitialize();
        QCOMPARE(comDepth(), 0);
        CoUninitialize(); // unbalanced: ignored
        QCOMPARE(comDepth(), 0);

        IWbemLocator *locator = nullptr;
        QCOMPARE(CoCreateWbemLocator(&locator), CO_E_NOTINITIALIZED);
        QVERIFY(!locator);
    }

    void schemaAndProjection()
    {
        m_fake->add(
            "Win32_BIOS",
            { { "Manufacturer", i4(7) }, { "Caption", bstr("1.0") }, { "Bogus", bstr("x") } });
        QTest::ignoreMessage(QtWarningMsg,
                             QRegularExpression("Win32_BIOS.Manufacturer came as type 3"));
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("Win32_BIOS has no property Bogus"));
        Frame frame(kCimv2, "SELECT * FROM Win32_BIOS");
        const auto rows = frame.read({ "Manufacturer", "Caption", "Bogus" });
        QCOMPARE(rows.size(), 1);
        QCOMPARE(rows[0].value("Manufacturer").vt, quint16(VT_NULL));
        QCOMPARE(rows[0].value("Caption").bstrVal, "1.0");
        QCOMPARE(rows[0].value("Bogus").vt, quint16(VT_EMPTY));

        // Blanks around the list and its commas; a property not asked for is not handed out.
        Frame cpus(kCimv2, "  SELECT  Caption ,DeviceID, Name FROM   Win32_Processor  ");
        const auto projected = cpus.read({ "Name", "MaxClockSpeed" });
        QCOMPARE(projected.size(), 2);
        QCOMPARE(projected[1].value("Name").bstrVal, "CPU B");
        QCOMPARE(projected[1].value("MaxClockSpeed").vt, quint16(VT_EMPTY));
    }

    void cimDates_data()
    {
        QTest::addColumn<QString>("cim");
        QTest::addColumn<bool>("valid");
        QTest::addColumn<QDateTime>("utc");
        QTest::newRow("east") << "20210305070409.500000+180" << true
                              << QDateTime(QDate(2021, 3, 5), QTime(4, 4, 9, 500), Qt::UTC);
        QTest::newRow("west") << "20211231230000.000000-300" << true
                              << QDateTime(QDate(2022, 1, 1), QTime(4, 0, 0), Qt::UTC);
        QTest::newRow("month 13") << "20211305070409.000000+000" << false << QDateTime();
        QTest::newRow("hour 24") << "20210305240000.000000+000" << false << QDateTime();
        QTest::newRow("wildcards") << "********070409.000000+000" << false << QDateTime();
        QTest::newRow("no offset") << "20210305070409.000000" << false << QDateTime();
        QTest::newRow("interval") << "00000001000000.000000:000" << false << QDateTime();
    }
    void cimDates()
    {
        QFETCH(QString, cim);
        QFETCH(bool, valid);
        QDateTime out;
        QCOMPARE(wmiDateToLocal(cim, &out), valid);
        if (valid) {
            QFETCH(QDateTime, utc);
            QCOMPARE(out.timeSpec(), Qt::LocalTime);
            QCOMPARE(out.toUTC(), utc);
        }
    }

    void cimRoundTrip()
    {
        const QDateTime local(QDate(2023, 7, 14), QTime(21, 30, 15, 123), Qt::LocalTime);
        const QString text = toCimDateTime(local);
        QCOMPARE(text.size(), 25);
        QVERIFY(text.startsWith("20230714213015.123000"));
        QDateTime back;
        QVERIFY(wmiDateToLocal(text, &back));
        QCOMPARE(back, local);
        QVERIFY(toCimDateTime(QDateTime()).isEmpty());
        m_fake->failAt(Step::DateTime, E_FAIL);
        QVERIFY(!wmiDateToLocal(text, &back));
    }

    // The processor source samples the load for a quarter second; other classes must not wait.
    void slowClassDoesNotStallOthers()
    {
        ScopedProvider use(std::make_shared<plat::LinuxProvider>(plat::SysRoot()));
        std::atomic<bool> done { false };
        QElapsedTimer cpuTimer;
        cpuTimer.start();
        QThread *cpu = QThread::create([&done] {
            Frame frame(kCimv2, "SELECT * FROM Win32_Processor");
            frame.read({ "LoadPercentage" });
            done = true;
        });
        cpu->start();
        QThread::msleep(20);
        QElapsedTimer timer;
        timer.start();
        {
            Frame frame(kCimv2, "SELECT * FROM Win32_BIOS");
            QCOMPARE(frame.read({ "Caption" }).size(), 1);
        }
        const qint64 biosMs = timer.elapsed();
        const bool cpuStillRunning = !done;
        QVERIFY(cpu->wait(10000));
        const qint64 cpuMs = cpuTimer.elapsed();
        delete cpu;
        if (cpuMs < 150)
            QSKIP("no load sample on this machine");
        QVERIFY(cpuStillRunning);
        QVERIFY2(biosMs < 100, qPrintable(QString::number(biosMs)));
    }

private:
    std::shared_ptr<FakeProvider> m_fake;
    std::unique_ptr<ScopedProvider> m_scope;
    int m_baseline = 0;
};

QTEST_GUILESS_MAIN(TestWmiFacade)
#include "tst_wmifacade.moc"
