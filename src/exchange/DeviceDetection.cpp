#include "exchange/DeviceDetection.h"

#include "exchange/PacketFormat.h"
#include "exchange/WireLog.h"

#include <algorithm>
#include <bit>

namespace exchange {

namespace {
// Read request for bank 0 in each protocol.
const QByteArray kShortProbe("\x55\x00", 2);
const QByteArray kPacketProbe("\x01\x00\x00\x06\x02\x01\x01", 7);
constexpr int kShortListAnswer = 257;
constexpr int kVariantByte = 239;
constexpr int kPacketCodeByte = 4;
} // namespace

DeviceDetection::DeviceDetection(CommPort& port, gui::Clock& clock)
    : port_(port), chkdevTimer_(clock.createTimer([this] { CHKDEV_TimerTimer(); })),
      portOpenTimer_(clock.createTimer([this] { PORTOPEN_TimerTimer(); })) {
    connect(&port_, &CommPort::rxChar, this, [this](int count) { portRxChar(count); });
}

DeviceDetection::~DeviceDetection() {
    QObject::disconnect(&port_, nullptr, this, nullptr);
    stop();
}

bool DeviceDetection::running() const { return stage_ != 0; }

void DeviceDetection::start() {
    stop();
    stage_ = 1;
    probe(LineSpeed::Baud9600, kShortProbe);
}

void DeviceDetection::stop() {
    chkdevTimer_->stop();
    portOpenTimer_->stop();
    stage_ = 0;
    try {
        port_.close();
    } catch (const std::exception&) {
        // A port that fails to close is closed as far as this dialog is concerned.
    }
}

bool DeviceDetection::probe(LineSpeed speed, const QByteArray& request) {
    try {
        port_.setLineSpeed(speed);
        port_.open();
    } catch (const std::exception& e) {
        stop();
        emit failed(QString::fromUtf8(e.what()));
        return false;
    }
    buffer_.clear();
    received_ = 0;
    wirelog::note(QStringLiteral("detection probe at %1 bit/s").arg(bitsPerSecond(speed)));
    port_.write(request.constData(), int(request.size()));
    wirelog::sent(bitsPerSecond(speed), request);
    chkdevTimer_->start(kProbeTime);
    return true;
}

void DeviceDetection::portRxChar(int count) {
    if (count <= 0) return;
    // Everything waiting is taken; what does not fit the buffer is counted and dropped.
    QByteArray chunk(count, '\0');
    const int got = port_.read(chunk.data(), count);
    if (got <= 0) return;
    const int room = kBufferSize - int(buffer_.size());
    if (room > 0) buffer_.append(chunk.constData(), std::min(room, got));
    received_ += got;
}

void DeviceDetection::CHKDEV_TimerTimer() {
    const int stage = stage_;
    try {
        port_.close();
    } catch (const std::exception&) {
    }
    chkdevTimer_->stop();
    if (received_ > 0) wirelog::received(buffer_);
    else wirelog::note(QStringLiteral("no answer for %1 ms").arg(kProbeTime));
    if (received_ == 0 && stage == 1) {
        portOpenTimer_->start(kSecondProbeDelay);
        return;
    }
    stage_ = 0;
    const int entry = received_ == 0 ? int(EntryUnknown) : classify(buffer_, received_);
    emit finished(entry);
}

void DeviceDetection::PORTOPEN_TimerTimer() {
    portOpenTimer_->stop();
    stage_ = 2;
    probe(LineSpeed::Baud56000, kPacketProbe);
}

int DeviceDetection::classify(const QByteArray& answer, int received) {
    int entry = EntryKeep;
    if (received == kShortListAnswer) {
        const bool oneBit = answer.size() > kVariantByte &&
                            std::has_single_bit(unsigned(static_cast<unsigned char>(answer[kVariantByte])));
        entry = oneBit ? EntryShortFrameB : EntryShortFrame;
    } else if (received == wire::kShortAnswerSize) {
        entry = EntryFullBlock;
    }
    // Only a byte that actually arrived is looked at.
    const bool nothingToSend =
        answer.size() > kPacketCodeByte && static_cast<unsigned char>(answer[kPacketCodeByte]) == 0xFE;
    if (nothingToSend || received > wire::kShortAnswerSize) entry = EntryPacket;
    return entry;
}

} // namespace exchange
