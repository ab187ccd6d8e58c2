#pragma once
#include "exchange/CommandList.h"
#include "exchange/ExecutionReport.h"

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
// the list one message names every skipped or doubtful bank and why. Of an
// interrupted exchange, the commands that finished are stored, and the message
// also says why it was interrupted and what was stored.
class TExecutionCom {
public:
    explicit TExecutionCom(store::TDataModule1& dataModule);

    CommandList commands;
    // Told the bank of each waveform once its row is committed.
    std::function<void(int bank)> waveformStored;

    // Converts every read command of the list that finished, then reconnects
    // the waveform database. An empty list does nothing. A full disk stops the list at the
    // first row it refuses, with one line saying what was not stored and why.
    void Execute();

    void StoreWaveform(int index);
    void StorePrTable(int index);
    void StoreListEntry(int index);

private:
    void refresh();
    QString diskFullMessage(int from, const QString& reason) const;
    QByteArray bytesOf(int index) const;

    store::TDataModule1& dm_;
    ExecutionReport report_;
};

} // namespace exchange
