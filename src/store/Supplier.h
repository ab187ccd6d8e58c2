#pragma once
#include <QString>

namespace store {

// Who supplies the instrument and this program. The About box and the
// report's page header both name it, so both read it from here.
struct Supplier {
    static QString name() { return QStringLiteral("Kestrel Instruments"); }
    static QString address() { return QStringLiteral("14 Quarry Lane, Eastmoor 40512"); }
    static QString phone() { return QStringLiteral("Tel.: +7 000 555-41-41"); }
    static QString web() { return QStringLiteral("www.kestrel-instruments.example"); }
};

} // namespace store
