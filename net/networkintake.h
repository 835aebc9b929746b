#pragma once
// How many bytes a request's connection has taken in, seen from outside Qt's network code, which
// keeps every byte of a reply's headers and offers no count of them. Qt reads all connections of
// an access manager on a thread of its own ("QNetworkAccessManager thread"), started by the
// manager's first request; the program gives every request an access manager of its own, so the
// bytes that thread has read (the kernel counts them per thread) are the bytes the request took
// in. Where that thread can't be found (another Qt, a kernel without per-thread counts), the
// growth of the process's resident size stands in for it.

#include <QByteArray>
#include <QHash>
#include <QSet>

class NetworkIntake
{
public:
    // To be made just before the request goes out: the threads that are there already are not
    // the request's. `threadName` is the kernel's name of Qt's network thread.
    explicit NetworkIntake(const QByteArray &threadName = qtNetworkThreadName);

    // Counts from 0 again (a redirect's new request).
    void restart();
    // The bytes taken in since the start or the last restart.
    qint64 bytes();
    // True once the request's thread was found: bytes() counts what it read. Until then (and
    // for good where it can't be found) bytes() is the growth of the resident size.
    bool countsThreadReads() const { return !threadBaselines.isEmpty(); }

    // The first 15 characters of the thread's object name, which is all the kernel keeps.
    static const QByteArray qtNetworkThreadName;

private:
    void findRequestThread();

    QByteArray threadName;
    QSet<int> threadsBefore;
    QHash<int, qint64> threadBaselines; // bytes read by each of the request's threads
    qint64 residentBaseline = 0;
};
