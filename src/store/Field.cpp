#include "store/Dataset.h"

namespace store {

QString Field::name() const { return ds_->fieldName(index_); }

QVariant Field::value() const { return ds_->currentValue(index_); }

bool Field::isNull() const { return value().isNull(); }

QString Field::asString() const { return FieldValue::text(value(), ds_->fieldKind(index_)); }

qint64 Field::asInteger() const { return FieldValue::integer(value()); }

double Field::asFloat() const { return FieldValue::number(value()); }

bool Field::asBool() const { return FieldValue::boolean(value()); }

QByteArray Field::asBlob() const { return FieldValue::blob(value()); }

void Field::setValue(const QVariant& v) const { ds_->setCurrentValue(index_, v); }

} // namespace store
