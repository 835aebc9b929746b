// Closing the window while the detections run: every fresh process ends cleanly, whatever the
// moment of the close.

#include <QProcess>
#include <QRandomGenerator>
#include <QtTest>

class TstCloseWhileDetecting : public QObject
{
    Q_OBJECT

private slots:
    void closesAtRandomMomentsWithoutCrashing()
    {
        const quint32 seed = QRandomGenerator::global()->generate();
        QRandomGenerator random(seed);
        const int runs = 50;
        const int parallel = 4;
        int started = 0;
        int finished = 0;
        QVector<QProcess *> running;
        while (finished < runs) {
            while (running.size() < parallel && started < runs) {
                auto *process = new QProcess(this);
                process->setProcessChannelMode(QProcess::MergedChannels);
                process->setProperty("delay", random.bounded(3, 46));
                process->start(QStringLiteral(VN_CLOSE_HELPER),
                               { process->property("delay").toString() });
                running.append(process);
                ++started;
            }
            QProcess *process = running.takeFirst();
            const bool ended = process->waitForFinished(60000);
            const QString context
                = QStringLiteral("seed %1, closed after %2 ms: %3")
                      .arg(seed)
                      .arg(process->property("delay").toInt())
                      .arg(QString::fromLocal8Bit(process->readAll().right(2000)));
            QVERIFY2(ended, qPrintable(context));
            QVERIFY2(process->exitStatus() == QProcess::NormalExit, qPrintable(context));
            QVERIFY2(process->exitCode() == 0, qPrintable(context));
            delete process;
            ++finished;
        }
    }
};

QTEST_GUILESS_MAIN(TstCloseWhileDetecting)
#include "tst_closewhiledetecting.moc"
