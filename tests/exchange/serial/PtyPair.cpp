#include "PtyPair.h"

#include "exchange/serial/SerialSpeed.h"

#include <QElapsedTimer>
#include <QThread>
#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <stdexcept>
#include <unistd.h>

using namespace serial;

PtyPair::PtyPair() {
    master_ = ::posix_openpt(O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    char name[128] = {};
    if (master_ < 0 || ::grantpt(master_) != 0 || ::unlockpt(master_) != 0 ||
        ::ptsname_r(master_, name, sizeof name) != 0)
        throw std::runtime_error("no pseudo terminal");
    path_ = QString::fromLocal8Bit(name);
}

PtyPair::~PtyPair() { hangUp(); }

void PtyPair::send(const QByteArray& bytes) {
    qsizetype done = 0;
    QElapsedTimer timer;
    timer.start();
    while (done < bytes.size() && timer.elapsed() < 10000) {
        const ssize_t n =
            ::write(master_, bytes.constData() + done, static_cast<size_t>(bytes.size() - done));
        if (n > 0) done += n;
        else QThread::msleep(1);
    }
}

QByteArray PtyPair::readAvailable() {
    QByteArray result;
    char buffer[4096];
    for (;;) {
        const ssize_t n = ::read(master_, buffer, sizeof buffer);
        if (n <= 0) break;
        result.append(buffer, n);
    }
    return result;
}

QByteArray PtyPair::readFor(int count, int milliseconds) {
    QByteArray result;
    QElapsedTimer timer;
    timer.start();
    while (result.size() < count && timer.elapsed() < milliseconds) {
        const QByteArray more = readAvailable();
        if (more.isEmpty()) QThread::msleep(1);
        result += more;
    }
    return result;
}

int PtyPair::lineSpeed() const {
    int speed = 0;
    SerialSpeed::Get(master_, speed);
    return speed;
}

void PtyPair::hangUp() {
    if (master_ >= 0) ::close(master_);
    master_ = -1;
}
