#include "store/ExactCopy.h"

#include "store/Dataset.h"

#include <QCoreApplication>
#include <QStringDecoder>
#include <cmath>
#include <limits>

namespace store {

namespace {

[[noreturn]] void refuse(const QString& field, const QVariant& value, const char* why) {
    QString shown = value.typeId() == QMetaType::QByteArray
                        ? QCoreApplication::translate("ExactCopy", "binary data (%1 bytes)")
                              .arg(value.toByteArray().size())
                        : value.toString();
    if (shown.size() > 40) shown = shown.left(40) + QStringLiteral("…");
    throw StoreError(QCoreApplication::translate("ExactCopy", "the field %1 holds %2, %3")
                         .arg(field, shown, QCoreApplication::translate("ExactCopy", why))
                         .toStdString());
}

bool isInteger(const QVariant& v) {
    switch (v.typeId()) {
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::Long:
    case QMetaType::Short: return true;
    // A server driver's unsigned 64-bit integers, where they fit a stored one.
    case QMetaType::ULongLong: return v.toULongLong() <= quint64(std::numeric_limits<qint64>::max());
    default: return false;
    }
}

bool isFloat(const QVariant& v) { return v.typeId() == QMetaType::Double || v.typeId() == QMetaType::Float; }

} // namespace

QVariant exactCopy(const QVariant& value, ColumnKind kind, const QString& field,
                   const QByteArray& storedBytes) {
    if (!value.isValid() || value.isNull()) return {};
    switch (kind) {
    case ColumnKind::Integer:
    case ColumnKind::Bool: {
        if (isInteger(value)) return QVariant(value.toLongLong());
        if (value.typeId() == QMetaType::Bool) return value;
        // A server's 64-bit integers may come as their digits.
        bool whole = false;
        const qlonglong n = value.typeId() == QMetaType::QString ? value.toString().toLongLong(&whole) : 0;
        if (whole && QString::number(n) == value.toString()) return QVariant(n);
        if (isFloat(value) && std::isfinite(value.toDouble()) &&
            value.toDouble() == std::trunc(value.toDouble()) && std::fabs(value.toDouble()) < 9.0e15)
            return QVariant(qlonglong(value.toDouble()));
        refuse(field, value, QT_TRANSLATE_NOOP("ExactCopy", "which is no whole number"));
    }
    case ColumnKind::Float:
        if (isFloat(value) && std::isfinite(value.toDouble())) return value;
        if (isInteger(value) && std::fabs(double(value.toLongLong())) < 9.0e15)
            return QVariant(value.toDouble());
        refuse(field, value, QT_TRANSLATE_NOOP("ExactCopy", "which is no finite number"));
    case ColumnKind::Text:
        if (value.typeId() != QMetaType::QString)
            refuse(field, value, QT_TRANSLATE_NOOP("ExactCopy", "which is no text"));
        if (!storedBytes.isEmpty()) {
            QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
            const QString decoded = utf8(storedBytes); // the decoder decodes when its result is taken
            if (decoded.isNull() || utf8.hasError())
                refuse(field, value,
                       QT_TRANSLATE_NOOP("ExactCopy", "stored as bytes that are no valid UTF-8 text"));
        }
        return value;
    case ColumnKind::Blob:
        if (value.typeId() == QMetaType::QByteArray) return value;
        refuse(field, value, QT_TRANSLATE_NOOP("ExactCopy", "which is text, not samples"));
    case ColumnKind::Other: break;
    }
    return value;
}

} // namespace store
