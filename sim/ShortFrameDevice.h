#pragma once
#include "Device.h"

namespace sim {

// The short-frame model "KM-41A1 ver.5": 0x55 n reads bank n (385-byte answer);
// 0x56 n, 384 bytes and their sum writes bank n (acknowledged by that sum).
// Bytes that start no frame are skipped.
class ShortFrameDevice final : public Device {
public:
    using Device::Device;
    void received(const QByteArray& bytes, std::int64_t now, int speed) override;
    void lineDropped() override { buffer_.clear(); }

private:
    void handle(const QByteArray& frame, std::int64_t answerAt, int speed);

    QByteArray buffer_;
    std::int64_t frameStart_ = 0;
};

} // namespace sim
