#include "store/Units.h"

#include "store/Numbers.h"

#include <QCoreApplication>

namespace store {

namespace {
LengthUnit shownUnit = LengthUnit::Metres;
}

LengthUnit Units::current() { return shownUnit; }

void Units::setCurrent(LengthUnit unit) {
    if (unit == shownUnit) return;
    shownUnit = unit;
    emit notifier().changed();
}

UnitsNotifier& Units::notifier() {
    static UnitsNotifier instance;
    return instance;
}

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
    // Adding 0.0 turns -0 into 0, so a distance at the origin never reads "-0,00".
    return formatFixed(toShown(metres) + 0.0, decimals);
}

QString Units::show(const ShownNumber& metres) {
    return shownUnit == LengthUnit::Metres ? metres.text() : format(metres.value());
}

QString Units::show(const std::optional<ShownNumber>& metres) { return metres ? show(*metres) : QString(); }

QString Units::showText(const QString& metresText) {
    if (shownUnit == LengthUnit::Metres) return localNumber(metresText);
    const std::optional<double> metres = parseNumber(metresText);
    return metres ? format(*metres) : metresText;
}

QString Units::key(LengthUnit unit) {
    return unit == LengthUnit::Feet ? QStringLiteral("ft") : QStringLiteral("m");
}

LengthUnit Units::fromKey(const QString& key) {
    return key.trimmed() == QLatin1String("ft") ? LengthUnit::Feet : LengthUnit::Metres;
}

} // namespace store
