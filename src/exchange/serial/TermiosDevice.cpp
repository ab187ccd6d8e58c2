#include "exchange/serial/TermiosDevice.h"

#include "exchange/serial/SerialSpeed.h"

#include <cerrno>
#include <fcntl.h>
#include <linux/serial.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

namespace serial {

namespace {
// Devices without modem lines (pseudo terminals) refuse the modem ioctls.
bool NoModemLines(int code) { return code == ENOTTY || code == EINVAL; }
} // namespace

TermiosDevice::~TermiosDevice() { Close(); }

int TermiosDevice::Open(const QByteArray& path) {
    Close();
    const int fd = ::open(path.constData(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return errno;
    int code = 0;
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) code = errno == EWOULDBLOCK ? EBUSY : errno;
    else if (::ioctl(fd, TIOCEXCL) != 0) code = errno;
    if (code != 0) {
        ::close(fd);
        return code;
    }
    fd_ = fd;
    return 0;
}

void TermiosDevice::Close() {
    if (fd_ < 0) return;
    ::ioctl(fd_, TIOCNXCL);
    ::close(fd_);
    fd_ = -1;
}

int TermiosDevice::ApplyLine(const SerialLineSettings& s) {
    termios t{};
    if (::tcgetattr(fd_, &t) != 0) return errno;
    ::cfmakeraw(&t);
    t.c_cflag |= CLOCAL | CREAD;
    t.c_cflag &= ~(CSIZE | PARENB | PARODD | CMSPAR | CSTOPB | CRTSCTS);
    switch (s.databits) {
    case db5: t.c_cflag |= CS5; break;
    case db6: t.c_cflag |= CS6; break;
    case db7: t.c_cflag |= CS7; break;
    case db8: t.c_cflag |= CS8; break;
    case db4: return EINVAL; // no UART here sends 4-bit characters
    }
    switch (s.parity) {
    case paNone: break;
    case paOdd: t.c_cflag |= PARENB | PARODD; break;
    case paEven: t.c_cflag |= PARENB; break;
    case paMark: t.c_cflag |= PARENB | CMSPAR | PARODD; break;
    case paSpace: t.c_cflag |= PARENB | CMSPAR; break;
    }
    // With 5 data bits a UART sends 1.5 stop bits for CSTOPB.
    if (s.stopbits != sb1) t.c_cflag |= CSTOPB;
    if (s.outCtsFlow || s.controlRts == rtsHandshake) t.c_cflag |= CRTSCTS;
    t.c_iflag &= ~(IXON | IXOFF | IXANY | INPCK | IGNPAR | PARMRK | ISTRIP);
    if (s.xonXoffOut) t.c_iflag |= IXON;
    if (s.xonXoffIn) t.c_iflag |= IXOFF;
    if (s.parityCheck) t.c_iflag |= INPCK;
    t.c_cc[VSTART] = s.xonChar;
    t.c_cc[VSTOP] = s.xoffChar;
    t.c_cc[VMIN] = 0;
    t.c_cc[VTIME] = 0;
    if (::tcsetattr(fd_, TCSANOW, &t) != 0) return errno;
    if (const int code = SerialSpeed::Set(fd_, s.baudrate)) return code;
    // DTR handshake has no counterpart: DTR is held on, as a ready receiver would.
    if (const int code = SetModemLine(TIOCM_DTR, s.controlDtr != dtrDisabled)) return code;
    if (s.controlRts == rtsHandshake) return 0;
    return SetModemLine(TIOCM_RTS, s.controlRts == rtsEnabled);
}

int TermiosDevice::SetModemLine(int bit, bool on) {
    if (::ioctl(fd_, on ? TIOCMBIS : TIOCMBIC, &bit) == 0) return 0;
    return NoModemLines(errno) ? 0 : errno;
}

int TermiosDevice::SetImmediateReads() {
    termios t{};
    if (::tcgetattr(fd_, &t) != 0) return errno;
    t.c_cc[VMIN] = 0;
    t.c_cc[VTIME] = 0;
    return ::tcsetattr(fd_, TCSANOW, &t) == 0 ? 0 : errno;
}

int TermiosDevice::InputCount(int& count) const {
    count = 0;
    return ::ioctl(fd_, TIOCINQ, &count) == 0 ? 0 : errno;
}

int TermiosDevice::OutputCount(int& count) const {
    count = 0;
    return ::ioctl(fd_, TIOCOUTQ, &count) == 0 ? 0 : errno;
}

int TermiosDevice::Flush(bool input, bool output) {
    if (!input && !output) return 0;
    const int which = input && output ? TCIOFLUSH : input ? TCIFLUSH : TCOFLUSH;
    return ::tcflush(fd_, which) == 0 ? 0 : errno;
}

bool TermiosDevice::Counters(SerialCounters& c) const {
    serial_icounter_struct ic{};
    if (::ioctl(fd_, TIOCGICOUNT, &ic) != 0) return false;
    c = {ic.frame, ic.overrun, ic.parity, ic.brk, ic.buf_overrun, ic.rng};
    return true;
}

bool TermiosDevice::ModemLines(int& bits) const {
    bits = 0;
    return ::ioctl(fd_, TIOCMGET, &bits) == 0;
}

ssize_t TermiosDevice::Read(void* buffer, std::size_t count) const { return ::read(fd_, buffer, count); }

ssize_t TermiosDevice::Write(const void* buffer, std::size_t count) const {
    return ::write(fd_, buffer, count);
}

} // namespace serial
