#pragma once
#include <QByteArray>
#include <QString>
#include <QVariant>

namespace store {

// What a column holds, from its declared type.
enum class ColumnKind { Integer, Float, Text, Bool, Blob, Other };

// Conversions between stored values and the text/integer/float/boolean views
// the program reads them through. Reading never throws: null or junk reads as
// 0, false or empty text. Writing (toStored) refuses text that is no number for
// a numeric column, as a typed value that cannot be stored must not be lost silently.
class FieldValue {
public:
    static ColumnKind kindOfDeclaredType(const QString& declared);

    static QString text(const QVariant& v, ColumnKind kind);
    static qint64 integer(const QVariant& v);
    static double number(const QVariant& v);
    static bool boolean(const QVariant& v);
    static QByteArray blob(const QVariant& v);

    // Floating-point text as the program shows it: up to 15 significant
    // digits, no exponent for ordinary values, the locale's separator.
    static QString formatFloat(double v);

    // The value as it goes into a column of the given kind; throws StoreError
    // naming the field when the value cannot be stored there.
    static QVariant toStored(const QVariant& v, ColumnKind kind, const QString& fieldName);
};

} // namespace store
