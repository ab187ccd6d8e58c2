#include "store/Numbers.h"
#include "store/encoding/CodePage.h"
#include "store/encoding/WaveformConversions.h"

#include <QLocale>
#include <gtest/gtest.h>

using namespace store;

namespace {

// A type-0 block: scale 250 m, PR 1.5, no name. Its checksum is worked out by
// hand below (kSumUnnamed), not by the program's own sum.
QByteArray type0Block() {
    QByteArray b(kType0BlockSize, '\0');
    for (int i = 0; i < 250; ++i) b[i] = char(i % 50 - 25);
    b[256] = 0x15;
    b[257] = 0x30;
    b[258] = 0x09; // 09:30:15
    b[266] = 0x05;
    b[267] = 0x03;
    b[268] = 0x12; // 05.03.12
    b[259] = 16;
    b[262] = 9;
    b[265] = 0x14;
    b[269] = 128;
    b[270] = 0;
    b[272] = 100;
    return b;
}

// Bytes 0..383 of type0Block(): samples, five rounds of -25..24 as bytes E7..FF
// 00..18, 5 × (6075 + 300) = 31875; the other fields 0x15 + 0x30 + 0x09 + 0x05 +
// 0x03 + 0x12 + 16 + 9 + 0x14 + 128 + 0 + 100 = 377; total 32252 = 125 × 256 + 252.
constexpr unsigned char kSumUnnamed = 0xFC;
// With the name "Фидер 12" (94 A8 A4 A5 E0 20 31 32 in code page 866, 1000 more):
// 33252 = 129 × 256 + 228.
constexpr unsigned char kSumNamed = 0xE4;

QByteArray packetBlock(int size = 300) {
    QByteArray b(size, '\0');
    b[4] = 0x2C;
    b[5] = 0x01; // bank 300
    b[111] = 3;
    b[112] = 2;
    b[115] = 4; // 100, 240, 16
    b[116] = 0x10;
    b[117] = 0x02; // gain 528
    b[120] = 7;
    b[122] = char(150); // PR 1.50
    b[132] = 5;
    b[133] = 3;
    b[134] = 12;
    b[135] = 9;
    b[136] = 30;
    b[137] = 5;
    return b;
}

class EncodingConversions : public ::testing::Test {
protected:
    // Most of the program runs with a comma locale; SPEED must read back there too.
    void SetUp() override { QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia)); }
    void TearDown() override { QLocale::setDefault(QLocale::c()); }
};

} // namespace

TEST_F(EncodingConversions, type0_fillsEveryColumnFromTheBlock) {
    QByteArray b = type0Block();
    const QByteArray name = toCp866(QString::fromUtf8("Фидер 12"));
    b.replace(281, name.size(), name);
    b[kType0DataSize] = char(kSumNamed);
    const ConversionResult r = ConvertType0(b);
    ASSERT_TRUE(r.converted()) << r.problem.toStdString();
    EXPECT_TRUE(r.warning.isEmpty());
    EXPECT_EQ(r.value("DATE").toString(), "05.03.12 09:30:15");
    EXPECT_EQ(r.value("SCALE").toDouble(), 250.0);
    EXPECT_EQ(r.value("DLIT").toInt(), 100);
    EXPECT_EQ(r.value("NAKOPL").toInt(), 16);
    EXPECT_EQ(r.value("AMPL").toInt(), 78);
    EXPECT_EQ(r.value("SPEED").toString(), "1,500");
    EXPECT_EQ(r.value("SOGLAS").toInt(), 5);
    EXPECT_EQ(r.value("SDVIG").toInt(), 0);
    EXPECT_EQ(r.value("ZOOM_L").toDouble(), 1.0);
    EXPECT_EQ(r.value("MEMO").toString(), QString::fromUtf8("Фидер 12"));
    EXPECT_EQ(r.value("POINTS").toByteArray(), b);
    EXPECT_EQ(r.value("DEVICE_TYPE").toString(), "KM-41A1 ver.5");
    EXPECT_EQ(r.value("PICTURE").toBool(), false);
    ASSERT_TRUE(r.has("TIME_OUT") && r.has("LEVEL"));
    EXPECT_TRUE(r.value("TIME_OUT").isNull());
    EXPECT_TRUE(r.value("LEVEL").isNull());
    EXPECT_FALSE(r.has("BANK_NUM"));
}

TEST_F(EncodingConversions, type0_scaleZoomAndSignedFields) {
    QByteArray b = type0Block();
    b[270] = 3;
    b[271] = 2;
    EXPECT_EQ(ConvertType0(b).value("SCALE").toDouble(), 2500.0);
    EXPECT_EQ(ConvertType0(b).value("ZOOM_L").toDouble(), 10.0);
    b[271] = 1;
    EXPECT_EQ(ConvertType0(b).value("ZOOM_L").toDouble(), 1.0);

    b[272] = char(0x9C);
    EXPECT_EQ(ConvertType0(b).value("SPEED").toString(), "-1,500");

    b[263] = char(0xFF); // high byte of the pulse code is signed
    EXPECT_EQ(ConvertType0(b).value("DLIT").toInt(), (9 - 256 + 1) * 10);

    b[269] = char(255);
    b[265] = char(0xFF);
    EXPECT_EQ(ConvertType0(b).value("AMPL").toInt(), 155);
    EXPECT_EQ(ConvertType0(b).value("SOGLAS").toInt(), 63);
}

TEST_F(EncodingConversions, type0_startPlanFromStoredSpeedAndSignedSpan) {
    QByteArray b = type0Block();
    b[273] = char(0xE8);
    b[274] = 0x03; // s = 1000
    EXPECT_DOUBLE_EQ(ConvertType0(b).value("START_PLAN").toDouble(), 10.0);
    b[272] = 73; // 150/73 = 2.0547..., stored as 2,055, and the start uses 2.055
    EXPECT_DOUBLE_EQ(ConvertType0(b).value("START_PLAN").toDouble(),
                     double(float(2.055 * 1000 * 2 / 3 * 0.01)));
    b[272] = 100;
    b[274] = char(0xFF);
    b[275] = char(0xFF); // s = 0xE8 - 256 - 65536
    EXPECT_DOUBLE_EQ(ConvertType0(b).value("START_PLAN").toDouble(),
                     double(float(1.5 * (0xE8 - 256 - 65536) * 2 / 3 * 0.01)));
}

TEST_F(EncodingConversions, names_blankOrEmptyWhenZeroAndBoundedByTheirField) {
    QByteArray b = type0Block();
    EXPECT_EQ(ConvertType0(b).value("MEMO").toString(), " ");
    b.replace(281, 38, QByteArray(38, 'x'));
    b[319] = 'y'; // first byte after the name field
    EXPECT_EQ(ConvertType0(b).value("MEMO").toString(), QString(38, 'x'));

    QByteArray p = packetBlock();
    EXPECT_EQ(ConvertType4(p).value("MEMO").toString(), "");
    p.replace(30, 13, QByteArray(13, 'n'));
    p[43] = 'z';
    EXPECT_EQ(ConvertType3(p).value("MEMO").toString(), QString(13, 'n'));
    p.replace(30, 3, QByteArray("\xCB\xE8\xED", 3)); // Windows code page, taken as it stands
    EXPECT_TRUE(ConvertType4(p).value("MEMO").toString().startsWith(QString::fromUtf8("Лин")));
}

TEST_F(EncodingConversions, type0_checksumMismatchConvertsWithWarning_shortBlockWithoutChecksumConverts) {
    QByteArray b = type0Block();
    b[kType0DataSize] = char(kSumUnnamed + 1);
    const ConversionResult damaged = ConvertType0(b);
    EXPECT_TRUE(damaged.converted());
    EXPECT_FALSE(damaged.warning.isEmpty());

    // Blocks stored by the earlier program may end before the checksum byte.
    const ConversionResult old = ConvertType0(b.left(kType0DataSize));
    EXPECT_TRUE(old.converted());
    EXPECT_TRUE(old.warning.isEmpty());
    EXPECT_EQ(old.value("POINTS").toByteArray().size(), kType0DataSize);
}

TEST_F(EncodingConversions, type0_rejectsShortBlocksCodesOutsideTablesAndZeroPropagation) {
    QByteArray b = type0Block();
    EXPECT_TRUE(ConvertType0(b.left(kType0MinSize)).converted());
    EXPECT_FALSE(ConvertType0(b.left(kType0MinSize - 1)).converted());
    EXPECT_FALSE(ConvertType0(QByteArray()).converted());

    QByteArray c = b;
    c[270] = 8;
    EXPECT_TRUE(ConvertType0(c).problem.contains("8"));
    c[270] = char(0xFF);
    EXPECT_FALSE(ConvertType0(c).converted());
    EXPECT_TRUE(ConvertType0(c).values.isEmpty());

    c = b;
    c[272] = 0;
    EXPECT_FALSE(ConvertType0(c).converted());
}

TEST_F(EncodingConversions, packetTypes_fillColumnsAndDifferOnlyInScaleAndModel) {
    const QByteArray p = packetBlock();
    const ConversionResult r = ConvertType4(p);
    ASSERT_TRUE(r.converted());
    EXPECT_EQ(r.value("BANK_NUM").toInt(), 300);
    EXPECT_EQ(r.value("DATE").toString(), "5.3.12 9:30:5");
    EXPECT_EQ(r.value("SCALE").toDouble(), 240.0);
    EXPECT_EQ(r.value("DLIT").toInt(), 100);
    EXPECT_EQ(r.value("NAKOPL").toInt(), 16);
    EXPECT_EQ(r.value("AMPL").toInt(), 528);
    EXPECT_EQ(r.value("SOGLAS").toInt(), 7);
    EXPECT_EQ(r.value("SPEED").toString(), "1,500");
    EXPECT_EQ(r.value("ZOOM_L").toDouble(), 0.0);
    EXPECT_EQ(r.value("START_PLAN").toDouble(), 0.0);
    EXPECT_EQ(r.value("POINTS").toByteArray(), p);
    EXPECT_EQ(r.value("DEVICE_TYPE").toString(), "KM-52A1 ver.2");
    EXPECT_FALSE(r.has("TIME_OUT"));
    EXPECT_FALSE(r.has("LEVEL"));
    EXPECT_EQ(ConvertType3(p).value("DEVICE_TYPE").toString(), "KM-52A ver.1");

    QByteArray last = p;
    last[112] = 9;
    EXPECT_EQ(ConvertType3(last).value("SCALE").toDouble(), 48000.0);
    EXPECT_EQ(ConvertType4(last).value("SCALE").toDouble(), 50400.0);
}

TEST_F(EncodingConversions, packetTypes_speedSwitchesUnitAbove300) {
    QByteArray p = packetBlock();
    p[122] = 0x2C;
    p[123] = 0x01; // 300
    EXPECT_EQ(ConvertType4(p).value("SPEED").toString(), "3,000");
    p[122] = 0x2D; // 301
    EXPECT_EQ(ConvertType4(p).value("SPEED").toString(), "0,301");
    p[122] = char(0xDC);
    p[123] = 0x05; // 1500
    EXPECT_EQ(ConvertType3(p).value("SPEED").toString(), "1,500");
}

TEST_F(EncodingConversions, packetTypes_rejectShortBlocksAndCodesOutsideTables) {
    const QByteArray p = packetBlock();
    EXPECT_TRUE(ConvertType4(p.left(kPacketBlockMinSize)).converted());
    EXPECT_FALSE(ConvertType4(p.left(kPacketBlockMinSize - 1)).converted());
    const std::pair<int, int> bad[] = {{112, 10}, {111, 12}, {115, 8}, {112, 255}};
    for (auto [offset, code] : bad) {
        QByteArray q = p;
        q[offset] = char(code);
        EXPECT_FALSE(ConvertType3(q).converted()) << offset;
        EXPECT_FALSE(ConvertType4(q).converted()) << offset;
    }
}

TEST_F(EncodingConversions, listEntry_takesNameScaleAndDateAndRejectsEmptyBank) {
    QByteArray b = type0Block();
    b[270] = 7;
    const ConversionResult r = ConvertListEntry(b);
    ASSERT_TRUE(r.converted());
    EXPECT_EQ(r.value("MEMO").toString(), " ");
    EXPECT_EQ(r.value("SCALE").toDouble(), 50000.0);
    EXPECT_EQ(r.value("DATE").toString(), "05.03.12 09:30:15");
    EXPECT_EQ(r.value("PICTURE").toBool(), false);
    b[270] = char(kEmptyBank);
    EXPECT_FALSE(ConvertListEntry(b).converted());
    EXPECT_FALSE(ConvertListEntry(b.left(100)).converted());
}
