#include "exchange/serial/DeviceName.h"

namespace serial {

namespace DeviceName {

long long DeviceNumber(int portNum) { return static_cast<long long>(portNum) - 1; }

QString Format(const QString& nameTemplate, int portNum) {
    QString result;
    result.reserve(nameTemplate.size() + 8);
    for (qsizetype i = 0; i < nameTemplate.size(); ++i) {
        const QChar c = nameTemplate[i];
        const QChar next = i + 1 < nameTemplate.size() ? nameTemplate[i + 1] : QChar();
        if (c == u'%' && next == u'd') {
            result += QString::number(DeviceNumber(portNum));
            ++i;
        } else if (c == u'%' && next == u'%') {
            result += u'%';
            ++i;
        } else {
            result += c;
        }
    }
    return result;
}

QString Literal(const QString& path) {
    QString escaped = path;
    return escaped.replace(QLatin1Char('%'), QStringLiteral("%%"));
}

} // namespace DeviceName

} // namespace serial
