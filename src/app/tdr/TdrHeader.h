#pragma once
#include <QByteArray>
#include <QString>

namespace app::tdr {

// The acquisition parameters of a waveform file, converted to the values the
// library's `master` row stores.
struct TdrHeader {
    // Size of the image kept in POINTS: a 512-byte header area and 8000 samples.
    static constexpr int kImageSize = 8512;

    double scale = 0;   // SCALE, metres
    int dlit = 0;       // DLIT, pulse width
    int nakopl = 0;     // NAKOPL, averaging count
    int ampl = 0;       // AMPL, gain
    int soglas = 0;     // SOGLAS, line matching
    QString speed;      // SPEED, three decimals with the locale's separator
    double timeOut = 0; // TIME_OUT, delay
    qint64 level = 0;   // LEVEL, threshold
    QString method;     // METHOD: "arc", "pulse", "wave" or empty

    // Decodes the header of a file image. Throws TdrError when the image is
    // shorter than kImageSize or an index lies outside its table.
    static TdrHeader decode(const QByteArray& image);
};

} // namespace app::tdr
