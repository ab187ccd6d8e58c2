#pragma once
#include "exchange/CommPort.h"
#include "exchange/CommandList.h"
#include "exchange/ExchangeProgress.h"
#include "exchange/ExchangeView.h"
#include "exchange/PacketAssembler.h"
#include "gui/Clock.h"

#include <QByteArray>
#include <QObject>
#include <QString>
#include <QVector>
#include <memory>
#include <stdexcept>

namespace exchange {

// A command that cannot be started (unknown code or device type, a block too
// short to write); what() is the UTF-8 message shown to the user.
struct CommandError : std::runtime_error {
    explicit CommandError(const QString& text) : std::runtime_error(text.toStdString()) {}
};

// The exchange engine behind TfrmComm: runs a command list against the
// instrument over a port, in the short-frame or the packet protocol, with the
// command, acknowledgement and error timers of the exchange. It knows nothing
// of the meaning of the bytes and needs no window.
class ExchangeEngine : public QObject {
    Q_OBJECT
public:
    enum class Result { Running, Ok, Cancel };

    ExchangeEngine(CommPort& port, gui::Clock& clock);
    ~ExchangeEngine();

    void setCommands(CommandList* commands) { commands_ = commands; }
    CommandList* commands() const { return commands_; }

    // Handlers of the dialog.
    void FormActivate();
    void FormDeactivate();
    void btStopClick() {
        stopRequested_ = true;
        userStopped_ = true;
    }
    // The user closed the dialog while the list ran: noted in the list as a stop.
    void closedByUser();

    const ExchangeView& view() const { return view_; }
    Result result() const { return result_; }
    bool stopRequested() const { return stopRequested_; }

    static constexpr int kCommandDelay = 50;
    static constexpr int kAckDelay = 100;
    static constexpr int kReadSilence = 2000;
    static constexpr int kWriteSilence = 30000;
    // A short answer whose checksum does not match is asked for again, up to this many answers in all.
    static constexpr int kAnswerAttempts = 2;
    static const QString kNoAnswer;
    // The end of an exchange the user stopped, with how much of the list was done.
    QString stoppedByUser() const;

signals:
    // The view changed.
    void viewChanged();
    // The dialog is to close with this result.
    void finished(exchange::ExchangeEngine::Result result);

private:
    enum class Phase { Idle, Awaiting, Refused };

    void StartCommand();
    void SendShortFrame();
    void SendPacket();
    void portRxChar(int count);
    void ReceiveShortAnswer();
    void ReceivePacketAnswer();
    void ReceiveShortWriteAck();
    void ReceivePacketWriteAck();
    void SendAck();
    void CMD_TimerTimer();
    void ACK_TimerTimer();
    void ERR_TimerTimer();

    int takeBytes(int count);
    // Writes a frame, and logs it in the wire log.
    void sendFrame(const QByteArray& frame);
    // Logs the first `count` bytes of rxBuffer as received.
    void logReceived(int count) const;
    void armError() { errTimer_->start(errInterval_); }
    bool isLastCommand() const { return commandIndex_ + 1 >= commands_->count(); }
    void nextCommandLater();
    // A read command is over: the next one after the pause, or the end.
    void readCommandDone();
    // A write's acknowledgement arrived; false when the exchange stops here
    // (the user stopped it, or the instrument refused the write).
    bool takeWriteAck(bool acknowledged);
    // A write command is over: the next one at once, or the end.
    void writeCommandDone();
    // An answer that does not fit the protocol: the command ends without a result.
    void abandonCommand(const QString& why);
    // A short answer that failed its checksum: asked for again, or given up.
    void answerDamaged();
    // The current read ends without a result, noted with `problem`; the list goes on.
    void dropAnswer(const QString& problem);
    void closePort();
    void finish(Result result);
    void showError(const std::exception& e);
    void abort(const std::exception& e);
    // The list ends before its last command; see Interruption.
    void interrupt(Interruption::Cause cause, const QString& detail = {});
    void lineFailed(const std::exception& e);
    // What the port says became of the line, or `otherwise` when it knows nothing.
    Interruption::Cause lineLossOr(Interruption::Cause otherwise) const;
    // The engine's own message for an interruption its caller does not tell.
    void tell(const Interruption& why) const;
    // The first command without its result: the current one, unless it is
    // complete and only its acknowledgement is awaited.
    int firstUnfinished() const { return finishAfterAck_ ? commandIndex_ + 1 : commandIndex_; }
    void portOpen();
    void portClose();
    void notify();

    static QString caption(int code, int object, int number);
    static QString frameCaption(int index, int count);

    CommPort& port_;
    gui::Clock& clock_;
    CommandList* commands_ = nullptr;
    std::unique_ptr<gui::Timer> cmdTimer_, ackTimer_, errTimer_;
    ExchangeView view_;
    Result result_ = Result::Running;
    Phase phase_ = Phase::Idle;
    bool finishAfterAck_ = false;  // the last packet of the list awaits its acknowledgement
    bool closingAfterAck_ = false; // that acknowledgement went out

    int commandIndex_ = 0;
    int packetCount_ = 0;
    int packetIndex_ = 0;
    int answerLength_ = 0;
    int expectedBytes_ = 0;
    int receivedBytes_ = 0;
    int damagedAnswers_ = 0; // of the current command
    unsigned char frameChecksum_ = 0;
    bool stopRequested_ = false;
    bool userStopped_ = false; // "Стоп" pressed, as against a stop by deactivation or silence
    ExchangeProgress progress_;
    int cmdCode_ = 0, cmdObject_ = 0, cmdNumber_ = 0, devType_ = 0;
    int errInterval_ = kReadSilence;
    int bitRate_ = 0; // the line speed set for the list, for the wire log
    QByteArray txBuffer_;
    QByteArray rxBuffer_; // capacity: 385 for a short answer, 1024 for a packet
    QByteArray payload_;
    PacketAssembler inPackets_;
};

} // namespace exchange
