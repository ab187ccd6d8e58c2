#include "exchange/Interruption.h"

#include <QCoreApplication>

namespace exchange {

QString Interruption::reason() const {
    switch (cause) {
    case Cause::NoAnswer:
        return QCoreApplication::translate("Interruption", "the instrument stopped answering");
    case Cause::LineClosed:
        return QCoreApplication::translate("Interruption", "the line to the instrument was closed");
    case Cause::AdapterGone:
        return QCoreApplication::translate("Interruption", "the serial adapter was unplugged");
    case Cause::Stopped: return QCoreApplication::translate("Interruption", "stopped by the user");
    case Cause::LineLost:
        return QCoreApplication::translate(
            "Interruption", "the connection to the instrument was lost: the adapter was unplugged "
                            "or the instrument switched off");
    case Cause::LineError: return detail;
    }
    return detail;
}

QString Interruption::sentence() const {
    return QCoreApplication::translate("Interruption", "The exchange was interrupted: %1.").arg(reason());
}

} // namespace exchange
