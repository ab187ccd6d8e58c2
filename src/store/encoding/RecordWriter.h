#pragma once
#include "store/encoding/ConversionResult.h"

namespace store {

class Dataset;

// Writes converted columns into the dataset's pending row (after append or
// edit), in order. A column the table lacks raises StoreError.
void writeRecord(Dataset& dataset, const QVector<ColumnValue>& values);

} // namespace store
