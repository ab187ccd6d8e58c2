#include "exchange/serial/TRsCustomComm.h"

#include "exchange/serial/DeviceName.h"
#include "exchange/serial/ERsCommError.h"
#include "exchange/serial/PlatformError.h"
#include "exchange/serial/TRsCommEventThread.h"
#include "exchange/serial/TRsCommInput.h"
#include "exchange/serial/TRsCommWriteThread.h"
#include "exchange/serial/TermiosDevice.h"

#include <cerrno>

namespace serial {

TRsCustomComm::TRsCustomComm()
    : deviceName_(QString::fromLatin1(DeviceName::DefaultTemplate)),
      deviceFactory_([] { return std::make_unique<TermiosDevice>(); }) {
    // Queue sizes and time limits hold for a whole open period.
    buffers_.SetCallbacks([this] { CheckOpen(); }, {});
    flowControl_.SetCallbacks({}, [this] { SetDCB(); });
    eventChars_.SetCallbacks({}, [this] { SetDCB(); });
}

TRsCustomComm::~TRsCustomComm() {
    BeginDestroy();
    try {
        Close();
    } catch (...) {
        // The close handler failed while the port goes away; nobody is left to tell.
    }
}

void TRsCustomComm::setBaudrate(TRsBaudrate value) {
    if (value == baudrate_) return;
    baudrate_ = value;
    if (value != brUser) userBaudrate_ = 0;
    SetDCB();
}

void TRsCustomComm::setUserBaudrate(int value) {
    if (value == userBaudrate_) return;
    userBaudrate_ = value;
    baudrate_ = brUser;
    SetDCB();
}

void TRsCustomComm::setParity(TRsParity value) {
    if (value == parity_) return;
    parity_ = value;
    SetDCB();
}

void TRsCustomComm::setDatabits(TRsDatabits value) {
    if (value == databits_) return;
    databits_ = value;
    SetDCB();
}

void TRsCustomComm::setStopbits(TRsStopbits value) {
    if (value == stopbits_) return;
    stopbits_ = value;
    SetDCB();
}

void TRsCustomComm::setOptions(TRsCommOptions value) {
    if (value == options_) return;
    options_ = value;
    SetDCB();
}

void TRsCustomComm::setPortNum(int value) {
    if (value == portNum_) return;
    CheckOpen();
    portNum_ = value;
}

void TRsCustomComm::setDeviceName(const QString& value) {
    if (value == deviceName_) return;
    CheckOpen();
    deviceName_ = value;
}

void TRsCustomComm::setMonitorEvents(TRsCommEvents value) {
    if (value == monitorEvents_) return;
    CheckOpen();
    monitorEvents_ = value;
}

void TRsCustomComm::SetDeviceFactory(SerialDeviceFactory factory) {
    CheckOpen();
    deviceFactory_ = std::move(factory);
}

void TRsCustomComm::setEventPriority(TRsThreadPriority value) {
    eventPriority_ = value;
    if (eventThread_) eventThread_->SetPriority(value);
}

void TRsCustomComm::setWritePriority(TRsThreadPriority value) {
    writePriority_ = value;
    if (writeThread_) writeThread_->SetPriority(value);
}

void TRsCustomComm::Loaded() {
    TRsComponent::Loaded();
    if (autoOpen_) Open();
}

QString TRsCustomComm::GetDeviceName() const { return DeviceName::Format(deviceName_, portNum_); }

void TRsCustomComm::CheckOpen() const {
    if (Active()) throw ERsCommError(QStringLiteral("Can't perform this operation while port is open"));
}

void TRsCustomComm::Error(const QString& format, int code) const {
    // An open line that answers with an I/O error has lost its other end.
    const bool lost = code == EIO || code == ENXIO || code == ENODEV;
    throw ERsCommError(PlatformError::Format(format, code, PlatformError::Text(code)),
                       lost ? ERsCommError::Kind::LineLost : ERsCommError::Kind::Other);
}

void TRsCustomComm::Watch(int code, const QString& format) const {
    if (code != 0) Error(format, code);
}

} // namespace serial
