#pragma once
#include <QByteArray>
#include <QString>
#include <QtGlobal>

namespace store {
class Dataset;
}

namespace trace {

// The fields of the current record of a waveform dataset that the renderers use.
struct WaveRecord {
    double scale = 0;     // SCALE, metres at PR 1.5
    double zoomL = 0;     // ZOOM_L
    double startPlan = 0; // START_PLAN, metres at PR 1.5
    qint64 sdvig = 0;     // SDVIG, vertical offset
    QString method;       // METHOD
    QByteArray points;    // POINTS

    // Throws store::StoreError when a field is missing.
    static WaveRecord read(store::Dataset& ds);

    // One stored byte as a signed amplitude, -128..127.
    static int SignedSample(quint8 byte) { return byte < 128 ? int(byte) : int(byte) - 256; }
};

} // namespace trace
