#include "store/encoding/CodePage.h"

#include <gtest/gtest.h>

using namespace store;

namespace {
QString cp866(const QByteArray& b) { return fromCp866(b.constData(), b.size()); }
} // namespace

TEST(EncodingCodePage, cp866_decodesCyrillicInAllThreeBlocksAndStopsAtZero) {
    // "Кабель №1" in code page 866: К=8A а=A0 б=A1 е=A5 л=AB ь=EC, № = FC.
    const QByteArray name("\x8A\xA0\xA1\xA5\xAB\xEC \xFC"
                          "1\0junk",
                          14);
    EXPECT_EQ(cp866(name), QString::fromUtf8("Кабель №1"));
    EXPECT_EQ(cp866(QByteArray("\x80\x9F\xA0\xAF\xE0\xEF\xF0\xF1", 8)), QString::fromUtf8("АЯапряЁё"));
    EXPECT_EQ(cp866(QByteArray("\xB3\xC4\xDB\xFF", 4)), QString::fromUtf8("│─█\u00A0"));
}

TEST(EncodingCodePage, decodeReadsNoMoreThanTheGivenSize) {
    const char bytes[] = {'A', 'B', 'C'};
    EXPECT_EQ(fromCp866(bytes, 2), "AB");
    EXPECT_EQ(fromCp1251(bytes, 0), "");
    EXPECT_EQ(fromCp866(nullptr, 5), "");
}

TEST(EncodingCodePage, cp1251_decodesWindowsCyrillic) {
    const QByteArray name("\xCA\xE0\xE1\xE5\xEB\xFC \xA8\xB8\xB9", 10);
    EXPECT_EQ(fromCp1251(name.constData(), name.size()), QString::fromUtf8("Кабель Ёё№"));
}

TEST(EncodingCodePage, encodersRoundTripAndMarkMissingCharacters) {
    const QString text = QString::fromUtf8("Линия 7 Ёё");
    const QByteArray oem = toCp866(text);
    EXPECT_EQ(fromCp866(oem.constData(), oem.size()), text);
    const QByteArray ansi = toCp1251(text);
    EXPECT_EQ(fromCp1251(ansi.constData(), ansi.size()), text);
    EXPECT_EQ(toCp866(QString::fromUtf8("a€b")), QByteArray("a?b"));
    EXPECT_EQ(toCp1251(QString::fromUtf8("a│b")), QByteArray("a?b"));
}
