#pragma once
#include "exchange/Interruption.h"

#include <QString>
#include <QStringList>
#include <QVector>
#include <optional>

namespace exchange {

// The one message after a command list was executed: for an interrupted
// exchange why and what was stored; then what was not stored and why, the
// banks of one reason in one line; then what was stored but may be damaged.
class ExecutionReport {
public:
    void clear();

    void stored(int bank) { stored_ << QString::number(bank); }
    // `bank` -1: the PR table.
    void skipped(int bank, const QString& why) { skipped_.push_back({bank, why}); }
    void doubtful(int bank, const QString& why) { doubtful_ << waveformName(bank) + kDash + why; }

    // Empty when there is nothing to tell.
    QString text(const std::optional<Interruption>& interruption) const;

    static QString waveformName(int bank);

private:
    struct Skip {
        int bank;
        QString why;
    };
    QStringList skippedLines() const;

    static inline const QString kDash = QStringLiteral(" — ");
    QStringList stored_;
    QVector<Skip> skipped_;
    QStringList doubtful_;
};

} // namespace exchange
