#include "tools/OldRecordConverter.h"

#include <QMetaType>
#include <cmath>

namespace tools {

std::optional<int> OldRecordConverter::bankNumber(const QVariant& value) {
    if (value.isNull()) return std::nullopt;
    bool ok = false;
    qint64 n = 0;
    switch (value.typeId()) {
    case QMetaType::Double:
    case QMetaType::Float: {
        const double d = value.toDouble();
        ok = std::isfinite(d) && d == std::floor(d) && std::fabs(d) < 1e6;
        n = ok ? qint64(d) : 0;
        break;
    }
    case QMetaType::QString: n = value.toString().trimmed().toLongLong(&ok); break;
    default: n = value.toLongLong(&ok);
    }
    if (!ok || n < 0 || n > 255) return std::nullopt;
    return int(n);
}

std::optional<ImportEntry> OldRecordConverter::convert(const OldRecord& record, const QString& object) {
    const std::optional<int> bank = bankNumber(record.bankNum);
    if (!bank || record.points.isNull()) return std::nullopt;
    const QByteArray bytes = record.points.toByteArray();
    if (bytes.size() < kMinBlock) return std::nullopt;
    const QString number = QStringLiteral("%1").arg(*bank, 2, 16, QLatin1Char('0')).toUpper();
    return ImportEntry{QStringLiteral("02") + object + number + QStringLiteral("00"), bytes};
}

} // namespace tools
