#pragma once
#include "exchange/serial/SerialDevice.h"

namespace serial {

// A serial device through termios; the descriptor is non-blocking throughout.
class TermiosDevice final : public SerialDevice {
public:
    TermiosDevice() = default;
    ~TermiosDevice() override;

    // TIOCEXCL keeps other openers out, and an flock also keeps out root and
    // this program's other ports (EBUSY when held).
    int Open(const QByteArray& path) override;
    int InputHandle() const override { return fd_; }
    int OutputHandle() const override { return fd_; }

    int ApplyLine(const SerialLineSettings& settings) override;
    int SetImmediateReads() override;

    int InputCount(int& count) const override;
    int OutputCount(int& count) const override;
    int Flush(bool input, bool output) override;

    bool Counters(SerialCounters& counters) const override;
    bool ModemLines(int& bits) const override;

    ssize_t Read(void* buffer, std::size_t count) const override;
    ssize_t Write(const void* buffer, std::size_t count) const override;

private:
    void Close();
    int SetModemLine(int bit, bool on);
    int fd_ = -1;
};

} // namespace serial
