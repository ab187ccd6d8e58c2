#pragma once
#include <QString>
#include <QVariant>
#include <QVector>

namespace store {

// One column of a row and the value a conversion gives it. A null QVariant means
// "set the column empty".
struct ColumnValue {
    QString name;
    QVariant value;
};

// What a conversion made of one instrument block: the columns in the order they
// are written, or, when the block cannot be converted, why not. A block that
// converts but looks damaged carries a warning as well.
struct ConversionResult {
    QVector<ColumnValue> values;
    QString problem; // empty when converted
    QString warning; // e.g. a checksum that does not match

    bool converted() const { return problem.isEmpty(); }
    bool has(const QString& name) const;
    // The value given to `name`; an invalid QVariant when the column is not written.
    QVariant value(const QString& name) const;

    static ConversionResult rejected(QString why) {
        ConversionResult r;
        r.problem = std::move(why);
        return r;
    }
};

} // namespace store
