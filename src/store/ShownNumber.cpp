#include "store/ShownNumber.h"

#include "store/Numbers.h"

#include <algorithm>

namespace store {

namespace {
// Beyond what any box shows; keeps QString::number's precision defined.
constexpr int kMostDecimals = 15;
} // namespace

ShownNumber ShownNumber::rounded(double value, int decimals) {
    decimals = std::clamp(decimals, 0, kMostDecimals);
    return {QString::number(value, 'f', decimals).toDouble(), decimals};
}

std::optional<ShownNumber> ShownNumber::read(const QString& text) {
    const std::optional<double> value = parseNumber(text);
    if (!value) return std::nullopt;
    const QString t = text.trimmed();
    const qsizetype separator = std::max(t.lastIndexOf(QLatin1Char('.')), t.lastIndexOf(QLatin1Char(',')));
    int decimals = 0;
    if (separator >= 0)
        while (separator + 1 + decimals < t.size() && t[separator + 1 + decimals].isDigit()) ++decimals;
    return ShownNumber(*value, std::min(decimals, kMostDecimals));
}

QString ShownNumber::text() const { return formatFixed(value_, decimals_); }

} // namespace store
