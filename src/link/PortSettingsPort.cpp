#include "link/PortSettingsPort.h"

#include "link/serial/DeviceName.h"
#include "store/IniFile.h"
#include "store/ProgramFolder.h"

namespace exchange {

PortSettingsPort::PortSettingsPort() {
    port.setBaudrate(br9600);
    port.setParity(paNone);
    port.setDatabits(db8);
    port.setStopbits(sb1);
    port.setPortNum(1);
    port.setMonitorEvents(TRsCommEvents{ceError, ceRxChar, ceTxEmpty});
    port.OnOpen = [this](TRsComm&) {
        if (onOpen) onOpen();
    };
    port.OnClose = [this](TRsComm&) {
        if (onClose) onClose();
    };
    port.OnRxChar = [this](TRsComm&, int count) {
        if (onRxChar) onRxChar(count);
    };
}

void PortSettingsPort::setPortNum(int portNum) {
    // Read on every change, so that the template in force is the one on disk.
    const store::IniFile settings(store::programFolder() + QStringLiteral("Echolon.v41"));
    port.setDeviceName(settings.readString(QStringLiteral("COM"), QStringLiteral("DeviceName"),
                                           QString::fromLatin1(DeviceName::DefaultTemplate)));
    port.setPortNum(portNum);
}

void PortSettingsPort::setLineSpeed(LineSpeed speed) {
    port.setBaudrate(speed == LineSpeed::Baud9600 ? br9600 : br56000);
}

} // namespace exchange
