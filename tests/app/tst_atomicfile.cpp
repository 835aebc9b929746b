// The whole-or-nothing file writer against real faults: a full disk, a file-size limit, a
// missing folder and a writer killed in the middle.

#include "app/atomicfile.h"
#include "diskfaults.h"

#include <QtTest>

class TestAtomicFile : public QObject
{
    Q_OBJECT

    static QByteArray readAll(const QString &path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
    }

private slots:
    void faults_data()
    {
        QTest::addColumn<QString>("fault");
        QTest::addColumn<int>("size");
        QTest::addColumn<QString>("error");
        QTest::newRow("fits") << "" << 200000 << "";
        QTest::newRow("disk full before the first byte")
            << "full" << 1000 << "No space left on device";
        QTest::newRow("disk fills in the last buffered write")
            << "8k left" << 12000 << "No space left on device";
        QTest::newRow("file size limit") << "rlimit" << 70000 << "File too large";
        QTest::newRow("folder missing") << "no folder" << 10 << "No such file or directory";
    }

    // The outcome, the earlier file intact on failure, and no part left in the folder.
    void faults()
    {
        QFETCH(QString, fault);
        QFETCH(int, size);
        QFETCH(QString, error);
        SmallDisk disk;
        if (!disk.isMounted())
            QSKIP("a tmpfs can't be mounted here (needs root)");
        QString target = disk.filePath("report.txt");
        const QByteArray earlier("earlier report\n");
        QVERIFY(AtomicFile::writeFile(target, earlier, nullptr));
        QFile::setPermissions(target, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
        if (fault == "no folder")
            target = disk.filePath("missing/report.txt");
        if (fault == "full")
            QVERIFY(disk.fill(0));
        if (fault == "8k left")
            QVERIFY(disk.fill(8192));
        const QByteArray data(size, 'x');
        const auto write = [&]() {
            QString reason;
            return AtomicFile::writeFile(target, data, &reason) ? QByteArray("ok")
                                                                : reason.toUtf8();
        };
        const QByteArray outcome = fault == "rlimit" ? runInChild(write, 65536) : write();
        QCOMPARE(QString::fromUtf8(outcome), error.isEmpty() ? QString("ok") : error);
        QCOMPARE(readAll(disk.filePath("report.txt")), error.isEmpty() ? data : earlier);
        // A replaced file keeps the permissions of the one before (0600, not 0644).
        QVERIFY(!(QFile::permissions(disk.filePath("report.txt")) & QFileDevice::ReadOther));
        QStringList expected { "report.txt" };
        if (fault == "full" || fault == "8k left")
            expected.prepend("filler");
        QCOMPARE(filesIn(disk.path()), expected);
    }

    void streamedWriterErrorIsCaughtAtCommit()
    {
        SmallDisk disk(64 * 1024);
        if (!disk.isMounted())
            QSKIP("a tmpfs can't be mounted here (needs root)");
        QVERIFY(disk.fill(4096));
        AtomicFile file(disk.filePath("log.txt"));
        QVERIFY(file.open());
        // Small writes stay in the buffer; the failure shows only at the final flush.
        QTextStream stream(file.device());
        stream << QString(20000, QLatin1Char('y'));
        stream.flush();
        QVERIFY(!file.commit());
        QCOMPARE(file.errorString(), QString("No space left on device"));
        QCOMPARE(filesIn(disk.path()), QStringList { "filler" });
    }

    // A writer killed mid-save leaves its part; the next save in that folder removes it, while
    // the part of a writer still at work is left alone.
    void killedWriterPartIsClearedByNextSave()
    {
        QTemporaryDir dir;
        const QString target = dir.filePath("Info.pdf");
        QVERIFY(killWriterMidway([&]() {
            auto *file = new AtomicFile(target); // never committed: the child dies holding it
            file->open();
            file->write(QByteArray(40000, 'p'));
        }));
        const QStringList stale = filesIn(dir.path());
        QCOMPARE(stale.size(), 1);
        QVERIFY(QRegularExpression("^\\.Info\\.pdf\\.vnpart-[A-Za-z0-9]{6}$")
                    .match(stale.first())
                    .hasMatch());
        // A similar name that is not ours stays.
        QVERIFY(AtomicFile::writeFile(dir.filePath(".notes.vnpart-x"), "mine", nullptr));

        AtomicFile busy(dir.filePath("other.txt"));
        QVERIFY(busy.open());
        QVERIFY(busy.write("being written"));
        QVERIFY(AtomicFile::writeFile(dir.filePath("third.txt"), "3", nullptr));
        QVERIFY(!filesIn(dir.path()).contains(stale.first()));
        QCOMPARE(filesIn(dir.path()).filter(".other.txt.vnpart-").size(), 1);
        QVERIFY(busy.commit());
        QCOMPARE(filesIn(dir.path()), QStringList({ ".notes.vnpart-x", "other.txt", "third.txt" }));
        QCOMPARE(readAll(dir.filePath("other.txt")), QByteArray("being written"));
    }

    void discardKeepsTarget()
    {
        QTemporaryDir dir;
        const QString target = dir.filePath("a.txt");
        QVERIFY(AtomicFile::writeFile(target, "old", nullptr));
        {
            AtomicFile file(target);
            QVERIFY(file.open());
            QVERIFY(file.write("new and unfinished"));
        }
        QCOMPARE(readAll(target), QByteArray("old"));
        QCOMPARE(filesIn(dir.path()), QStringList { "a.txt" });
    }
};

QTEST_GUILESS_MAIN(TestAtomicFile)
#include "tst_atomicfile.moc"
