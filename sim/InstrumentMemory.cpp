#include "InstrumentMemory.h"

#include "CodePages.h"

namespace sim {

namespace {
constexpr int kBanks = 256;
constexpr int kOfferedBanks = 100;
} // namespace

InstrumentMemory::InstrumentMemory(const SimOptions& options)
    : banks_(kBanks), shortModel_(options.model == SimOptions::Model::Short41A1) {
    WaveformSynth synth(options.seed);
    // Waveforms spread evenly over the banks the instrument offers.
    for (int k = 0; k < options.banks; ++k) {
        const int bank = k * kOfferedBanks / options.banks;
        banks_[bank] = shortModel_ ? synth.type0Block(bank)
                                   : synth.packetBlock(bank, options.model == SimOptions::Model::Packet52A1);
    }
    if (!shortModel_) {
        prTable_ = prRecord(1, QStringLiteral("АСБ-10"), 1520) + prRecord(2, QStringLiteral("ААБл"), 1870) +
                   prRecord(3, QStringLiteral("ТПП"), 2000) + prRecord(4, QStringLiteral("КСПП"), 1600);
    }
}

QByteArray InstrumentMemory::prRecord(int number, const QString& name, int raw) {
    QByteArray r(20, '\0');
    r[0] = 2;
    r[1] = char(number);
    r.replace(2, 12, toCp1251(name).left(12).leftJustified(12, ' '));
    r[18] = char(raw & 0xFF);
    r[19] = char(raw >> 8);
    return r;
}

QByteArray InstrumentMemory::type0Block(int bank) const {
    const QByteArray& b = banks_.value(bank);
    return b.isEmpty() ? WaveformSynth::emptyType0Block() : b;
}

void InstrumentMemory::storeType0(int bank, const QByteArray& data384) {
    if (bank < 0 || bank >= kBanks) return;
    QByteArray block = data384.left(384).leftJustified(385, '\0', true);
    WaveformSynth::sealType0(block);
    banks_[bank] = block;
}

QByteArray InstrumentMemory::packetWaveform(int bank) const { return banks_.value(bank); }

void InstrumentMemory::storePacketWaveform(int bank, const QByteArray& payload) {
    if (bank >= 0 && bank < kBanks) banks_[bank] = payload;
}

} // namespace sim
