#include "fakes/FakeSerialLine.h"

#include <algorithm>
#include <cerrno>
#include <deque>
#include <fcntl.h>
#include <mutex>
#include <stdexcept>
#include <unistd.h>

namespace serial {

struct FakeSerialLine::State {
    State();
    ~State();
    // Makes the pipes' readiness follow the line; called under the lock.
    void Update();
    void FillOutput();
    void DrainOutput();
    static void CloseFd(int& fd);

    mutable std::mutex mutex;
    std::deque<QByteArray> input;
    std::deque<int> readFailures;
    std::deque<int> writeFailures;
    QByteArray written;
    bool stalled = false;
    int goneCode = 0;
    int lineSpeed = 0;
    int openDevices = 0;
    // inPipe[0] is readable while the device has input; outPipe[1] writable while it has room.
    int inPipe[2] = {-1, -1};
    int outPipe[2] = {-1, -1};
    bool inSignalled = false;
    bool outFull = false;
};

FakeSerialLine::State::State() {
    if (::pipe2(inPipe, O_NONBLOCK | O_CLOEXEC) != 0 || ::pipe2(outPipe, O_NONBLOCK | O_CLOEXEC) != 0)
        throw std::runtime_error("fake serial line: no pipes");
    // A small pipe fills at once when the line stalls.
    ::fcntl(outPipe[1], F_SETPIPE_SZ, 4096);
}

FakeSerialLine::State::~State() {
    for (int* fd : {&inPipe[0], &inPipe[1], &outPipe[0], &outPipe[1]}) CloseFd(*fd);
}

void FakeSerialLine::State::CloseFd(int& fd) {
    if (fd >= 0) ::close(fd);
    fd = -1;
}

void FakeSerialLine::State::FillOutput() {
    const QByteArray block(4096, 'x');
    while (::write(outPipe[1], block.constData(), std::size_t(block.size())) > 0) {
    }
    outFull = true;
}

void FakeSerialLine::State::DrainOutput() {
    char block[4096];
    while (::read(outPipe[0], block, sizeof block) > 0) {
    }
    outFull = false;
}

void FakeSerialLine::State::Update() {
    if (goneCode != 0) {
        // No writer left: the input end reports a hang-up; no reader left: the output end an error.
        if (inSignalled) {
            char byte;
            [[maybe_unused]] const ssize_t n = ::read(inPipe[0], &byte, 1);
            inSignalled = false;
        }
        CloseFd(inPipe[1]);
        CloseFd(outPipe[0]);
        return;
    }
    const bool hasInput = !stalled && (!input.empty() || !readFailures.empty());
    if (hasInput != inSignalled) {
        char byte = 0;
        [[maybe_unused]] const ssize_t n =
            hasInput ? ::write(inPipe[1], &byte, 1) : ::read(inPipe[0], &byte, 1);
        inSignalled = hasInput;
    }
    if (stalled && !outFull) FillOutput();
    if (!stalled && outFull) DrainOutput();
}

namespace {

class FakeDevice final : public SerialDevice {
public:
    explicit FakeDevice(std::shared_ptr<FakeSerialLine::State> state) : state_(std::move(state)) {}
    ~FakeDevice() override {
        std::lock_guard lock(state_->mutex);
        if (open_) --state_->openDevices;
    }

    int Open(const QByteArray&) override {
        std::lock_guard lock(state_->mutex);
        if (state_->goneCode != 0) return ENOENT;
        ++state_->openDevices;
        open_ = true;
        return 0;
    }
    int InputHandle() const override { return state_->inPipe[0]; }
    int OutputHandle() const override { return state_->outPipe[1]; }

    int ApplyLine(const SerialLineSettings& settings) override {
        std::lock_guard lock(state_->mutex);
        if (state_->goneCode != 0) return state_->goneCode;
        state_->lineSpeed = settings.baudrate;
        return 0;
    }
    int SetImmediateReads() override { return Gone(); }

    int InputCount(int& count) const override {
        std::lock_guard lock(state_->mutex);
        count = 0;
        if (state_->goneCode != 0) return state_->goneCode;
        for (const QByteArray& piece : state_->input) count += int(piece.size());
        return 0;
    }
    int OutputCount(int& count) const override {
        count = 0;
        return Gone();
    }
    int Flush(bool input, bool) override {
        std::lock_guard lock(state_->mutex);
        if (state_->goneCode != 0) return state_->goneCode;
        if (input) state_->input.clear();
        state_->Update();
        return 0;
    }

    // Like a pseudo terminal: no counters, no modem lines.
    bool Counters(SerialCounters&) const override { return false; }
    bool ModemLines(int&) const override { return false; }

    ssize_t Read(void* buffer, std::size_t count) const override {
        std::lock_guard lock(state_->mutex);
        int code = state_->goneCode;
        if (code == 0 && !state_->readFailures.empty()) {
            code = state_->readFailures.front();
            state_->readFailures.pop_front();
        } else if (code == 0 && (state_->stalled || state_->input.empty())) {
            code = EAGAIN;
        }
        if (code != 0) {
            state_->Update();
            errno = code;
            return -1;
        }
        QByteArray& piece = state_->input.front();
        const auto n = std::min<std::size_t>(count, std::size_t(piece.size()));
        std::copy_n(piece.constData(), n, static_cast<char*>(buffer));
        piece.remove(0, qsizetype(n));
        if (piece.isEmpty()) state_->input.pop_front();
        state_->Update();
        return ssize_t(n);
    }

    ssize_t Write(const void* buffer, std::size_t count) const override {
        std::lock_guard lock(state_->mutex);
        int code = state_->goneCode;
        if (code == 0 && !state_->writeFailures.empty()) {
            code = state_->writeFailures.front();
            state_->writeFailures.pop_front();
        } else if (code == 0 && state_->stalled) {
            code = EAGAIN;
        }
        if (code != 0) {
            errno = code;
            return -1;
        }
        state_->written.append(static_cast<const char*>(buffer), qsizetype(count));
        return ssize_t(count);
    }

private:
    int Gone() const {
        std::lock_guard lock(state_->mutex);
        return state_->goneCode;
    }

    std::shared_ptr<FakeSerialLine::State> state_;
    bool open_ = false;
};

} // namespace

FakeSerialLine::FakeSerialLine() : state_(std::make_shared<State>()) {}

FakeSerialLine::~FakeSerialLine() = default;

SerialDeviceFactory FakeSerialLine::factory() const {
    return [state = state_] { return std::make_unique<FakeDevice>(state); };
}

void FakeSerialLine::send(const QByteArray& bytes, const QList<int>& pieces) {
    std::lock_guard lock(state_->mutex);
    qsizetype at = 0;
    for (int size : pieces) {
        if (size <= 0 || at >= bytes.size()) continue;
        state_->input.push_back(bytes.mid(at, size));
        at += size;
    }
    if (at < bytes.size()) state_->input.push_back(bytes.mid(at));
    state_->Update();
}

void FakeSerialLine::failReads(int code, int times) {
    std::lock_guard lock(state_->mutex);
    state_->readFailures.insert(state_->readFailures.end(), std::size_t(std::max(times, 0)), code);
    state_->Update();
}

void FakeSerialLine::failWrites(int code, int times) {
    std::lock_guard lock(state_->mutex);
    state_->writeFailures.insert(state_->writeFailures.end(), std::size_t(std::max(times, 0)), code);
}

void FakeSerialLine::stall() {
    std::lock_guard lock(state_->mutex);
    state_->stalled = true;
    state_->Update();
}

void FakeSerialLine::release() {
    std::lock_guard lock(state_->mutex);
    state_->stalled = false;
    state_->Update();
}

void FakeSerialLine::unplug(int code) {
    std::lock_guard lock(state_->mutex);
    state_->goneCode = code;
    state_->Update();
}

QByteArray FakeSerialLine::written() const {
    std::lock_guard lock(state_->mutex);
    return state_->written;
}

int FakeSerialLine::pending() const {
    std::lock_guard lock(state_->mutex);
    int count = 0;
    for (const QByteArray& piece : state_->input) count += int(piece.size());
    return count;
}

int FakeSerialLine::lineSpeed() const {
    std::lock_guard lock(state_->mutex);
    return state_->lineSpeed;
}

int FakeSerialLine::openDevices() const {
    std::lock_guard lock(state_->mutex);
    return state_->openDevices;
}

} // namespace serial
