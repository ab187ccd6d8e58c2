#pragma once
#include <QByteArray>
#include <cstdint>
#include <random>

namespace sim {

// Synthetic reflectograms with realistic parameters: the initial pulse, cable
// attenuation, a joint, a fault or the cable end, and a little noise.
class WaveformSynth {
public:
    explicit WaveformSynth(std::uint32_t seed) : rng_(seed) {}

    // A 385-byte short-frame block of `bank` with a valid checksum.
    QByteArray type0Block(int bank);
    // An empty bank: scale byte 0xFF, valid checksum.
    static QByteArray emptyType0Block();
    // A packet-model waveform (256-byte header, 2048 samples).
    QByteArray packetBlock(int bank, bool model52A1);

    static void sealType0(QByteArray& block);

private:
    int pick(int low, int high) { return std::uniform_int_distribution<int>(low, high)(rng_); }
    QByteArray samples(int count, int faultAt, int joint, bool openEnd);

    std::mt19937 rng_;
};

} // namespace sim
