#include "exchange/serial/PortDiscovery.h"

#include <QCollator>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <algorithm>

namespace serial {

namespace {

// A sysfs attribute: one short line. Anything larger is not one of ours.
QString attribute(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) return {};
    return QString::fromUtf8(f.read(256)).trimmed();
}

// The USB device a tty hangs under: the first folder up from the tty's
// device that has idVendor (an ACM tty's device is the interface below it).
QString usbDeviceFolder(const QString& ttyFolder) {
    QString dir = QFileInfo(ttyFolder + QStringLiteral("/device")).canonicalFilePath();
    for (int depth = 0; depth < 6 && !dir.isEmpty() && dir != QStringLiteral("/"); ++depth) {
        if (QFileInfo::exists(dir + QStringLiteral("/idVendor"))) return dir;
        dir = QFileInfo(dir).path();
    }
    return {};
}

// An on-board UART exists when its driver reports a port type other than 0 (unknown).
bool uartExists(const QString& ttyFolder) {
    bool ok = false;
    const int type = attribute(ttyFolder + QStringLiteral("/type")).toInt(&ok);
    return ok && type != 0;
}

} // namespace

QString SerialPortInfo::description() const {
    const QString name = QFileInfo(device).fileName();
    if (!usb) return name + QCoreApplication::translate("PortDiscovery", " — on-board serial port");
    QString what = QStringList({maker, model}).join(QLatin1Char(' ')).trimmed();
    if (what.isEmpty()) what = QCoreApplication::translate("PortDiscovery", "USB serial adapter");
    if (!serial.isEmpty()) what += QStringLiteral(" (%1)").arg(serial);
    return name + QStringLiteral(" — ") + what;
}

namespace PortDiscovery {

QList<SerialPortInfo> scan(const QString& root) {
    const QString base = QDir::cleanPath(root);
    const QDir ttys(base + QStringLiteral("/sys/class/tty"));
    QList<SerialPortInfo> ports;
    for (const QString& name : ttys.entryList(QDir::Dirs | QDir::NoDotAndDotDot | QDir::System)) {
        const QString folder = ttys.filePath(name);
        SerialPortInfo p;
        p.device = QStringLiteral("/dev/") + name;
        if (name.startsWith(QLatin1String("ttyUSB")) || name.startsWith(QLatin1String("ttyACM"))) {
            p.usb = true;
            const QString usb = usbDeviceFolder(folder);
            if (!usb.isEmpty()) {
                p.maker = attribute(usb + QStringLiteral("/manufacturer"));
                p.model = attribute(usb + QStringLiteral("/product"));
                p.serial = attribute(usb + QStringLiteral("/serial"));
            }
        } else if (!name.startsWith(QLatin1String("ttyS")) || !uartExists(folder)) {
            continue;
        }
        ports << p;
    }
    // Stable names: links in by-id that lead to one of the ports.
    const QDir byId(base + QStringLiteral("/dev/serial/by-id"));
    for (const QFileInfo& link : byId.entryInfoList(QDir::Files | QDir::System | QDir::NoDotAndDotDot)) {
        if (!link.isSymLink()) continue;
        const QString target = QFileInfo(link.symLinkTarget()).fileName();
        for (SerialPortInfo& p : ports)
            if (QFileInfo(p.device).fileName() == target && p.stableName.isEmpty())
                p.stableName = QStringLiteral("/dev/serial/by-id/") + link.fileName();
    }
    QCollator order;
    order.setNumericMode(true);
    std::sort(ports.begin(), ports.end(), [&](const SerialPortInfo& a, const SerialPortInfo& b) {
        if (a.usb != b.usb) return !a.usb;
        return order.compare(a.device, b.device) < 0;
    });
    return ports;
}

} // namespace PortDiscovery

} // namespace serial
