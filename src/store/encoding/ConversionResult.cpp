#include "store/encoding/ConversionResult.h"

namespace store {

bool ConversionResult::has(const QString& name) const {
    for (const ColumnValue& f : values)
        if (f.name == name) return true;
    return false;
}

QVariant ConversionResult::value(const QString& name) const {
    for (const ColumnValue& f : values)
        if (f.name == name) return f.value;
    return {};
}

} // namespace store
