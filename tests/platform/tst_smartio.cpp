#include "platform/fakes/fakesmartio.h"
#include "platform/smartio.h"
#include "platform/smartio_linux.h"

#include <QtTest>

#include <linux/nvme_ioctl.h>
#include <scsi/sg.h>
#include <sys/ioctl.h>

#include <algorithm>
#include <cstring>
#include <functional>
#include <random>

using namespace plat;
using namespace plat::smart;

namespace {

// Fake system calls: record every SG_IO header and answer it with `answer`.
class FakeCalls : public BlockDeviceCalls
{
public:
    bool openOk = true;
    bool sgCapable = true;
    bool nvme = false;
    QVector<QByteArray> cdbs;
    QVector<sg_io_hdr_t> headers;
    int closed = 0;
    // Fills the transfer buffer, status and sense of one command; returns the ioctl result.
    std::function<int(const QByteArray &cdb, sg_io_hdr_t *hdr)> answer;

    int open(const QByteArray &, int) override { return openOk ? 42 : -1; }
    void close(int) override { ++closed; }
    int ioctl(int fd, unsigned long request, void *arg) override
    {
        if (fd != 42)
            return -1;
        if (request == SG_GET_VERSION_NUM) {
            if (!sgCapable)
                return -1;
            *static_cast<int *>(arg) = 30536;
            return 0;
        }
        if (request == NVME_IOCTL_ID)
            return nvme ? 1 : -1;
        if (request == SG_IO) {
            auto *hdr = static_cast<sg_io_hdr_t *>(arg);
            const QByteArray cdb(reinterpret_cast<const char *>(hdr->cmdp), hdr->cmd_len);
            cdbs.append(cdb);
            headers.append(*hdr);
            return answer(cdb, hdr);
        }
        return -1;
    }
};

class TestSmartIo : public LinuxSmartIo
{
public:
    explicit TestSmartIo(std::shared_ptr<FakeCalls> calls)
        : LinuxSmartIo(SysRoot(QStringLiteral("/")), std::move(calls), false)
    {
    }

protected:
    QString devicePath(int driveIndex) const override
    {
        return driveIndex == 0 ? QStringLiteral("/dev/sda") : QString();
    }
};

void fillData(sg_io_hdr_t *hdr, const QByteArray &page)
{
    const int size = qMin<int>(page.size(), int(hdr->dxfer_len));
    if (size > 0) // a command without data has no buffer at all
        std::memcpy(hdr->dxferp, page.constData(), size_t(size));
}

// CHECK CONDITION with the given sense bytes.
void checkCondition(sg_io_hdr_t *hdr, const QByteArray &sense)
{
    std::memcpy(hdr->sbp, sense.constData(), size_t(sense.size()));
    hdr->sb_len_wr = quint8(sense.size());
    hdr->status = 0x02;
    hdr->driver_status = 0x08;
}

// A fake drive answering with `answer`, and a handle opened on it.
struct Rig
{
    explicit Rig(std::function<int(const QByteArray &, sg_io_hdr_t *)> answer)
    {
        calls->answer = std::move(answer);
    }
    std::shared_ptr<FakeCalls> calls = std::make_shared<FakeCalls>();
    TestSmartIo io { calls };
    int h = io.open(0);
};

} // namespace

class TestSmart : public QObject
{
    Q_OBJECT

private slots:
    void sendCmdInLayout()
    {
        const QByteArray in = sendCmdIn(3, READ_ATTRIBUTES, SMART_CMD, 512);
        QCOMPARE(in.size(), 33);
        QCOMPARE(in.left(16).toHex(' '),
                 QByteArray("00 02 00 00 d0 01 01 4f c2 a0 b0 00 03 00 00 00"));
        QVERIFY(in.mid(16).count('\0') == 17);
        const QByteArray identify = sendCmdIn(0, 0, ID_CMD, 512);
        QCOMPARE(identify.mid(4, 7).toHex(' '), QByteArray("00 01 01 00 00 a0 ec"));
        QCOMPARE(readU32(in, 0), 512u);
        QCOMPARE(readU32(in, 31), 0u);
        QCOMPARE(readU32(in, 30), 0u);
        QCOMPARE(readU32(in, 40), 0u); // out of range reads as 0
    }

    void openFails()
    {
        auto calls = std::make_shared<FakeCalls>();
        calls->openOk = false;
        TestSmartIo io(calls);
        QCOMPARE(io.open(0), -1);
        calls->openOk = true;
        QCOMPARE(io.open(5), -1); // no such drive
        QCOMPARE(io.open(-1), -1);
    }

    void getVersion_data()
    {
        QTest::addColumn<bool>("sgCapable");
        QTest::addColumn<bool>("nvme");
        QTest::addColumn<bool>("smartBit");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<quint32>("capabilities");
        QTest::newRow("ata with smart") << true << false << true << true << 0x05u;
        QTest::newRow("ata without smart") << true << false << false << true << 0x01u;
        QTest::newRow("nvme") << true << true << true << false << 0u;
        QTest::newRow("no sg") << false << false << true << false << 0u;
    }
    void getVersion()
    {
        QFETCH(bool, sgCapable);
        QFETCH(bool, nvme);
        QFETCH(bool, smartBit);
        QFETCH(bool, ok);
        QFETCH(quint32, capabilities);
        Rig rig([smartBit](const QByteArray &cdb, sg_io_hdr_t *hdr) {
            if (quint8(cdb.at(14)) == ID_CMD)
                fillData(hdr,
                         FakeSmartIo::identifyPage(QStringLiteral("M"), QStringLiteral("S"),
                                                   QStringLiteral("F"), smartBit));
            return 0;
        });
        rig.calls->sgCapable = sgCapable;
        rig.calls->nvme = nvme;
        auto &[calls, io, h] = rig;
        QVERIFY(h >= 0);
        QByteArray out(24, '\x55');
        QCOMPARE(io.deviceIoControl(h, SMART_GET_VERSION, QByteArray(), &out), ok);
        if (ok) {
            QCOMPARE(out.left(4).toHex(' '), QByteArray("01 01 00 01"));
            QCOMPARE(readU32(out, 4), capabilities);
            QCOMPARE(out.mid(8).count('\0'), 16);
        }
        QByteArray small(20, '\0');
        QVERIFY(!io.deviceIoControl(h, SMART_GET_VERSION, QByteArray(), &small));
        io.close(h);
        QCOMPARE(calls->closed, 1);
        QVERIFY(!io.deviceIoControl(h, SMART_GET_VERSION, QByteArray(), &out)); // closed handle
    }

    // Each command as the drive gets it: the blocks sent, the transfer's direction and size, and
    // what comes back. A drive that refuses the 16-byte pass-through gets it again in 12 bytes.
    void commands_data()
    {
        QTest::addColumn<QByteArray>("in");
        QTest::addColumn<int>("answer"); // 0: the page; -1: only 12 bytes; else ATA status in sense
        QTest::addColumn<bool>("ok");
        QTest::addColumn<QByteArrayList>("cdbs");
        const QByteArray enable = sendCmdIn(0, ENABLE_SMART, SMART_CMD, 0);
        const QByteArray enableCdb("85 06 20 00 d8 00 01 00 01 00 4f 00 c2 a0 b0 00");
        QTest::newRow("read attributes")
            << sendCmdIn(0, READ_ATTRIBUTES, SMART_CMD, 512) << 0 << true
            << QByteArrayList { "85 08 0e 00 d0 00 01 00 01 00 4f 00 c2 a0 b0 00" };
        // Descriptor-format sense, ASC/ASCQ 00/1D, an ATA status return descriptor.
        QTest::newRow("enable, ready") << enable << 0x50 << true << QByteArrayList { enableCdb };
        QTest::newRow("enable, aborted") << enable << 0x51 << false << QByteArrayList { enableCdb };
        QTest::newRow("thresholds in 12 bytes")
            << sendCmdIn(0, READ_THRESHOLDS, SMART_CMD, 512) << -1 << true
            << QByteArrayList { "85 08 0e 00 d1 00 01 00 01 00 4f 00 c2 a0 b0 00",
                                "a1 08 0e d1 01 01 4f c2 a0 b0 00 00" };
    }
    void commands()
    {
        QFETCH(QByteArray, in);
        QFETCH(int, answer);
        QFETCH(bool, ok);
        QFETCH(QByteArrayList, cdbs);
        const QByteArray page
            = FakeSmartIo::attributePage({ { 194, 0x22, 100, 90, 0x00000028ull } });
        auto &&[calls, io, h] = Rig([&](const QByteArray &cdb, sg_io_hdr_t *hdr) {
            if (answer > 0) {
                QByteArray sense = QByteArray::fromHex("7201001d0000000e090c") + QByteArray(12, 0);
                sense[8 + 13] = char(answer);
                checkCondition(hdr, sense);
            } else if (answer < 0 && cdb.size() == 16) { // ILLEGAL REQUEST, invalid opcode
                checkCondition(hdr, QByteArray::fromHex("700005000000000a00000000200000000000"));
            } else {
                fillData(hdr, page);
            }
            return 0;
        });
        const bool send = readU32(in, 0) == 0;
        QByteArray out(send ? 17 : 528, '\x77');
        QCOMPARE(
            io.deviceIoControl(h, send ? SMART_SEND_DRIVE_COMMAND : SMART_RCV_DRIVE_DATA, in, &out),
            ok);
        QByteArrayList sent;
        for (const QByteArray &cdb : calls->cdbs)
            sent << cdb.toHex(' ');
        QCOMPARE(sent, cdbs);
        const sg_io_hdr_t &hdr = calls->headers.first();
        QCOMPARE(hdr.interface_id, 'S');
        QCOMPARE(int(hdr.mx_sb_len), 32);
        QCOMPARE(hdr.timeout, 5000u);
        QCOMPARE(hdr.dxfer_direction, send ? SG_DXFER_NONE : SG_DXFER_FROM_DEV);
        QCOMPARE(hdr.dxfer_len, send ? 0u : 512u);
        if (!send) { // SENDCMDOUTPARAMS: cBufferSize 512, a zero DRIVERSTATUS, then the page.
            QCOMPARE(readU32(out, 0), 512u);
            QCOMPARE(out.mid(4, 12), QByteArray(12, '\0'));
            QCOMPARE(out.mid(16), page);
        }
    }

    // Calls that fail at the drive, and calls refused before anything is sent: only
    // IDENTIFY, the two reads and ENABLE go to the drive, into buffers of their size.
    void refused_data()
    {
        QTest::addColumn<quint32>("control");
        QTest::addColumn<QByteArray>("in");
        QTest::addColumn<int>("outSize"); // -1: no output buffer
        QTest::addColumn<int>("hostStatus");
        QTest::addColumn<int>("ioctlResult");
        QTest::addColumn<int>("scsiStatus");
        const quint32 read = SMART_RCV_DRIVE_DATA;
        const QByteArray attributes = sendCmdIn(0, READ_ATTRIBUTES, SMART_CMD, 512);
        QTest::newRow("host error") << read << attributes << 528 << 7 << 0 << 0;
        QTest::newRow("ioctl error") << read << attributes << 528 << 0 << -1 << 0;
        QTest::newRow("check condition without registers")
            << read << attributes << 528 << 0 << 0 << 2;
        QTest::newRow("busy") << read << attributes << 528 << 0 << 0 << 8;
        const struct
        {
            const char *name;
            quint8 command, features;
        } others[] = { { "write log", 0xB0, 0xD6 },
                       { "security erase", 0xF4, 0 },
                       { "write dma", 0xCA, 0 } };
        for (const auto &c : others) {
            QTest::addRow("%s read", c.name)
                << read << sendCmdIn(0, c.features, c.command, 512) << 528 << 0 << 0 << 0;
            QTest::addRow("%s sent", c.name)
                << SMART_SEND_DRIVE_COMMAND << sendCmdIn(0, c.features, c.command, 0) << 528 << 0
                << 0 << 0;
        }
        QTest::newRow("output too small") << read << attributes << 527 << 0 << 0 << 0;
        QTest::newRow("buffer of 511")
            << read << sendCmdIn(0, READ_ATTRIBUTES, SMART_CMD, 511) << 528 << 0 << 0 << 0;
        QTest::newRow("input too short") << read << QByteArray(10, '\0') << 528 << 0 << 0 << 0;
        QTest::newRow("unknown control") << 0x12345u << QByteArray() << 528 << 0 << 0 << 0;
        QTest::newRow("no output") << read << attributes << -1 << 0 << 0 << 0;
    }
    void refused()
    {
        QFETCH(quint32, control);
        QFETCH(QByteArray, in);
        QFETCH(int, outSize);
        QFETCH(int, hostStatus);
        QFETCH(int, ioctlResult);
        QFETCH(int, scsiStatus);
        auto &&[calls, io, h] = Rig([=](const QByteArray &, sg_io_hdr_t *hdr) {
            hdr->host_status = static_cast<unsigned short>(hostStatus);
            hdr->status = static_cast<unsigned char>(scsiStatus);
            return ioctlResult;
        });
        QByteArray out(qMax(outSize, 0), '\0');
        QVERIFY(!io.deviceIoControl(h, control, in, outSize < 0 ? nullptr : &out));
        QCOMPARE(calls->cdbs.isEmpty(), !hostStatus && !ioctlResult && !scsiStatus);
    }
    // Answers drawn from a seed: any status, any sense length a driver may claim, any sense
    // and data bytes (run under the sanitizers too).
    void noisyAnswers_data()
    {
        QTest::addColumn<quint32>("seed");
        for (quint32 seed = 1; seed <= 100; ++seed)
            QTest::addRow("seed %u", seed) << seed;
    }
    void noisyAnswers()
    {
        QFETCH(quint32, seed);
        std::mt19937 rng(seed);
        const auto noise = [&rng](int size) {
            QByteArray out(size, '\0');
            std::generate(out.begin(), out.end(), [&rng] { return char(rng() & 0xFF); });
            return out;
        };
        auto &&[calls, io, h] = Rig([&](const QByteArray &, sg_io_hdr_t *hdr) {
            QByteArray sense = noise(hdr->mx_sb_len);
            if (!sense.isEmpty()) // descriptor or fixed format, the rest noise
                sense[0] = char(rng() % 2 ? 0x72 : 0x70);
            std::memcpy(hdr->sbp, sense.constData(), size_t(sense.size()));
            fillData(hdr, noise(int(hdr->dxfer_len)));
            hdr->status = rng() % 4 == 0 ? 0 : 0x02; // mostly CHECK CONDITION
            hdr->sb_len_wr = quint8(rng() % 256);
            hdr->driver_status = rng() % 2 ? 0x08 : 0;
            return 0;
        });
        QVERIFY(h >= 0);
        QByteArray version(getversion::Size, '\0');
        io.deviceIoControl(h, SMART_GET_VERSION, QByteArray(), &version);
        QCOMPARE(version.size(), getversion::Size);
        const QByteArray commands[]
            = { sendCmdIn(0, ENABLE_SMART, SMART_CMD, 0), sendCmdIn(0, 0, ID_CMD, 512),
                sendCmdIn(0, READ_ATTRIBUTES, SMART_CMD, 512),
                sendCmdIn(0, READ_THRESHOLDS, SMART_CMD, 512) };
        for (const QByteArray &in : commands) {
            QByteArray out(528, '\0');
            io.deviceIoControl(h, readU32(in, 0) ? SMART_RCV_DRIVE_DATA : SMART_SEND_DRIVE_COMMAND,
                               in, &out);
            QCOMPARE(out.size(), 528);
        }
        io.close(h);
        QCOMPARE(calls->closed, 1);
    }
};

QTEST_GUILESS_MAIN(TestSmart)
#include "tst_smartio.moc"
