#pragma once
#include "store/FieldValue.h"

#include <QVariant>

namespace store {

// A stored value as a copy of a library writes it into a column of `kind`:
// exactly as it is, or not at all. Throws StoreError naming `field` and the
// value when the column would change it (a fraction in a whole-number
// column, a number that is no number, text where samples belong, ...).
// Text whose stored bytes were not valid UTF-8 reads with replacement
// characters; `storedBytes` gives those bytes (empty when unknown).
QVariant exactCopy(const QVariant& value, ColumnKind kind, const QString& field,
                   const QByteArray& storedBytes = {});

} // namespace store
