#pragma once
#include <QList>
#include <QString>

namespace serial {

// The serial ports this machine has, as Linux names them: on-board UARTs that
// really exist (/dev/ttyS* whose driver reports a port type), USB adapters
// (/dev/ttyUSB*, /dev/ttyACM*) with maker, model and serial number from sysfs,
// and each adapter's stable name under /dev/serial/by-id/, which survives
// re-plugging into another USB socket.
struct SerialPortInfo {
    QString device;     // /dev/ttyUSB0
    QString stableName; // /dev/serial/by-id/usb-..., empty when there is none
    QString maker;
    QString model;
    QString serial;
    bool usb = false;

    // The path to keep in the settings: the stable name where there is one.
    QString preferredPath() const { return stableName.isEmpty() ? device : stableName; }
    // "ttyUSB0 — maker model (serial)", or "ttyS0 — on-board serial port".
    QString description() const;
};

namespace PortDiscovery {

// Reads <root>/sys/class/tty and <root>/dev/serial/by-id; the paths reported
// are the ones the running system uses (/dev/...). `root` is "/" on a real
// machine and a fake tree in tests. Ports come in name order, UARTs first.
QList<SerialPortInfo> scan(const QString& root = QStringLiteral("/"));

} // namespace PortDiscovery

} // namespace serial
