// How an exchange ends before its list does: silence, a line lost, a port that
// fails, a stop by the user. What arrived whole stays in the list.
#include "exchange/ExchangeEngine.h"

#include "exchange/WireLog.h"
#include "exchange/serial/ERsCommError.h"
#include "store/Messages.h"

namespace exchange {

void ExchangeEngine::ERR_TimerTimer() {
    // What came of an answer cut short shows why it was not taken.
    const int partial = phase_ == Phase::Awaiting ? receivedBytes_ : 0;
    if (partial > 0) logReceived(partial);
    wirelog::note(tr("no answer for %1 ms (%2 bytes of an answer came)").arg(errInterval_).arg(partial));
    errTimer_->stop();
    interrupt(userStopped_ ? Interruption::Cause::Stopped : lineLossOr(Interruption::Cause::NoAnswer));
}

void ExchangeEngine::interrupt(Interruption::Cause cause, const QString& detail) {
    const Interruption why{cause, detail, firstUnfinished()};
    stopRequested_ = true;
    FormDeactivate();
    commands_->setInterruption(why);
    if (!commands_->callerTellsInterruption()) tell(why);
    finish(Result::Cancel);
}

void ExchangeEngine::closedByUser() {
    if (result_ != Result::Running || commands_ == nullptr || commands_->isEmpty()) return;
    commands_->setInterruption(Interruption{Interruption::Cause::Stopped, {}, firstUnfinished()});
}

// A port that fails in the middle of the list: an unplugged adapter shows as an
// I/O error on the next purge or read.
void ExchangeEngine::lineFailed(const std::exception& e) {
    const QString what = QString::fromUtf8(e.what());
    wirelog::note(QStringLiteral("port failed: ") + what);
    const auto* port = dynamic_cast<const serial::ERsCommError*>(&e);
    const bool lost = port && port->kind() == serial::ERsCommError::Kind::LineLost;
    interrupt(lineLossOr(lost ? Interruption::Cause::LineLost : Interruption::Cause::LineError), what);
}

Interruption::Cause ExchangeEngine::lineLossOr(Interruption::Cause otherwise) const {
    switch (port_.lineLoss()) {
    case LineLoss::Closed: return Interruption::Cause::LineClosed;
    case LineLoss::Gone: return Interruption::Cause::AdapterGone;
    case LineLoss::None: break;
    }
    return otherwise;
}

void ExchangeEngine::tell(const Interruption& why) const {
    switch (why.cause) {
    case Interruption::Cause::NoAnswer:
        store::messages().information(tr(kNoAnswer.toUtf8().constData()));
        break;
    case Interruption::Cause::Stopped: store::messages().information(stoppedByUser()); break;
    case Interruption::Cause::LineError: store::messages().error(why.detail); break;
    case Interruption::Cause::LineClosed:
    case Interruption::Cause::LineLost:
    case Interruption::Cause::AdapterGone: store::messages().information(why.sentence()); break;
    }
}

} // namespace exchange
