#include "exchange/RsCommPort.h"

#include "exchange/serial/DeviceName.h"
#include "store/IniFile.h"
#include "store/ProgramFolder.h"

#include <QFileInfo>

using namespace serial;

namespace exchange {

RsCommPort::RsCommPort(Role role) {
    port.setParity(paNone);
    port.setDatabits(db8);
    port.setStopbits(sb1);
    port.setPortNum(1);
    if (role == Role::Exchange) {
        port.setBaudrate(br56000);
        port.setMonitorEvents(TRsCommEvents{ceRxChar, ceRxFlag});
        port.Buffers().setReadTimeout(100);
        port.Buffers().setWriteTimeout(100);
    } else {
        port.setBaudrate(br9600);
        port.setMonitorEvents(TRsCommEvents{ceError, ceRxChar, ceTxEmpty});
    }
    port.OnOpen = [this](TRsComm&) { emit opened(); };
    port.OnClose = [this](TRsComm&) { emit closed(); };
    port.OnRxChar = [this](TRsComm&, int count) { emit rxChar(count); };
}

void RsCommPort::open() {
    openedNode_.clear();
    port.Open();
    openedNode_ = QFileInfo(port.GetDeviceName()).canonicalFilePath();
}

LineLoss RsCommPort::lineLoss() const {
    if (openedNode_.isEmpty() || QFileInfo::exists(openedNode_)) return LineLoss::None;
    return openedNode_.startsWith(QStringLiteral("/dev/pts/")) ? LineLoss::Closed : LineLoss::Gone;
}

void RsCommPort::setPortNum(int portNum) {
    const store::IniFile settings(store::settingsFilePath());
    port.setDeviceName(settings.readString(QStringLiteral("COM"), QStringLiteral("DeviceName"),
                                           QString::fromLatin1(DeviceName::DefaultTemplate)));
    port.setPortNum(portNum);
}

void RsCommPort::setDevice(const QString& path) {
    port.setDeviceName(DeviceName::Literal(path));
    port.setPortNum(1);
}

void RsCommPort::setLineSpeed(LineSpeed speed) {
    port.setBaudrate(speed == LineSpeed::Baud9600 ? br9600 : br56000);
}

} // namespace exchange
