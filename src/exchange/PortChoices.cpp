#include "exchange/PortChoices.h"

#include <QCoreApplication>
#include <QFileInfo>

using namespace serial;

namespace exchange {

void PortChoices::rebuild(const QList<SerialPortInfo>& found, const QString& keepDevice) {
    choices_.clear();
    otherNames_.clear();
    bool kept = keepDevice.isEmpty();
    for (const SerialPortInfo& p : found) {
        QString label = p.description();
        if (!p.stableName.isEmpty()) label += QStringLiteral(" · ") + p.stableName;
        choices_.push_back({label, 0, p.preferredPath()});
        otherNames_.push_back(p.device);
        kept = kept || keepDevice == p.preferredPath() || keepDevice == p.device;
    }
    if (!kept) {
        // A path the scan does not report (a pseudo-terminal, say) is listed as it is while it exists.
        const QString label =
            QFileInfo::exists(keepDevice)
                ? keepDevice
                : keepDevice + QCoreApplication::translate("PortChoices", " (not connected)");
        choices_.push_front({label, 0, keepDevice});
        otherNames_.push_front(keepDevice);
    }
    for (int n = 1; n <= numberedPorts_; ++n) {
        choices_.push_back({QStringLiteral("COM%1").arg(n), n, QString()});
        otherNames_.push_back(QString());
    }
}

int PortChoices::indexOf(const QString& device, int portNum) const {
    for (int i = 0; i < count(); ++i) {
        const PortChoice& c = choices_[i];
        if (!device.isEmpty() ? (c.device == device || (!c.device.isEmpty() && otherNames_[i] == device))
                              : (c.device.isEmpty() && c.portNum == portNum))
            return i;
    }
    return -1;
}

QStringList PortChoices::labels() const {
    QStringList out;
    for (const PortChoice& c : choices_) out << c.label;
    return out;
}

} // namespace exchange
