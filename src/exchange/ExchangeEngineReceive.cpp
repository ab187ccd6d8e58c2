// The receive side of the exchange engine: answers, acknowledgements and the
// reassembly of answer packets.
#include "exchange/CommandFields.h"
#include "exchange/ExchangeEngine.h"
#include "exchange/PacketFormat.h"
#include "exchange/WireLog.h"
#include "store/encoding/WaveformConversions.h"

#include <algorithm>
#include <cstring>

namespace exchange {

using namespace wire;

namespace {
const char* const kSuccess = QT_TRANSLATE_NOOP("exchange::ExchangeEngine", " - успешно");
}

// Reads `count` bytes from the port. They go into rxBuffer up to its capacity
// while an answer is awaited; the rest is dropped.
int ExchangeEngine::takeBytes(int count) {
    char scratch[kPacketSize];
    int copied = 0;
    while (count > 0) {
        const int n = port_.read(scratch, std::min<int>(count, int(sizeof scratch)));
        if (n <= 0) break;
        count -= n;
        if (phase_ != Phase::Awaiting) {
            wirelog::received(QByteArray(scratch, n));
            wirelog::note(QStringLiteral("ignored: no answer awaited"));
            continue;
        }
        const int keep = std::min(n, std::max(0, int(rxBuffer_.size()) - receivedBytes_));
        std::memcpy(rxBuffer_.data() + receivedBytes_, scratch, std::size_t(keep));
        receivedBytes_ += keep;
        copied += keep;
    }
    return copied;
}

void ExchangeEngine::logReceived(int count) const {
    if (lcWire().isDebugEnabled())
        wirelog::received(rxBuffer_.left(std::clamp(count, 0, int(rxBuffer_.size()))));
}

void ExchangeEngine::portRxChar(int count) {
    errTimer_->stop();
    errTimer_->start(errInterval_);
    try {
        // Bytes outside an awaited answer (after it completed, after a refused
        // acknowledgement) must not count towards the next command.
        const bool awaiting = phase_ == Phase::Awaiting && commands_ != nullptr;
        takeBytes(count);
        if (awaiting) {
            if (cmdCode_ == kCodeRead) devType_ == 0 ? ReceiveShortAnswer() : ReceivePacketAnswer();
            else if (cmdCode_ == kCodeWrite) devType_ == 0 ? ReceiveShortWriteAck() : ReceivePacketWriteAck();
        }
    } catch (const CommandError&) {
        // A later command that cannot start (the write acknowledgement starts it
        // at once) sends nothing, as from the command timer; the error timer,
        // armed above, ends the exchange.
        phase_ = Phase::Idle;
    } catch (const std::exception& e) {
        lineFailed(e);
    }
    notify();
}

void ExchangeEngine::ReceiveShortAnswer() {
    if (receivedBytes_ < kShortAnswerSize) return;
    logReceived(kShortAnswerSize);
    phase_ = Phase::Idle;
    view_.lbFrameNum = frameCaption(packetIndex_, packetCount_);
    ++view_.pbFilePosition;
    if (stopRequested_) {
        closePort();
        return;
    }
    const QByteArray answer = rxBuffer_.left(kShortAnswerSize);
    // A list entry of an empty bank adds no row whatever its checksum: an
    // instrument need not seal the banks it never wrote.
    const bool emptyListEntry =
        cmdObject_ == kObjectWaveformList &&
        static_cast<unsigned char>(answer[store::kType0ScaleOffset]) == store::kEmptyBank;
    if (!emptyListEntry && !ShortAnswerIntact(answer)) return answerDamaged();
    view_.lbFileNum = caption(kCodeRead, cmdObject_, cmdNumber_) + tr(kSuccess);
    commands_->setObject(commandIndex_, std::make_unique<dynamicArr>(answer));
    if (!isLastCommand()) {
        view_.lbFrameNum.clear();
        nextCommandLater();
    } else {
        ++view_.pbTotalPosition;
        finish(Result::Ok);
    }
}

void ExchangeEngine::ReceivePacketAnswer() {
    if (receivedBytes_ < kAnswerHeaderBytes) return;
    const AnswerHeader h = AnswerHeader::parse(rxBuffer_.constData());
    packetCount_ = h.count;
    view_.pbFileMax = h.count;
    packetIndex_ = h.index;
    answerLength_ = h.length;
    cmdCode_ = h.code;
    cmdObject_ = h.object;
    cmdNumber_ = h.number;
    expectedBytes_ = h.packetBytes();

    if (h.code == kCodeNothingToSend) {
        logReceived(receivedBytes_);
        // The command keeps its empty array.
        phase_ = Phase::Idle;
        if (stopRequested_) closePort();
        else readCommandDone();
        return;
    }
    if (h.code != kCodeRead) return abandonCommand(tr("код ответа %1").arg(h.code));
    if (QString why = inPackets_.checkHeader(h); !why.isEmpty()) return abandonCommand(why);
    if (receivedBytes_ < expectedBytes_) return;
    logReceived(expectedBytes_);

    view_.lbFrameNum = frameCaption(h.index, h.count);
    ++view_.pbFilePosition;
    if (QString why = inPackets_.accept(h, rxBuffer_.constData()); !why.isEmpty()) return abandonCommand(why);
    if (stopRequested_) {
        phase_ = Phase::Idle;
        closePort();
        return;
    }
    receivedBytes_ = 0;
    ackTimer_->start(kAckDelay);
    if (!inPackets_.complete()) return;

    phase_ = Phase::Idle;
    view_.lbFrameNum.clear();
    view_.lbFileNum = caption(cmdCode_, cmdObject_, cmdNumber_) + tr(kSuccess);
    commands_->setObject(commandIndex_, std::make_unique<dynamicArr>(inPackets_.payload()));
    if (!isLastCommand()) {
        nextCommandLater();
    } else {
        // The last packet is acknowledged too; the exchange ends after that.
        finishAfterAck_ = true;
    }
}

void ExchangeEngine::abandonCommand(const QString& why) {
    logReceived(receivedBytes_);
    wirelog::note(QStringLiteral("answer refused: ") + why);
    dropAnswer(tr("ответ прибора не по протоколу: ") + why);
}

void ExchangeEngine::answerDamaged() {
    if (++damagedAnswers_ < kAnswerAttempts) {
        wirelog::note(QStringLiteral("answer damaged (checksum): asked again"));
        // After the pause between commands, which purges what is left of the
        // damaged answer, the same command is started again.
        cmdTimer_->start(kCommandDelay);
        return;
    }
    wirelog::note(QStringLiteral("answer damaged again: given up"));
    static_assert(kAnswerAttempts == 2, "the text below counts the attempts");
    dropAnswer(tr("the answer was damaged twice (its checksum does not match)"));
}

void ExchangeEngine::dropAnswer(const QString& problem) {
    phase_ = Phase::Idle;
    ackTimer_->stop();
    commands_->setObject(commandIndex_, std::make_unique<dynamicArr>());
    commands_->setProblem(commandIndex_, problem);
    view_.lbFrameNum.clear();
    if (stopRequested_) closePort();
    else readCommandDone();
}

bool ExchangeEngine::takeWriteAck(bool acknowledged) {
    phase_ = Phase::Idle;
    if (stopRequested_) {
        closePort();
        return false;
    }
    if (!acknowledged) {
        // Left unacknowledged; the error timer ends the exchange.
        phase_ = Phase::Refused;
        return false;
    }
    return true;
}

void ExchangeEngine::writeCommandDone() {
    ++view_.pbTotalPosition;
    if (!isLastCommand()) {
        view_.lbFrameNum.clear();
        view_.lbFileNum = caption(kCodeWrite, cmdObject_, cmdNumber_) + tr(kSuccess);
        packetIndex_ = 0;
        ++commandIndex_;
        StartCommand();
    } else {
        finish(Result::Ok);
    }
}

void ExchangeEngine::ReceiveShortWriteAck() {
    if (receivedBytes_ < 1) return;
    logReceived(1);
    if (!takeWriteAck(static_cast<unsigned char>(rxBuffer_[0]) == frameChecksum_)) return;
    view_.lbFrameNum = frameCaption(0, 1);
    ++view_.pbFilePosition;
    writeCommandDone();
}

void ExchangeEngine::ReceivePacketWriteAck() {
    if (receivedBytes_ < 5) return;
    logReceived(5);
    if (!takeWriteAck(static_cast<unsigned char>(rxBuffer_[4]) == kInstrumentAck)) return;
    view_.lbFrameNum = frameCaption(packetIndex_, packetCount_);
    ++view_.pbFilePosition;
    if (packetIndex_ + 1 < packetCount_) {
        ++packetIndex_;
        StartCommand();
        return;
    }
    writeCommandDone();
}

} // namespace exchange
