#include "store/FieldValue.h"

#include "store/Dataset.h"
#include "store/Numbers.h"

#include <QCoreApplication>
#include <QLocale>
#include <cmath>
#include <limits>

namespace store {

namespace {

bool isTextType(const QVariant& v) {
    return v.typeId() == QMetaType::QString || v.typeId() == QMetaType::QByteArray;
}

// Truncates toward zero; values outside the 64-bit range or not finite read as 0.
qint64 truncated(double d) {
    if (!std::isfinite(d) || std::fabs(d) >= 9.2e18) return 0;
    return static_cast<qint64>(d);
}

std::optional<bool> boolFromText(const QString& text) {
    const QString t = text.trimmed();
    if (t.compare("true", Qt::CaseInsensitive) == 0 || t.compare("t", Qt::CaseInsensitive) == 0 ||
        t.compare("yes", Qt::CaseInsensitive) == 0)
        return true;
    if (t.compare("false", Qt::CaseInsensitive) == 0 || t.compare("f", Qt::CaseInsensitive) == 0 ||
        t.compare("no", Qt::CaseInsensitive) == 0 || t.isEmpty())
        return false;
    if (auto n = parseNumber(t)) return *n != 0;
    return std::nullopt;
}

[[noreturn]] void refuse(const QString& value, const char* what, const QString& fieldName) {
    throw StoreError(
        QCoreApplication::translate("FieldValue", "'%1' is not a valid %2 value for the field %3")
            .arg(value, QCoreApplication::translate("FieldValue", what), fieldName)
            .toStdString());
}

} // namespace

ColumnKind FieldValue::kindOfDeclaredType(const QString& declared) {
    const QString t = declared.toUpper();
    if (t.contains("BOOL")) return ColumnKind::Bool;
    if (t.contains("INT")) return ColumnKind::Integer;
    if (t.contains("CHAR") || t.contains("TEXT") || t.contains("CLOB")) return ColumnKind::Text;
    if (t.contains("BLOB")) return ColumnKind::Blob;
    if (t.contains("REAL") || t.contains("FLOA") || t.contains("DOUB")) return ColumnKind::Float;
    return ColumnKind::Other;
}

QString FieldValue::formatFloat(double v) {
    QString s = QString::number(v, 'g', 15);
    const QString sep = QLocale().decimalPoint();
    if (sep != ".") s.replace('.', sep);
    return s;
}

QString FieldValue::text(const QVariant& v, ColumnKind kind) {
    if (v.isNull() || !v.isValid()) return {};
    if (kind == ColumnKind::Bool) return boolean(v) ? QStringLiteral("True") : QStringLiteral("False");
    switch (v.typeId()) {
    case QMetaType::Double:
    case QMetaType::Float: return formatFloat(v.toDouble());
    case QMetaType::Bool: return v.toBool() ? QStringLiteral("True") : QStringLiteral("False");
    case QMetaType::QByteArray: return QString::fromUtf8(v.toByteArray());
    default: return v.toString();
    }
}

qint64 FieldValue::integer(const QVariant& v) {
    if (v.isNull() || !v.isValid()) return 0;
    switch (v.typeId()) {
    case QMetaType::Double:
    case QMetaType::Float: return truncated(v.toDouble());
    case QMetaType::Bool: return v.toBool() ? 1 : 0;
    case QMetaType::QString:
    case QMetaType::QByteArray: {
        const QString t = v.toString();
        if (auto n = parseNumber(t)) return truncated(*n);
        if (auto b = boolFromText(t)) return *b ? 1 : 0;
        return 0;
    }
    default: return v.toLongLong();
    }
}

double FieldValue::number(const QVariant& v) {
    if (v.isNull() || !v.isValid()) return 0;
    if (isTextType(v)) return parseNumber(v.toString()).value_or(0.0);
    if (v.typeId() == QMetaType::Bool) return v.toBool() ? 1 : 0;
    const double d = v.toDouble();
    return std::isfinite(d) ? d : 0;
}

bool FieldValue::boolean(const QVariant& v) {
    if (v.isNull() || !v.isValid()) return false;
    if (isTextType(v)) return boolFromText(v.toString()).value_or(false);
    if (v.typeId() == QMetaType::Bool) return v.toBool();
    return v.toDouble() != 0;
}

QByteArray FieldValue::blob(const QVariant& v) {
    if (v.isNull() || !v.isValid()) return {};
    if (v.typeId() == QMetaType::QByteArray) return v.toByteArray();
    return v.toString().toUtf8();
}

QVariant FieldValue::toStored(const QVariant& v, ColumnKind kind, const QString& fieldName) {
    if (v.isNull() || !v.isValid()) return {};
    const bool isText = isTextType(v) && kind != ColumnKind::Blob;
    switch (kind) {
    case ColumnKind::Integer: {
        if (isText) {
            const QString t = v.toString();
            if (t.trimmed().isEmpty()) return {};
            const auto n = parseNumber(t);
            if (!n || *n != std::trunc(*n) || std::fabs(*n) >= 9.2e18)
                refuse(t, QT_TRANSLATE_NOOP("FieldValue", "integer"), fieldName);
            return QVariant(static_cast<qlonglong>(*n));
        }
        if (v.typeId() == QMetaType::Double || v.typeId() == QMetaType::Float) {
            const double d = std::round(v.toDouble());
            if (!std::isfinite(d) || std::fabs(d) >= 9.2e18)
                refuse(v.toString(), QT_TRANSLATE_NOOP("FieldValue", "integer"), fieldName);
            return QVariant(static_cast<qlonglong>(d));
        }
        return QVariant(static_cast<qlonglong>(integer(v)));
    }
    case ColumnKind::Float: {
        if (isText) {
            const QString t = v.toString();
            if (t.trimmed().isEmpty()) return {};
            const auto n = parseNumber(t);
            if (!n) refuse(t, QT_TRANSLATE_NOOP("FieldValue", "floating point"), fieldName);
            return QVariant(*n);
        }
        const double d = number(v);
        return QVariant(d);
    }
    case ColumnKind::Bool: {
        if (isText) {
            const auto b = boolFromText(v.toString());
            if (!b) refuse(v.toString(), QT_TRANSLATE_NOOP("FieldValue", "boolean"), fieldName);
            return QVariant(static_cast<qlonglong>(*b ? 1 : 0));
        }
        return QVariant(static_cast<qlonglong>(boolean(v) ? 1 : 0));
    }
    case ColumnKind::Text:
        if (v.typeId() == QMetaType::QByteArray) return QVariant(QString::fromUtf8(v.toByteArray()));
        return QVariant(text(v, ColumnKind::Text));
    case ColumnKind::Blob:
        if (v.typeId() == QMetaType::QByteArray) return v;
        return QVariant(v.toString().toUtf8());
    case ColumnKind::Other: break;
    }
    return v;
}

} // namespace store
