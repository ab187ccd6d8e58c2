#include "report/ReadoutLines.h"

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
        "",
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
    return trace::TraceNumbers::metres(rounded);
}

QStringList ReadoutLines::values(const store::ViewState& state, double axisMin, double axisMax) {
    const QString m = QStringLiteral(" m");
    QString resolution;
    if (state.typeIndex == 0 || state.typeIndex == 1) {
        const double perPoint = state.typeIndex == 0 ? 0.004 : 0.002;
        resolution = fixed7((axisMax - axisMin) * perPoint) + m;
    }
    return {state.editKu,        state.zoomCaption, resolution,       fixed7(axisMin) + m,
            QStringLiteral(" "), state.editK1 + m,  state.editK2 + m, state.editL + m};
}

} // namespace report
