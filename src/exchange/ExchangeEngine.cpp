#include "exchange/ExchangeEngine.h"

#include "exchange/CommandFields.h"
#include "exchange/PacketFormat.h"
#include "exchange/WireLog.h"
#include "store/IniFile.h"
#include "store/Messages.h"
#include "store/ProgramFolder.h"

#include <array>

namespace exchange {

using namespace wire;

const QString ExchangeEngine::kNoAnswer = QString::fromUtf8(
    QT_TRANSLATE_NOOP("exchange::ExchangeEngine", "Устройство не отвечает! Операция прервана."));

namespace {
const std::array<const char*, 5> kCmdName = {
    "", QT_TRANSLATE_NOOP("exchange::ExchangeEngine", "Установка связи "),
    QT_TRANSLATE_NOOP("exchange::ExchangeEngine", "Чтение "),
    QT_TRANSLATE_NOOP("exchange::ExchangeEngine", "Запись "),
    QT_TRANSLATE_NOOP("exchange::ExchangeEngine", "Импорт ")};
const std::array<const char*, 5> kObjName = {
    "", QT_TRANSLATE_NOOP("exchange::ExchangeEngine", "рефлектограммы № "),
    QT_TRANSLATE_NOOP("exchange::ExchangeEngine", "таблицы КУ "),
    QT_TRANSLATE_NOOP("exchange::ExchangeEngine", "файла помощи "),
    QT_TRANSLATE_NOOP("exchange::ExchangeEngine", "списка рефлектограмм ")};

QString word(const std::array<const char*, 5>& table, int index) {
    return index > 0 && index < int(table.size()) ? ExchangeEngine::tr(table[std::size_t(index)]) : QString();
}
} // namespace

ExchangeEngine::ExchangeEngine(CommPort& port, gui::Clock& clock)
    : port_(port), clock_(clock), cmdTimer_(clock.createTimer([this] { CMD_TimerTimer(); })),
      ackTimer_(clock.createTimer([this] { ACK_TimerTimer(); })),
      errTimer_(clock.createTimer([this] { ERR_TimerTimer(); })) {
    connect(&port_, &CommPort::opened, this, [this] { portOpen(); });
    connect(&port_, &CommPort::closed, this, [this] { portClose(); });
    connect(&port_, &CommPort::rxChar, this, [this](int count) { portRxChar(count); });
}

ExchangeEngine::~ExchangeEngine() {
    // Closing the port on the way out reaches no handler of the engine.
    QObject::disconnect(&port_, nullptr, this, nullptr);
}

QString ExchangeEngine::caption(int code, int object, int number) {
    return word(kCmdName, code) + word(kObjName, object) + QString::number(number);
}

QString ExchangeEngine::frameCaption(int index, int count) {
    return tr("( пакет %1 из %2 )").arg(index + 1).arg(count);
}

void ExchangeEngine::portOpen() {
    view_.btStopEnabled = true;
    notify();
}

void ExchangeEngine::portClose() {
    view_.btStopEnabled = false;
    notify();
}

void ExchangeEngine::notify() {
    view_.lbProgress =
        stopRequested_ ? ExchangeProgress::doneText(view_) : progress_.text(view_, clock_.now());
    emit viewChanged();
}

QString ExchangeEngine::stoppedByUser() const {
    return tr("The exchange was stopped by the user: %1 of %2 done.")
        .arg(view_.pbTotalPosition)
        .arg(view_.pbTotalMax);
}

// A message box over the dialog deactivates it: timers stop and the port closes first.
void ExchangeEngine::showError(const std::exception& e) {
    FormDeactivate();
    store::messages().error(QString::fromUtf8(e.what()));
}

// An error that keeps the list from starting: the message, then the exchange
// ends as cancelled rather than waiting for an answer nothing will ask for.
void ExchangeEngine::abort(const std::exception& e) {
    showError(e);
    finish(Result::Cancel);
}

void ExchangeEngine::FormActivate() {
    result_ = Result::Running;
    phase_ = Phase::Idle;
    finishAfterAck_ = false;
    closingAfterAck_ = false;
    const store::IniFile settings(store::settingsFilePath());
    QString where;
    if (!port_.active()) {
        // A port found on the machine is kept by its path; otherwise the number counts.
        const QString device =
            settings.readString(QStringLiteral("COM"), QStringLiteral("Device"), QString()).trimmed();
        const int portNum = settings.readInteger(QStringLiteral("COM"), QStringLiteral("PortNum"), 1);
        if (!device.isEmpty()) port_.setDevice(device);
        else port_.setPortNum(portNum);
        where = device.isEmpty() ? QStringLiteral("port %1").arg(portNum) : device;
    }
    commandIndex_ = 0;
    packetIndex_ = 0;
    damagedAnswers_ = 0;
    if (commands_) commands_->setInterruption(std::nullopt);
    view_.lbFrameNum.clear();
    view_.lbFileNum.clear();
    view_.pbFilePosition = 0;
    view_.pbTotalPosition = 0;
    view_.pbTotalMax = commands_ ? commands_->count() : 0;
    stopRequested_ = false;
    userStopped_ = false;
    progress_.start(clock_.now());
    // Nothing to run is a finished list.
    if (commands_ == nullptr || commands_->isEmpty()) {
        finish(Result::Ok);
        return;
    }
    const auto first = CommandFields::parse(commands_->command(0));
    try {
        if (!port_.active()) {
            // The first command's device type sets the speed for the whole list.
            const int devType = first ? first->devType : 0;
            const LineSpeed speed = devType <= 2 ? LineSpeed::Baud9600 : LineSpeed::Baud56000;
            port_.setLineSpeed(speed);
            bitRate_ = bitsPerSecond(speed);
            port_.open();
            wirelog::note(QStringLiteral("%1 open at %2 bit/s").arg(where).arg(bitRate_));
        }
        StartCommand();
    } catch (const std::exception& e) {
        wirelog::note(QStringLiteral("exchange not started: ") + QString::fromUtf8(e.what()));
        abort(e);
        return;
    }
    notify();
}

void ExchangeEngine::FormDeactivate() {
    stopRequested_ = true;
    phase_ = Phase::Idle;
    cmdTimer_->stop();
    ackTimer_->stop();
    errTimer_->stop();
    closePort();
    notify();
}

void ExchangeEngine::StartCommand() {
    const QString command = commands_->command(commandIndex_);
    const auto fields = CommandFields::parse(command);
    if (!fields) throw CommandError(tr("неверная строка команды \"%1\"").arg(command));
    cmdCode_ = fields->code;
    cmdObject_ = fields->object;
    cmdNumber_ = fields->number;
    devType_ = fields->devType;
    commands_->setProblem(commandIndex_, QString());

    if (packetIndex_ == 0) {
        view_.pbFilePosition = 0;
        if (cmdCode_ == kCodeRead) {
            commands_->setObject(commandIndex_, std::make_unique<dynamicArr>());
            payload_.clear();
            errInterval_ = kReadSilence;
        } else if (cmdCode_ == kCodeWrite) {
            const dynamicArr* object = commands_->object(commandIndex_);
            payload_ = object ? object->bytes : QByteArray();
            errInterval_ = kWriteSilence;
        } else {
            throw CommandError(tr("неизвестный код команды CODE_CMD==") + QString::number(cmdCode_));
        }
        view_.lbFileNum = caption(cmdCode_, cmdObject_, cmdNumber_);
    }

    if (devType_ == 0) {
        if (cmdCode_ == kCodeWrite && payload_.size() < kShortDataSize)
            throw CommandError(
                tr("блок для записи короче %1 байт (%2)").arg(kShortDataSize).arg(payload_.size()));
        expectedBytes_ = kShortAnswerSize;
        packetCount_ = 1;
        SendShortFrame();
    } else if (devType_ == 3 || devType_ == 4) {
        if (payload_.size() > 255 * kMaxChunk)
            throw CommandError(
                tr("блок для записи длиннее %1 байт (%2)").arg(255 * kMaxChunk).arg(payload_.size()));
        SendPacket();
    } else {
        throw CommandError(tr("неизвестный тип прибора DEV_TYPE==") +
                           QStringLiteral("%1").arg(devType_, 2, 16, QLatin1Char('0')).toUpper());
    }
}

void ExchangeEngine::SendShortFrame() {
    txBuffer_ = BuildShortFrame(cmdCode_, cmdNumber_, payload_);
    if (cmdCode_ == kCodeWrite) frameChecksum_ = static_cast<unsigned char>(txBuffer_.back());
    armError();
    rxBuffer_ = QByteArray(kShortAnswerSize, '\0');
    view_.pbFileMax = 1;
    receivedBytes_ = 0;
    phase_ = Phase::Awaiting;
    if (cmdCode_ == kCodeRead) inPackets_.reset();
    sendFrame(txBuffer_);
}

void ExchangeEngine::SendPacket() {
    const QVector<QByteArray> outPackets =
        SplitIntoPackets(BuildMessage(cmdCode_, cmdObject_, cmdNumber_, payload_));
    packetCount_ = int(outPackets.size());
    view_.pbFileMax = packetCount_;
    txBuffer_ = outPackets.value(packetIndex_);
    receivedBytes_ = 0;
    armError();
    rxBuffer_ = QByteArray(kPacketSize, '\0');
    phase_ = Phase::Awaiting;
    if (cmdCode_ == kCodeRead) inPackets_.reset();
    sendFrame(txBuffer_);
}

void ExchangeEngine::sendFrame(const QByteArray& frame) {
    port_.write(frame.constData(), int(frame.size()));
    wirelog::sent(bitRate_, frame);
}

void ExchangeEngine::nextCommandLater() {
    ++view_.pbTotalPosition;
    ++commandIndex_;
    damagedAnswers_ = 0;
    cmdTimer_->start(kCommandDelay);
}

void ExchangeEngine::readCommandDone() {
    if (!isLastCommand()) {
        nextCommandLater();
    } else {
        ++view_.pbTotalPosition;
        finish(Result::Ok);
    }
}

void ExchangeEngine::closePort() {
    store::showErrors([this] {
        if (port_.active()) port_.close();
    });
}

void ExchangeEngine::finish(Result result) {
    FormDeactivate();
    result_ = result;
    emit finished(result);
}

void ExchangeEngine::SendAck() { sendFrame(PcAck()); }

void ExchangeEngine::CMD_TimerTimer() {
    packetIndex_ = 0;
    cmdTimer_->stop();
    try {
        port_.purgeReadWrite();
        StartCommand();
    } catch (const CommandError&) {
        // A later command that cannot start sends nothing; the error timer ends the exchange.
        phase_ = Phase::Idle;
    } catch (const std::exception& e) {
        lineFailed(e);
    }
    notify();
}

void ExchangeEngine::ACK_TimerTimer() {
    ackTimer_->stop();
    try {
        if (closingAfterAck_) {
            ++view_.pbTotalPosition;
            finish(Result::Ok);
        } else {
            port_.purgeReadWrite();
            SendAck();
            if (finishAfterAck_) {
                // The port drops what it has not sent when it closes: give the
                // acknowledgement time to leave first.
                closingAfterAck_ = true;
                ackTimer_->start(kCommandDelay);
            }
        }
    } catch (const std::exception& e) {
        lineFailed(e);
    }
    notify();
}

} // namespace exchange
