#include "store/encoding/WaveformConversions.h"

#include "store/Numbers.h"
#include "store/encoding/CodePage.h"

#include <QCoreApplication>
#include <array>

namespace store {

namespace {

constexpr std::array<double, 8> kScaleType0 = {250, 500, 1000, 2500, 5000, 12500, 25000, 50000};
constexpr std::array<double, 8> kZoomType0 = {1.0, 2.0, 4.0, 10.0, 10.0, 12.5, 10.0, 10.0};
constexpr std::array<double, 10> kScaleType3 = {60, 120, 240, 480, 960, 1920, 4800, 9600, 19200, 48000};
constexpr std::array<double, 10> kScaleType4 = {60, 120, 240, 480, 960, 1920, 4800, 9600, 19200, 50400};
constexpr std::array<int, 12> kPulse = {10, 20, 50, 100, 200, 500, 1000, 2000, 5000, 10000, 20000, 50000};
constexpr std::array<int, 8> kAveraging = {1, 2, 4, 8, 16, 32, 64, 128};

constexpr int kType0NameOffset = 281;
constexpr int kType0NameSize = 38;
constexpr int kPacketNameOffset = 30;
constexpr int kPacketNameSize = 13;

// Byte views over a block whose length the caller has checked.
struct Bytes {
    const QByteArray& b;
    int u(int i) const { return static_cast<unsigned char>(b[i]); }
    int s(int i) const { return static_cast<signed char>(b[i]); }
    int w(int i) const { return u(i) + 256 * u(i + 1); }
};

QString tooShort(int size, int needed) {
    return QCoreApplication::translate("WaveformConversions", "блок данных короче нужного (%1 байт из %2)")
        .arg(size)
        .arg(needed);
}

QString outsideTable(const QString& what, int code) {
    return QCoreApplication::translate("WaveformConversions", "%1 %2 вне таблицы").arg(what).arg(code);
}

QString hex2(int v) { return QStringLiteral("%1").arg(v, 2, 16, QLatin1Char('0')).toUpper(); }

// Day.month.year hours:minutes:seconds from BCD bytes, two digits each.
QString type0Date(const Bytes& b) {
    return hex2(b.u(266)) + '.' + hex2(b.u(267)) + '.' + hex2(b.u(268)) + ' ' + hex2(b.u(258)) + ':' +
           hex2(b.u(257)) + ':' + hex2(b.u(256));
}

QString type0Name(const QByteArray& block) {
    if (block[kType0NameOffset] == 0) return QStringLiteral(" ");
    return fromCp866(block.constData() + kType0NameOffset, kType0NameSize);
}

// Checks shared by a type-0 waveform and a list entry: length and scale code.
QString type0Problem(const QByteArray& block) {
    if (block.size() < kType0MinSize) return tooShort(block.size(), kType0MinSize);
    const int scale = static_cast<unsigned char>(block[kType0ScaleOffset]);
    if (scale == kEmptyBank)
        return QCoreApplication::translate("WaveformConversions", "ячейка памяти прибора пуста");
    if (scale >= int(kScaleType0.size()))
        return outsideTable(QCoreApplication::translate("WaveformConversions", "код масштаба"), scale);
    return {};
}

ConversionResult convertPacketBlock(const QByteArray& block, const std::array<double, 10>& scales,
                                    const QString& model) {
    if (block.size() < kPacketBlockMinSize)
        return ConversionResult::rejected(tooShort(block.size(), kPacketBlockMinSize));
    const Bytes b{block};
    if (b.u(112) >= int(scales.size()))
        return ConversionResult::rejected(
            outsideTable(QCoreApplication::translate("WaveformConversions", "код масштаба"), b.u(112)));
    if (b.u(111) >= int(kPulse.size()))
        return ConversionResult::rejected(outsideTable(
            QCoreApplication::translate("WaveformConversions", "код длительности импульса"), b.u(111)));
    if (b.u(115) >= int(kAveraging.size()))
        return ConversionResult::rejected(
            outsideTable(QCoreApplication::translate("WaveformConversions", "код накопления"), b.u(115)));

    const int speedRaw = b.w(122);
    const double speed = speedRaw <= 300 ? speedRaw * 0.01 : speedRaw * 0.001;
    const QString date = QStringLiteral("%1.%2.%3 %4:%5:%6")
                             .arg(b.u(132))
                             .arg(b.u(133))
                             .arg(b.u(134))
                             .arg(b.u(135))
                             .arg(b.u(136))
                             .arg(b.u(137));
    ConversionResult r;
    r.values = {
        {"BANK_NUM", b.w(4)},
        {"DATE", date},
        {"SCALE", scales[b.u(112)]},
        {"DLIT", kPulse[b.u(111)]},
        {"NAKOPL", kAveraging[b.u(115)]},
        {"AMPL", b.w(116)},
        {"SPEED", formatFixed(speed, 3)},
        {"SOGLAS", b.w(120)},
        {"SDVIG", 0},
        {"ZOOM_L", 0.0},
        {"MEMO", fromCp1251(block.constData() + kPacketNameOffset, kPacketNameSize)},
        {"POINTS", block},
        {"DEVICE_TYPE", model},
        {"PICTURE", false},
        {"START_PLAN", 0.0},
    };
    return r;
}

} // namespace

unsigned char ByteSum(const QByteArray& bytes, int count) {
    unsigned sum = 0;
    const int n = std::min<int>(count, bytes.size());
    for (int i = 0; i < n; ++i) sum += static_cast<unsigned char>(bytes[i]);
    return static_cast<unsigned char>(sum & 0xFF);
}

ConversionResult ConvertType0(const QByteArray& block) {
    if (QString why = type0Problem(block); !why.isEmpty()) return ConversionResult::rejected(why);
    const Bytes b{block};
    const int propagation = b.s(272);
    if (propagation == 0)
        return ConversionResult::rejected(
            QCoreApplication::translate("WaveformConversions", "код КУ равен 0"));

    const int scaleCode = b.u(kType0ScaleOffset);
    const bool zoomed = (b.u(271) & 2) != 0;
    const QString speedText = formatFixed(150.0 / propagation, 3);
    // The start is computed from the SPEED column as stored, i.e. rounded to three decimals.
    const double speed = parseNumber(speedText).value_or(0.0);
    const int span = b.u(273) + 256 * b.s(274) + 65536 * b.s(275);
    const float startPlan = static_cast<float>(speed * span * 2 / 3 * 0.01);

    ConversionResult r;
    r.values = {
        {"DATE", type0Date(b)},
        {"SCALE", kScaleType0[scaleCode]},
        {"DLIT", (b.u(262) + 256 * b.s(263) + 1) * 10},
        {"NAKOPL", b.u(259)},
        {"AMPL", b.u(269) * 156 / 256},
        {"SPEED", speedText},
        {"SOGLAS", b.u(265) / 4},
        {"SDVIG", 0},
        {"ZOOM_L", zoomed ? kZoomType0[scaleCode] : 1.0},
        {"MEMO", type0Name(block)},
        {"POINTS", block},
        {"DEVICE_TYPE", kModelType0},
        {"PICTURE", false},
        {"TIME_OUT", QVariant()},
        {"LEVEL", QVariant()},
        {"START_PLAN", double(startPlan)},
    };
    if (block.size() >= kType0BlockSize && ByteSum(block, kType0DataSize) != b.u(kType0DataSize))
        r.warning = QCoreApplication::translate(
            "WaveformConversions", "контрольная сумма не совпадает, данные могут быть повреждены");
    return r;
}

ConversionResult ConvertType3(const QByteArray& block) {
    return convertPacketBlock(block, kScaleType3, kModelType3);
}

ConversionResult ConvertType4(const QByteArray& block) {
    return convertPacketBlock(block, kScaleType4, kModelType4);
}

ConversionResult ConvertListEntry(const QByteArray& block) {
    if (QString why = type0Problem(block); !why.isEmpty()) return ConversionResult::rejected(why);
    const Bytes b{block};
    ConversionResult r;
    r.values = {
        {"MEMO", type0Name(block)},
        {"SCALE", kScaleType0[b.u(kType0ScaleOffset)]},
        {"DATE", type0Date(b)},
        {"PICTURE", false},
    };
    return r;
}

} // namespace store
