// Port discovery on a fake device tree: a temporary root with sys/class/tty,
// the USB devices the ttys hang under, and dev/serial/by-id links.
#include "exchange/serial/PortDiscovery.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace serial;

namespace {

class FakeTree {
public:
    void file(const QString& path, const QByteArray& text) {
        QDir().mkpath(QFileInfo(at(path)).path());
        QFile f(at(path));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(text);
    }
    void link(const QString& target, const QString& path) {
        QDir().mkpath(QFileInfo(at(path)).path());
        ASSERT_TRUE(QFile::link(target, at(path)));
    }
    // An adapter as the kernel shows it: the tty below the port below the
    // USB interface below the USB device, which holds the strings.
    void usbAdapter(const QString& tty, const QString& usb, const QByteArray& maker, const QByteArray& model,
                    const QByteArray& serial) {
        const QString dev = "sys/devices/pci0000:00/usb1/" + usb;
        file(dev + "/idVendor", "0403\n");
        if (!maker.isEmpty()) file(dev + "/manufacturer", maker + "\n");
        file(dev + "/product", model + "\n");
        if (!serial.isEmpty()) file(dev + "/serial", serial + "\n");
        const QString port = dev + "/" + usb + ":1.0/" + tty;
        file(port + "/tty/" + tty + "/dev", "188:0\n");
        link(at(port + "/tty/" + tty), "sys/class/tty/" + tty);
        link(at(port), at(port + "/tty/" + tty + "/device"));
    }
    QString root() const { return dir_.path(); }

private:
    QString at(const QString& path) const { return path.startsWith('/') ? path : dir_.filePath(path); }
    QTemporaryDir dir_;
};

} // namespace

TEST(PortDiscoveryTest, listsRealUartsAndAdaptersWithWhatTheyAre) {
    FakeTree t;
    t.file("sys/class/tty/ttyS0/type", "4\n"); // a 16550A that is there
    t.file("sys/class/tty/ttyS1/type", "0\n"); // reserved, no hardware
    t.file("sys/class/tty/ttyS10/type", "4\n");
    t.file("sys/class/tty/tty0/dev", "4:0\n"); // a console, not a serial port
    t.usbAdapter("ttyUSB0", "1-1", "FTDI", "FT232R USB UART", "A12345");
    t.usbAdapter("ttyACM0", "1-2", "", "CDC Serial", "");
    t.link("../../ttyUSB0", "dev/serial/by-id/usb-FTDI_FT232R_USB_UART_A12345-if00-port0");
    t.link("../../ttyUSB7", "dev/serial/by-id/usb-gone-if00-port0"); // a stale link

    const QList<SerialPortInfo> ports = PortDiscovery::scan(t.root());
    QStringList seen;
    for (const SerialPortInfo& p : ports) seen << p.description();
    EXPECT_EQ(seen, QStringList({"ttyS0 — on-board serial port", "ttyS10 — on-board serial port",
                                 "ttyACM0 — CDC Serial", "ttyUSB0 — FTDI FT232R USB UART (A12345)"}));
    ASSERT_EQ(ports.size(), 4);
    EXPECT_EQ(ports[3].device, "/dev/ttyUSB0");
    EXPECT_EQ(ports[3].preferredPath(), "/dev/serial/by-id/usb-FTDI_FT232R_USB_UART_A12345-if00-port0");
    EXPECT_EQ(ports[2].preferredPath(), "/dev/ttyACM0") << "no stable name: the device itself";
    EXPECT_EQ(ports[0].preferredPath(), "/dev/ttyS0");
}

TEST(PortDiscoveryTest, damagedOrMissingTreeGivesWhatCanBeRead) {
    FakeTree t;
    EXPECT_TRUE(PortDiscovery::scan(t.root()).isEmpty());
    EXPECT_TRUE(PortDiscovery::scan(t.root() + "/nowhere").isEmpty());
    t.file("sys/class/tty/ttyS0/type", "junk");
    t.file("sys/class/tty/ttyUSB3/dev", "188:3\n"); // no device link: strings unknown
    const QList<SerialPortInfo> ports = PortDiscovery::scan(t.root());
    ASSERT_EQ(ports.size(), 1);
    EXPECT_EQ(ports[0].description(), "ttyUSB3 — USB serial adapter");
}
