#include "store/encoding/RecordWriter.h"

#include "store/Dataset.h"

namespace store {

void writeRecord(Dataset& dataset, const QVector<ColumnValue>& values) {
    for (const ColumnValue& f : values) dataset.fieldByName(f.name).setValue(f.value);
}

} // namespace store
