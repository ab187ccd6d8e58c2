#include "exchange/CommandFields.h"

namespace exchange {

namespace {
int hexDigit(QChar c) {
    const char16_t u = c.unicode();
    if (u >= '0' && u <= '9') return u - '0';
    if (u >= 'A' && u <= 'F') return u - 'A' + 10;
    if (u >= 'a' && u <= 'f') return u - 'a' + 10;
    return -1;
}
} // namespace

std::optional<CommandFields> CommandFields::parse(const QString& command) {
    if (command.size() != 8) return std::nullopt;
    int f[4];
    for (int i = 0; i < 4; ++i) {
        const int hi = hexDigit(command[2 * i]);
        const int lo = hexDigit(command[2 * i + 1]);
        if (hi < 0 || lo < 0) return std::nullopt;
        f[i] = hi * 16 + lo;
    }
    return CommandFields{f[0], f[1], f[2], f[3]};
}

QString CommandFields::toString() const {
    QString s;
    for (int v : {code, object, number, devType})
        s += QStringLiteral("%1").arg(v & 0xFF, 2, 16, QLatin1Char('0'));
    return s.toUpper();
}

} // namespace exchange
