#include "exchange/serial/WireLine.h"

namespace serial {

namespace WireLine {

namespace {
QByteArray timestamp(const QDateTime& at) { return at.toUTC().toString(Qt::ISODateWithMs).toLatin1(); }
} // namespace

QByteArray frame(const QDateTime& at, const char* direction, int speed, const QByteArray& bytes) {
    QByteArray text = timestamp(at) + ' ' + direction;
    if (speed > 0) text += ' ' + QByteArray::number(speed);
    if (!bytes.isEmpty()) text += ' ' + bytes.toHex(' ').toUpper();
    return text;
}

QByteArray note(const QDateTime& at, const QString& text) {
    // One entry, one line, whatever the text holds.
    QString flat = text;
    flat.replace(QLatin1Char('\n'), QLatin1Char(' '));
    return timestamp(at) + " note " + flat.toUtf8();
}

} // namespace WireLine

} // namespace serial
