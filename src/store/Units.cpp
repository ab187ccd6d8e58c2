#include "store/Units.h"

#include <QCoreApplication>
#include <QLocale>

namespace store {

namespace {
LengthUnit shownUnit = LengthUnit::Metres;
}

LengthUnit Units::current() { return shownUnit; }

void Units::setCurrent(LengthUnit unit) { shownUnit = unit; }

double Units::toShown(double metres) {
    return shownUnit == LengthUnit::Feet ? metres * kFeetPerMetre : metres;
}

double Units::fromShown(double shown) {
    return shownUnit == LengthUnit::Feet ? shown / kFeetPerMetre : shown;
}

QString Units::suffix() {
    return shownUnit == LengthUnit::Feet ? QCoreApplication::translate("Units", " ft")
                                         : QCoreApplication::translate("Units", " m");
}

QString Units::format(double metres, int decimals) {
    return QLocale().toString(toShown(metres), 'f', decimals);
}

} // namespace store
