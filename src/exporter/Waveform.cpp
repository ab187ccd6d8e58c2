#include "exporter/Waveform.h"

#include "store/Dataset.h"
#include "trace/WaveRecord.h"

namespace exporter {

QVariant Waveform::value(const QString& name) const {
    for (const StoredField& f : fields)
        if (f.name.compare(name, Qt::CaseInsensitive) == 0) return f.value;
    return {};
}

qint64 Waveform::recId() const { return store::FieldValue::integer(value(QStringLiteral("REC_ID"))); }

QString Waveform::title() const {
    const QString memo = store::FieldValue::text(value(QStringLiteral("MEMO")), store::ColumnKind::Text);
    return QStringLiteral("№ %1 %2").arg(recId()).arg(memo.simplified()).trimmed();
}

Waveform Waveform::of(std::vector<StoredField> fields, std::optional<int> typeIndex) {
    Waveform w;
    w.fields = std::move(fields);
    trace::WaveRecord r;
    r.scale = store::FieldValue::number(w.value(QStringLiteral("SCALE")));
    r.zoomL = store::FieldValue::number(w.value(QStringLiteral("ZOOM_L")));
    r.startPlan = store::FieldValue::number(w.value(QStringLiteral("START_PLAN")));
    r.sdvig = store::FieldValue::integer(w.value(QStringLiteral("SDVIG")));
    r.method = store::FieldValue::text(w.value(QStringLiteral("METHOD")), store::ColumnKind::Text);
    r.points = store::FieldValue::blob(w.value(QStringLiteral("POINTS")));
    const int family = typeIndex.value_or(trace::StoredTrace::typeIndexOf(
        store::FieldValue::text(w.value(QStringLiteral("DEVICE_TYPE")), store::ColumnKind::Text)));
    w.trace = trace::StoredTrace::of(r, family);
    return w;
}

std::vector<int> DatasetRows::marked(const store::Dataset& ds) {
    std::vector<int> rows;
    const int mark = ds.fieldIndex(QStringLiteral("PICTURE"));
    if (!ds.isOpen() || mark < 0) return rows;
    for (int row = 0; row < ds.recordCount(); ++row)
        if (store::FieldValue::boolean(ds.valueAt(row, mark))) rows.push_back(row);
    return rows;
}

Waveform DatasetRows::at(const store::Dataset& ds, int row, std::optional<int> typeIndex) {
    std::vector<StoredField> fields;
    if (ds.isOpen() && row >= 0 && row < ds.recordCount()) {
        fields.reserve(size_t(ds.fieldCount()));
        for (int i = 0; i < ds.fieldCount(); ++i)
            fields.push_back({ds.fieldName(i), ds.fieldKind(i), ds.valueAt(row, i)});
    }
    return Waveform::of(std::move(fields), typeIndex);
}

} // namespace exporter
