#include "store/ShownValues.h"

#include "store/Numbers.h"

#include <QDate>
#include <QRegularExpression>
#include <QTime>
#include <cmath>

namespace store {

bool ShownValues::prInRange(double pr) {
    const double shown = std::round(pr * 1000) / 1000;
    return shown >= kLowestPr && shown <= kHighestPr;
}

std::optional<QString> ShownValues::pr(const QString& stored) {
    const std::optional<double> value = parseNumber(stored);
    if (!value || !prInRange(*value)) return std::nullopt;
    return stored;
}

std::optional<QString> ShownValues::date(const QString& stored) {
    static const QRegularExpression pattern(QStringLiteral(
        R"(^\s*(\d{1,2})\.(\d{1,2})\.(\d{1,2}|\d{4})(?:\s+(\d{1,2}):(\d{1,2})(?::(\d{1,2}))?)?\s*$)"));
    const QRegularExpressionMatch m = pattern.match(stored);
    if (!m.hasMatch()) return std::nullopt;
    const auto number = [&m](int group) { return m.captured(group).toInt(); };
    // Two-digit years are the instruments' own: this century's.
    const int year = m.captured(3).size() == 4 ? number(3) : 2000 + number(3);
    if (!QDate(year, number(2), number(1)).isValid()) return std::nullopt;
    if (m.hasCaptured(4) && !QTime(number(4), number(5), m.hasCaptured(6) ? number(6) : 0).isValid())
        return std::nullopt;
    return stored;
}

} // namespace store
