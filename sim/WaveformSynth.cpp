#include "WaveformSynth.h"

#include "CodePages.h"

#include <QString>
#include <algorithm>
#include <cmath>

namespace sim {

namespace {

int bcd(int v) { return (v / 10) * 16 + v % 10; }

const char* const kNames[] = {"Кабель %1",  "Фидер %1", "Линия связи %1",
                              "ТП-%1 ввод", "Муфта %1", "КЛ 10 кВ № %1"};

QString nameFor(int bank) {
    return QString::fromUtf8(kNames[bank % (sizeof kNames / sizeof kNames[0])]).arg(bank + 1);
}

} // namespace

QByteArray WaveformSynth::samples(int count, int faultAt, int joint, bool openEnd) {
    QByteArray s(count, '\0');
    std::normal_distribution<double> noise(0.0, 1.2);
    const double scale = count / 250.0;
    for (int i = 0; i < count; ++i) {
        const double x = i / scale;
        double v = 0;
        if (x < 10) v += 120 * std::exp(-x / 2.5); // probing pulse
        const double loss = std::exp(-x / 400);
        auto bump = [&](double at, double height, double width) {
            const double d = (x - at) / width;
            return height * loss * std::exp(-d * d);
        };
        v += bump(joint, 14, 2.0);
        v += bump(faultAt, openEnd ? 75 : -75, 3.0);
        v += noise(rng_);
        s[i] = char(std::clamp(int(std::lround(v)), -128, 127));
    }
    return s;
}

void WaveformSynth::sealType0(QByteArray& block) {
    unsigned sum = 0;
    for (int i = 0; i < 384; ++i) sum += static_cast<unsigned char>(block[i]);
    block[384] = char(sum & 0xFF);
}

QByteArray WaveformSynth::emptyType0Block() {
    QByteArray b(385, '\0');
    b[270] = char(0xFF);
    sealType0(b);
    return b;
}

QByteArray WaveformSynth::type0Block(int bank) {
    QByteArray b(385, '\0');
    const int faultAt = pick(60, 230);
    b.replace(0, 250, samples(250, faultAt, faultAt / 2, bank % 3 != 0));
    b[256] = char(bcd(pick(0, 59)));
    b[257] = char(bcd(pick(0, 59)));
    b[258] = char(bcd(pick(7, 18)));
    b[259] = char(1 << pick(2, 7)); // averaging 4..128
    const int pulse[] = {20, 50, 100, 200, 500, 1000};
    const int dlit = pulse[pick(0, 5)];
    const int pulseCode = dlit / 10 - 1;
    b[262] = char(pulseCode & 0xFF);
    b[263] = char(pulseCode >> 8);
    b[265] = char(pick(0, 63) << 2);
    b[266] = char(bcd(pick(1, 28)));
    b[267] = char(bcd(pick(1, 12)));
    b[268] = char(bcd(pick(10, 24)));
    b[269] = char(pick(40, 230));
    const int scaleCode = bank % 8;
    b[270] = char(scaleCode);
    const bool zoomed = scaleCode >= 2 && bank % 4 == 1;
    b[271] = char(zoomed ? 2 : 0);
    const int prCodes[] = {100, 80, 75, 68}; // PR 1.500, 1.875, 2.000, 2.206
    b[272] = char(prCodes[pick(0, 3)]);
    const int span = zoomed ? pick(1, 40) * 100 : 0;
    b[273] = char(span & 0xFF);
    b[274] = char((span >> 8) & 0xFF);
    b[275] = char((span >> 16) & 0xFF);
    const QByteArray name = toCp866(nameFor(bank)).left(38);
    b.replace(281, name.size(), name);
    sealType0(b);
    return b;
}

QByteArray WaveformSynth::packetBlock(int bank, bool model52A1) {
    QByteArray b(256 + 2048, '\0');
    b[4] = char(bank & 0xFF);
    b[5] = char(bank >> 8);
    const QByteArray name = toCp1251(QStringLiteral("Линия %1").arg(bank + 1)).left(13);
    b.replace(30, name.size(), name);
    b[111] = char(pick(0, 11));
    b[112] = char(bank % 10);
    b[115] = char(pick(0, 7));
    const int gain = pick(10, 600);
    b[116] = char(gain & 0xFF);
    b[117] = char(gain >> 8);
    b[120] = char(pick(0, 30));
    const int pr = model52A1 ? 1520 + pick(0, 300) : 150 + pick(0, 60); // 1.520.. or 1.50..
    b[122] = char(pr & 0xFF);
    b[123] = char(pr >> 8);
    b[132] = char(pick(1, 28));
    b[133] = char(pick(1, 12));
    b[134] = char(pick(10, 24));
    b[135] = char(pick(0, 23));
    b[136] = char(pick(0, 59));
    b[137] = char(pick(0, 59));
    const int faultAt = pick(300, 1900);
    b.replace(256, 2048, samples(2048, faultAt / 8, faultAt / 16, bank % 2 == 0));
    return b;
}

} // namespace sim
