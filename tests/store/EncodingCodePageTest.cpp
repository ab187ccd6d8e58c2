#include "store/encoding/CodePage.h"

#include <gtest/gtest.h>
#include <iconv.h>

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

namespace {

// The C library's conversion of one character, a second opinion on the
// program's tables.
class Iconv {
public:
    Iconv(const char* to, const char* from) : cd_(iconv_open(to, from)) {}
    ~Iconv() {
        if (ok()) iconv_close(cd_);
    }
    bool ok() const { return cd_ != reinterpret_cast<iconv_t>(-1); }
    // Converts `in` whole; empty when iconv rejects it.
    QByteArray convert(QByteArray in) {
        char out[8];
        char* inPtr = in.data();
        char* outPtr = out;
        std::size_t inLeft = in.size();
        std::size_t outLeft = sizeof out;
        const bool done = iconv(cd_, &inPtr, &inLeft, &outPtr, &outLeft) != static_cast<std::size_t>(-1);
        iconv(cd_, nullptr, nullptr, nullptr, nullptr);
        return done && inLeft == 0 ? QByteArray(out, outPtr - out) : QByteArray();
    }

private:
    iconv_t cd_;
};

QByteArray utf32(char32_t c) {
    const char b[4] = {char(c), char(c >> 8), char(c >> 16), char(c >> 24)};
    return QByteArray(b, 4);
}

struct CodePageCase {
    const char* name;
    QString (*decode)(const char*, int);
    QByteArray (*encode)(const QString&);
    int undefinedByte; // the byte iconv leaves without a character, -1 when none
};

// Compares every byte's character, and every character's byte, with iconv.
void expectSameAsIconv(const CodePageCase& cp) {
    Iconv toUnicode("UTF-32LE", cp.name);
    Iconv fromUnicode(cp.name, "UTF-32LE");
    ASSERT_TRUE(toUnicode.ok() && fromUnicode.ok()) << "iconv lacks " << cp.name;
    for (int b = 1; b < 256; ++b) {
        const char byte = char(b);
        const QString ours = cp.decode(&byte, 1);
        ASSERT_EQ(ours.size(), 1) << cp.name << " byte " << b;
        const QByteArray theirs = toUnicode.convert(QByteArray(1, byte));
        if (b == cp.undefinedByte) {
            EXPECT_TRUE(theirs.isEmpty()) << cp.name << " byte " << b;
        } else {
            ASSERT_EQ(theirs.size(), 4) << cp.name << " byte " << b;
            EXPECT_EQ(ours.at(0).unicode(), quint8(theirs[0]) | quint8(theirs[1]) << 8)
                << cp.name << " byte " << b;
        }
        EXPECT_EQ(cp.encode(ours), QByteArray(1, byte)) << cp.name << " byte " << b;
    }
    for (char32_t c = 1; c < 0x10000; ++c) {
        if (c >= 0xD800 && c < 0xE000) continue;
        const QByteArray theirs = fromUnicode.convert(utf32(c));
        const QByteArray ours = cp.encode(QString(QChar(char16_t(c))));
        if (!theirs.isEmpty()) {
            EXPECT_EQ(ours, theirs) << cp.name << " U+" << std::hex << unsigned(c);
        } else if (cp.undefinedByte < 0 || ours != QByteArray(1, char(cp.undefinedByte))) {
            EXPECT_EQ(ours, "?") << cp.name << " U+" << std::hex << unsigned(c);
        }
    }
}

} // namespace

TEST(EncodingCodePage, bothTablesAgreeWithTheCLibraryForEveryByteAndCharacter) {
    expectSameAsIconv({"CP866", fromCp866, toCp866, -1});
    // 0x98 has no character in code page 1251; the program keeps it as U+0098,
    // as Windows does, so a name holding it reads back unchanged.
    expectSameAsIconv({"CP1251", fromCp1251, toCp1251, 0x98});
}
