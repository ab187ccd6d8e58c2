#pragma once
#include "SimOptions.h"
#include "WaveformSynth.h"

#include <QByteArray>
#include <QVector>

namespace sim {

// The instrument's memory: 256 numbered banks (100 offered by the instrument,
// `banks` of them holding a waveform at start) and, for the packet models, the
// PR table. What the program writes replaces what was there.
class InstrumentMemory {
public:
    explicit InstrumentMemory(const SimOptions& options);

    // Short-frame model: the 385-byte block of a bank (empty banks say so).
    QByteArray type0Block(int bank) const;
    void storeType0(int bank, const QByteArray& data384);

    // Packet models: the waveform payload of a bank; empty when there is none.
    QByteArray packetWaveform(int bank) const;
    void storePacketWaveform(int bank, const QByteArray& payload);

    const QByteArray& prTable() const { return prTable_; }
    void setPrTable(const QByteArray& table) { prTable_ = table; }

private:
    static QByteArray prRecord(int number, const QString& name, int raw);

    QVector<QByteArray> banks_; // index = bank number
    QByteArray prTable_;
    bool shortModel_;
};

} // namespace sim
