#pragma once
#include "exchange/serial/PortDiscovery.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace exchange {

// One entry of the port list: a port this machine has (kept by its device
// path, the stable by-id name where there is one) or a numbered port COMn.
struct PortChoice {
    QString label;
    int portNum = 0; // COMn; 0 for a device
    QString device;  // empty for COMn
};

// The port dialog's list: the ports found, each with what it is, then
// COM1..COMn as before. A device chosen earlier that the scan does not report
// stays listed (marked "not connected" while its path is gone), so the choice
// is not lost while the adapter is away.
class PortChoices {
public:
    explicit PortChoices(int numberedPorts) : numberedPorts_(numberedPorts) {}

    void rebuild(const QList<serial::SerialPortInfo>& found, const QString& keepDevice);
    // The entry of a device (any of its names) or, without one, of COMn; -1 when neither is listed.
    int indexOf(const QString& device, int portNum) const;
    int count() const { return int(choices_.size()); }
    const PortChoice& at(int index) const { return choices_.at(index); }
    QStringList labels() const;

private:
    int numberedPorts_;
    QList<PortChoice> choices_;
    QList<QString> otherNames_; // the /dev/tty name of each device kept by its stable name
};

} // namespace exchange
