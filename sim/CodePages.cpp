#include "CodePages.h"

#include <QList>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <iconv.h>

namespace sim {

namespace {

QByteArray encode(const char* codePage, const QString& text) {
    iconv_t cd = iconv_open(codePage, "UTF-32LE");
    if (cd == reinterpret_cast<iconv_t>(-1)) {
        // Without its character sets the instrument has nothing to name its
        // waveforms with: nothing it could go on to send would be right.
        std::fprintf(stderr, "echolon-sim: the C library cannot convert text to %s: %s\n", codePage,
                     std::strerror(errno));
        std::exit(2);
    }
    QByteArray out;
    out.reserve(text.size());
    // One character at a time, so that a missing one becomes '?' and the rest
    // still converts.
    for (const char32_t c : text.toUcs4()) {
        unsigned char in[4] = {static_cast<unsigned char>(c), static_cast<unsigned char>(c >> 8),
                               static_cast<unsigned char>(c >> 16), static_cast<unsigned char>(c >> 24)};
        char converted[8];
        char* inPtr = reinterpret_cast<char*>(in);
        char* outPtr = converted;
        std::size_t inLeft = sizeof in;
        std::size_t outLeft = sizeof converted;
        const bool ok = iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft) != static_cast<std::size_t>(-1) &&
                        outPtr - converted == 1;
        out += ok ? converted[0] : '?';
        iconv(cd, nullptr, nullptr, nullptr, nullptr);
    }
    iconv_close(cd);
    return out;
}

} // namespace

QByteArray toCp866(const QString& text) { return encode("CP866", text); }
QByteArray toCp1251(const QString& text) { return encode("CP1251", text); }

} // namespace sim
