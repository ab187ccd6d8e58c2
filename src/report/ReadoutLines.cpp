#include "report/ReadoutLines.h"

#include "store/PrVelocity.h"
#include "store/Units.h"
#include "store/ViewState.h"
#include "trace/TraceNumbers.h"

#include <QCoreApplication>
#include <cmath>

namespace report {

QStringList ReadoutLines::labels() {
    static const char* const kLabels[] = {
        QT_TRANSLATE_NOOP("ReadoutLines", "PR"),
        QT_TRANSLATE_NOOP("ReadoutLines", "zoom"),
        QT_TRANSLATE_NOOP("ReadoutLines", "length resolution"),
        QT_TRANSLATE_NOOP("ReadoutLines", "zoom start point"),
        QT_TRANSLATE_NOOP("ReadoutLines", "velocity, half"),
        QT_TRANSLATE_NOOP("ReadoutLines", "К1"),
        QT_TRANSLATE_NOOP("ReadoutLines", "К2"),
        QT_TRANSLATE_NOOP("ReadoutLines", "L"),
    };
    QStringList labels;
    for (const char* label : kLabels)
        labels << (*label ? QCoreApplication::translate("ReadoutLines", label) : QString());
    return labels;
}

QString ReadoutLines::fixed7(double value) {
    if (!std::isfinite(value)) return QString::number(value);
    const double rounded = QString::number(value, 'g', 7).toDouble();
    return trace::TraceNumbers::metres(rounded).text();
}

QStringList ReadoutLines::values(const store::ViewState& state, double axisMin, double axisMax) {
    using store::Units;
    const QString unit = Units::suffix();
    QString resolution;
    if (state.typeIndex() == 0 || state.typeIndex() == 1) {
        const double perPoint = state.typeIndex() == 0 ? 0.004 : 0.002;
        resolution = fixed7(Units::toShown((axisMax - axisMin) * perPoint)) + unit;
    }
    QString velocity = store::PrVelocity::brief(state.editKu().value());
    if (velocity.isEmpty()) velocity = QStringLiteral(" ");
    return {state.editKu().text(),
            state.zoomCaption().text(),
            resolution,
            fixed7(Units::toShown(axisMin)) + unit,
            velocity,
            Units::show(state.editK1()) + unit,
            Units::show(state.editK2()) + unit,
            Units::show(state.editL()) + unit};
}

} // namespace report
