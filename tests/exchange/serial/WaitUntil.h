#pragma once
#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QFile>
#include <QThread>
#include <dirent.h>

// Runs the main thread's events until the condition holds or the time is up;
// generous limits, early exit.
template <typename Condition>
bool waitUntil(Condition condition, int milliseconds = 5000) {
    QDeadlineTimer deadline(milliseconds);
    while (!condition()) {
        if (deadline.hasExpired()) return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        QThread::msleep(1);
    }
    return true;
}

// Waits for a condition that worker threads bring about, running no events:
// for tests that need a hand-over to stay pending.
template <typename Condition>
bool waitWithoutEvents(Condition condition, int milliseconds = 5000) {
    QDeadlineTimer deadline(milliseconds);
    while (!condition()) {
        if (deadline.hasExpired()) return false;
        QThread::msleep(1);
    }
    return true;
}

// Runs the main thread's events for a while, for tests that check that
// nothing (more) happens.
inline void runEventsFor(int milliseconds) {
    waitUntil([] { return false; }, milliseconds);
}

// Worker threads of ports ("rs-event", "rs-write") in this process, to see
// that a port leaves none behind.
inline int portThreadCount() {
    int count = 0;
    if (DIR* dir = opendir("/proc/self/task")) {
        while (dirent* entry = readdir(dir)) {
            if (entry->d_name[0] == '.') continue;
            QFile comm(QStringLiteral("/proc/self/task/%1/comm").arg(QString::fromLatin1(entry->d_name)));
            if (comm.open(QIODevice::ReadOnly) && comm.readAll().startsWith("rs-")) ++count;
        }
        closedir(dir);
    }
    return count;
}
