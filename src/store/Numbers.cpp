#include "store/Numbers.h"

#include <QLocale>
#include <cmath>

namespace store {

std::optional<double> parseNumber(const QString& text) {
    QString t = text.trimmed();
    if (t.isEmpty()) return std::nullopt;
    t.replace(',', '.');
    bool ok = false;
    const double v = QLocale::c().toDouble(t, &ok);
    if (!ok || !std::isfinite(v)) return std::nullopt;
    return v;
}

QString formatFixed(double value, int decimals) {
    QString s = QString::number(value, 'f', decimals);
    const QString sep = QLocale().decimalPoint();
    if (sep != ".") s.replace('.', sep);
    return s;
}

QString localNumber(const QString& text) {
    if (!parseNumber(text)) return text;
    QString shown = text;
    const QString sep = QLocale().decimalPoint();
    shown.replace(QLatin1Char(','), sep);
    shown.replace(QLatin1Char('.'), sep);
    return shown;
}

} // namespace store
