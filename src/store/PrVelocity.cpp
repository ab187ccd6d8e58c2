#include "store/PrVelocity.h"

#include "store/Numbers.h"
#include "store/Units.h"

#include <QCoreApplication>
#include <cmath>

namespace store {

std::optional<double> PrVelocity::metresPerMicrosecond(double pr) {
    if (!std::isfinite(pr) || pr <= 0) return std::nullopt;
    const double v = kLightMetresPerMicrosecond / pr;
    if (!std::isfinite(v)) return std::nullopt;
    return v;
}

QString PrVelocity::describe(double pr) {
    const std::optional<double> v = metresPerMicrosecond(pr);
    if (!v) return {};
    const auto speed = [](double metresPerMicrosecond) {
        QString text =
            QCoreApplication::translate("PrVelocity", "%1 m/µs").arg(formatFixed(metresPerMicrosecond, 1));
        if (Units::current() == LengthUnit::Feet)
            text += QCoreApplication::translate("PrVelocity", " (%1 ft/µs)")
                        .arg(formatFixed(metresPerMicrosecond * Units::kFeetPerMetre, 1));
        return text;
    };
    return QCoreApplication::translate("PrVelocity", "%1, half %2").arg(speed(*v), speed(*v / 2));
}

QString PrVelocity::brief(double pr) {
    const std::optional<double> v = metresPerMicrosecond(pr);
    if (!v) return {};
    if (Units::current() == LengthUnit::Feet)
        return QCoreApplication::translate("PrVelocity", "%1 / %2 ft/µs")
            .arg(formatFixed(*v * Units::kFeetPerMetre, 1), formatFixed(*v * Units::kFeetPerMetre / 2, 1));
    return QCoreApplication::translate("PrVelocity", "%1 / %2 m/µs")
        .arg(formatFixed(*v, 1), formatFixed(*v / 2, 1));
}

} // namespace store
