#pragma once
#include "link/CommPort.h"
#include "link/serial/TRsComm.h"

namespace exchange {

// The exchange's port over the serial port component, set up as the exchange
// dialog needs it: 8 data bits, no parity, 1 stop bit, no handshake, events for
// received bytes and the event character, read and write limits of 100 ms. The
// device name template comes from the settings file (section "COM", key
// "DeviceName", default /dev/ttyS%d, where %d is the port number minus 1).
class RsCommPort final : public CommPort {
public:
    RsCommPort();

    void setPortNum(int portNum) override;
    void setLineSpeed(LineSpeed speed) override;
    void open() override { port.Open(); }
    void close() override { port.Close(); }
    bool active() const override { return port.Active(); }
    int write(const char* data, int count) override { return port.WriteBuf(data, count); }
    int read(char* data, int count) override { return port.ReadBuf(data, count); }
    void purgeReadWrite() override { port.PurgeReadWrite(); }

    TRsComm port;
};

} // namespace exchange
