#include "PseudoTerminal.h"

#include "SlaveSpeed.h"

#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <termios.h>
#include <unistd.h>

namespace sim {

PseudoTerminal::~PseudoTerminal() { close(); }

bool PseudoTerminal::open(QString& error) {
    fd_ = posix_openpt(O_RDWR | O_NOCTTY | O_NONBLOCK);
    if (fd_ < 0 || grantpt(fd_) != 0 || unlockpt(fd_) != 0) {
        error = QStringLiteral("cannot create a pseudo-terminal: ") +
                QString::fromLocal8Bit(std::strerror(errno));
        return false;
    }
    char name[128] = {};
    if (ptsname_r(fd_, name, sizeof name) != 0) {
        error = QStringLiteral("cannot name the pseudo-terminal: ") +
                QString::fromLocal8Bit(std::strerror(errno));
        return false;
    }
    slave_ = QString::fromLocal8Bit(name);
    const int slave = ::open(name, O_RDWR | O_NOCTTY);
    if (slave >= 0) {
        termios t{};
        if (tcgetattr(slave, &t) == 0) {
            cfmakeraw(&t);
            tcsetattr(slave, TCSANOW, &t);
        }
        ::close(slave);
    }
    return true;
}

bool PseudoTerminal::makeLink(const QString& path, QString& error) {
    const QFileInfo info(path);
    if (info.isSymLink()) QFile::remove(path);
    else if (info.exists()) return error = path + QStringLiteral(" exists and is not a link"), false;
    if (::symlink(QFile::encodeName(slave_).constData(), QFile::encodeName(path).constData()) != 0) {
        error = QStringLiteral("cannot link ") + path + QStringLiteral(": ") +
                QString::fromLocal8Bit(std::strerror(errno));
        return false;
    }
    link_ = path;
    return true;
}

void PseudoTerminal::close() {
    if (!link_.isEmpty()) QFile::remove(link_);
    link_.clear();
    if (fd_ >= 0) ::close(fd_);
    fd_ = -1;
}

int PseudoTerminal::slaveSpeed() const { return fd_ >= 0 ? lineSpeedOf(fd_) : 0; }

} // namespace sim
