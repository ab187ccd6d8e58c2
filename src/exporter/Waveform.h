#pragma once
#include "store/FieldValue.h"
#include "trace/StoredTrace.h"

#include <QString>
#include <QVariant>
#include <optional>
#include <vector>

namespace store {
class Dataset;
}

namespace exporter {

// One stored field of a waveform row, as the library holds it.
struct StoredField {
    QString name;
    store::ColumnKind kind = store::ColumnKind::Other;
    QVariant value;
};

// A waveform as the export sees it: every stored field in column order (a
// column added to the library comes along without being named here) and its
// samples placed on the distance axis as the lower chart places them.
struct Waveform {
    std::vector<StoredField> fields;
    trace::StoredTrace trace;

    // The stored value of a field; null when the row has no such column.
    QVariant value(const QString& name) const;
    qint64 recId() const;
    // "№ <REC_ID> <MEMO>", as the grids and the legend name a waveform.
    QString title() const;

    // typeIndex as the type box (0 "KMX-417" plans, 1 "KMX-419" windows);
    // unset: the family of the row's DEVICE_TYPE.
    static Waveform of(std::vector<StoredField> fields, std::optional<int> typeIndex = {});
};

// Library rows read through a dataset without moving its current record, so
// the window and its handlers see nothing of an export.
class DatasetRows {
public:
    // Rows whose mark (PICTURE) is set, in table order.
    static std::vector<int> marked(const store::Dataset& ds);
    // Throws store::StoreError when a field cannot be read.
    static Waveform at(const store::Dataset& ds, int row, std::optional<int> typeIndex);
};

} // namespace exporter
