#include "trace/LegendNames.h"

#include "store/Dataset.h"
#include "store/FieldValue.h"
#include "trace/ChartSet.h"
#include "trace/SlotLayout.h"
#include "trace/TraceContext.h"

#include <QCoreApplication>

namespace trace {

QString LegendNames::of(const store::Dataset& ds, int row) {
    const int number = ds.fieldIndex(QStringLiteral("REC_ID"));
    const int name = ds.fieldIndex(QStringLiteral("MEMO"));
    if (row < 0 || row >= ds.recordCount() || number < 0 || name < 0) return {};
    try {
        const QString n = store::FieldValue::text(ds.valueAt(row, number), ds.fieldKind(number));
        const QString m = store::FieldValue::text(ds.valueAt(row, name), ds.fieldKind(name)).trimmed();
        return QCoreApplication::translate("trace::LegendNames", "№ %1 %2").arg(n, m).trimmed();
    } catch (const store::StoreError&) {
        return {};
    }
}

void LegendNames::nameTraces(const TraceContext& ctx) {
    const QString current = of(ctx.master, ctx.master.recNo());
    ctx.charts.upper().setLegendName(SlotLayout::kUpperCurrent, current);
    ctx.charts.lower().setLegendName(SlotLayout::kLowerCurrent, current);
    for (int j = 0; j < SlotLayout::kCompareRecords; ++j) {
        const QString compared = of(ctx.picture, j);
        ctx.charts.upper().setLegendName(SlotLayout::kUpperCompare1 + j, compared);
        ctx.charts.lower().setLegendName(SlotLayout::kLowerCompare1 + j, compared);
    }
}

} // namespace trace
