#include "app/tdr/TdrHeader.h"

#include "app/tdr/TdrError.h"
#include "store/Numbers.h"

#include <QCoreApplication>
#include <QtEndian>
#include <array>

namespace app::tdr {

namespace {

constexpr std::array<double, 12> kRange = {62.5, 125,  250,   500,   1000,  2000,
                                           4000, 8000, 16000, 32000, 64000, 128000};
constexpr std::array<int, 13> kPulse = {10,   20,   50,    100,   200,   500,   1000,
                                        2000, 5000, 10000, 20000, 50000, 100000};
constexpr std::array<int, 8> kAveraging = {1, 2, 4, 8, 16, 32, 64, 128};

qint32 wordAt(const QByteArray& image, int offset) {
    return qFromLittleEndian<qint32>(image.constData() + offset);
}

template <typename T, std::size_t N>
T lookUp(const std::array<T, N>& table, qint32 index, const char* what) {
    if (index < 0 || static_cast<std::size_t>(index) >= N)
        throw TdrError(QCoreApplication::translate("TdrHeader", "%1 index %2 is outside 0..%3")
                           .arg(QCoreApplication::translate("TdrHeader", what))
                           .arg(index)
                           .arg(N - 1));
    return table[static_cast<std::size_t>(index)];
}

QString methodName(qint32 code) {
    switch (code) {
    case 68: return QStringLiteral("arc");
    case 73: return QStringLiteral("pulse");
    case 75: return QStringLiteral("wave");
    default: return QString();
    }
}

} // namespace

TdrHeader TdrHeader::decode(const QByteArray& image) {
    if (image.size() < kImageSize)
        throw TdrError(
            QCoreApplication::translate("TdrHeader", "the file is shorter than %1 bytes (%2 bytes)")
                .arg(kImageSize)
                .arg(image.size()));

    TdrHeader h;
    h.dlit = lookUp(kPulse, wordAt(image, 4), QT_TRANSLATE_NOOP("TdrHeader", "pulse width"));
    h.scale = lookUp(kRange, wordAt(image, 8), QT_TRANSLATE_NOOP("TdrHeader", "range"));
    h.nakopl = lookUp(kAveraging, wordAt(image, 12), QT_TRANSLATE_NOOP("TdrHeader", "averaging"));
    h.ampl = wordAt(image, 16);
    h.soglas = wordAt(image, 20);
    const qint32 speed = wordAt(image, 24);
    // A PR of zero or below is no distance scale: the waveform could not be drawn.
    if (speed <= 0)
        throw TdrError(QCoreApplication::translate("TdrHeader", "propagation ratio word %1 is not above zero")
                           .arg(speed));
    h.speed = store::formatFixed(speed > 300 ? speed * 0.001 : speed * 0.01, 3);
    h.timeOut = wordAt(image, 32) * 0.2;
    h.level = qint64(wordAt(image, 36)) - 60;
    h.method = methodName(wordAt(image, 40));
    return h;
}

} // namespace app::tdr
