#pragma once
// Once code under test has asked the application to quit, every event loop (a message box's, a
// dialog's) returns at once until QCoreApplication::exec() runs again. Tests that go on after a
// quit run it once, briefly, so the next box gets its loop as it does for a user.

#include <QCoreApplication>
#include <QThread>
#include <QTimer>

namespace TestSupport {

inline void forgetQuitRequest()
{
    if (QThread::currentThread()->loopLevel() != 0)
        return;
    QTimer::singleShot(0, QCoreApplication::instance(), [] { QCoreApplication::exit(0); });
    QCoreApplication::exec();
}

} // namespace TestSupport
