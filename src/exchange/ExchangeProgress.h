#pragma once
#include "exchange/ExchangeView.h"

#include <QCoreApplication>
#include <QString>
#include <cstdint>
#include <optional>

namespace exchange {

// How far a command list has come and how long the rest will take, as
// "41 of 100, about 27 s left". The rate is measured on the work done since
// the list started: finished commands and the packets of the running one, so
// it holds for either protocol and for whatever the instrument adds to the
// line time.
class ExchangeProgress {
    Q_DECLARE_TR_FUNCTIONS(ExchangeProgress)
public:
    void start(std::int64_t now) { startedAt_ = now; }

    // Share of the list done, 0..1, from the view's two progress bars.
    static double doneShare(const ExchangeView& view);
    // Seconds still to go after `elapsed` milliseconds; none before any work is done.
    static std::optional<int> secondsLeft(const ExchangeView& view, std::int64_t elapsed);
    static QString duration(int seconds);

    // "41 of 100": a stopped list has no time left to tell.
    static QString doneText(const ExchangeView& view);
    QString text(const ExchangeView& view, std::int64_t now) const;

private:
    std::int64_t startedAt_ = 0;
};

} // namespace exchange
