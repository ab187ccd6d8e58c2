#pragma once
#include "exchange/CommandList.h"

#include <QStringList>
#include <functional>

namespace store {
class TDataModule1;
}

namespace exchange {

// Owns the command list of an exchange and, after the engine closed with OK,
// turns what was read into rows: a waveform into a row of `master`, the PR
// table into the rows of `list_ku_dev`, a list entry into a row of
// `list_ref_dev`. A command whose bytes cannot be converted is skipped; after
// the list one message names every skipped or doubtful bank and why.
class TExecutionCom {
public:
    explicit TExecutionCom(store::TDataModule1& dataModule);

    CommandList commands;
    // Told the bank of each waveform once its row is committed.
    std::function<void(int bank)> waveformStored;

    // Converts every read command of the list, then reconnects the waveform
    // database. An empty list does nothing. A full disk stops the list at the
    // first row it refuses, with one line saying what was not stored and why.
    void Execute();

    void StoreWaveform(int index);
    void StorePrTable(int index);
    void StoreListEntry(int index);

private:
    void refresh();
    QString diskFullMessage(int from, const QString& reason) const;
    QByteArray bytesOf(int index) const;
    void skip(const QString& what, const QString& why) { skipped_ << what + QStringLiteral(" — ") + why; }
    void doubt(const QString& what, const QString& why) { doubtful_ << what + QStringLiteral(" — ") + why; }

    store::TDataModule1& dm_;
    QStringList skipped_;
    QStringList doubtful_;
};

} // namespace exchange
