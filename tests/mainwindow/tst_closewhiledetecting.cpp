// Closing the window while the detections run: every fresh process ends cleanly, whatever the
// moment of the close.

#include <QProcess>
#include <QRandomGenerator>
#include <QtTest>

#include <memory>

class TstCloseWhileDetecting : public QObject
{
    Q_OBJECT

private slots:
    void closesAtRandomMomentsWithoutCrashing()
    {
        const quint32 seed = QRandomGenerator::global()->generate();
        QRandomGenerator random(seed);
        QVector<QProcess *> running; // 50 runs, four at a time
        for (int started = 0; started < 50 || !running.isEmpty();) {
            for (; running.size() < 4 && started < 50; ++started) {
                running.append(new QProcess(this));
                running.last()->setProcessChannelMode(QProcess::MergedChannels);
                running.last()->setProperty("delay", random.bounded(3, 46));
                running.last()->start(QStringLiteral(VN_CLOSE_HELPER),
                                      { running.last()->property("delay").toString() });
            }
            const std::unique_ptr<QProcess> process(running.takeFirst());
            const bool ended = process->waitForFinished(60000);
            const QString context
                = QStringLiteral("seed %1, closed after %2 ms, exit code %3: %4")
                      .arg(seed)
                      .arg(process->property("delay").toInt())
                      .arg(process->exitCode())
                      .arg(QString::fromLocal8Bit(process->readAll().right(2000)));
            QVERIFY2(ended && process->exitStatus() == QProcess::NormalExit
                         && process->exitCode() == 0,
                     qPrintable(context));
        }
    }
};

QTEST_GUILESS_MAIN(TstCloseWhileDetecting)
#include "tst_closewhiledetecting.moc"
