#pragma once
#include "exchange/CommPort.h"
#include "exchange/serial/ERsCommError.h"

#include <QByteArray>
#include <QString>
#include <QVector>

namespace exchange {

// An in-memory port: the test side feeds received bytes and reads back what was
// written, can refuse the open and counts purges. feed() raises rxChar at
// once, so it must not be called from inside a handler of the port.
class MemoryPort final : public CommPort {
public:
    void setPortNum(int portNum) override {
        portNum_ = portNum;
        device_.clear();
    }
    void setDevice(const QString& path) override { device_ = path; }
    void setLineSpeed(LineSpeed speed) override { speed_ = speed; }
    void open() override;
    void close() override;
    bool active() const override { return active_; }
    int write(const char* data, int count) override;
    int read(char* data, int count) override;
    void purgeReadWrite() override;
    LineLoss lineLoss() const override { return loss; }

    // Test side.
    void feed(const QByteArray& bytes);
    int portNum() const { return portNum_; }
    const QString& device() const { return device_; }
    LineSpeed lineSpeed() const { return speed_; }
    const QVector<QByteArray>& writes() const { return writes_; }
    QByteArray lastWrite() const { return writes_.isEmpty() ? QByteArray() : writes_.last(); }
    void clearWrites() { writes_.clear(); }
    int pending() const { return int(input_.size()); }
    int purges() const { return purges_; }
    int opens() const { return opens_; }

    // When set, open() throws with this text.
    QString openError;
    // When set, purgeReadWrite() throws with this text and kind (a device gone mid-exchange).
    QString purgeError;
    serial::ERsCommError::Kind purgeErrorKind = serial::ERsCommError::Kind::Other;
    // What lineLoss() reports.
    LineLoss loss = LineLoss::None;

private:
    int portNum_ = 0;
    QString device_;
    LineSpeed speed_ = LineSpeed::Baud56000;
    bool active_ = false;
    QByteArray input_;
    QVector<QByteArray> writes_;
    int purges_ = 0;
    int opens_ = 0;
};

} // namespace exchange
