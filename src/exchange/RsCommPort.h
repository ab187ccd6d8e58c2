#pragma once
#include "exchange/CommPort.h"
#include "exchange/serial/TRsComm.h"

namespace exchange {

// A port of the instrument dialogs over the serial port component: 8 data
// bits, no parity, 1 stop bit, no handshake. The exchange dialog's port starts
// at 56000 bit/s, watches received bytes and the event character and has read
// and write limits of 100 ms; the port-settings dialog's port starts at 9600
// bit/s, watches line errors, received bytes and an emptied output queue and
// keeps the default limits. A numbered port opens the device that the template
// of the settings file names (section "COM", key "DeviceName", default
// /dev/ttyS%d, where %d is the port number minus 1), read again on every
// change of the port number so that the template in force is the one on disk;
// setDevice() opens a path as it is. A device whose node is gone after it was
// opened is a line lost: closed at the other end for a pseudo-terminal (its
// node goes with the program that held it), an adapter unplugged otherwise.
class RsCommPort final : public CommPort {
public:
    enum class Role { Exchange, PortSettings };
    explicit RsCommPort(Role role = Role::Exchange);

    void setPortNum(int portNum) override;
    void setDevice(const QString& path) override;
    void setLineSpeed(LineSpeed speed) override;
    void open() override;
    void close() override { port.Close(); }
    bool active() const override { return port.Active(); }
    int write(const char* data, int count) override { return port.WriteBuf(data, count); }
    int read(char* data, int count) override { return port.ReadBuf(data, count); }
    void purgeReadWrite() override { port.PurgeReadWrite(); }
    LineLoss lineLoss() const override;

    serial::TRsComm port;

private:
    QString openedNode_; // the device node behind the path, as it was at open
};

} // namespace exchange
