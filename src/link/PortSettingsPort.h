#pragma once
#include "link/CommPort.h"
#include "link/serial/TRsComm.h"

namespace exchange {

// The port of the port-settings dialog over the serial port component, set up
// as that dialog needs it: 9600 bit/s until a probe asks for 56000, 8 data
// bits, no parity, 1 stop bit, no handshake, events for line errors, received
// bytes and an emptied output queue, the default queue sizes and time limits.
// The device name template comes from the settings file (section "COM", key
// "DeviceName", default /dev/ttyS%d). Open failures are ERsCommError.
class PortSettingsPort final : public CommPort {
public:
    PortSettingsPort();

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
