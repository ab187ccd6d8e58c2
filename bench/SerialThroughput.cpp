// Serial port layer through a pseudo-terminal pair: bytes per second from
// WriteBuf through an echoing far end back to OnRxChar/ReadBuf, and the delay
// from a byte's arrival at the device to its OnRxChar handler.
#include "exchange/serial/TRsComm.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <poll.h>
#include <semaphore>
#include <sys/eventfd.h>
#include <thread>
#include <unistd.h>
#include <vector>

using namespace serial;

namespace {

using Clock = std::chrono::steady_clock;

constexpr int kTotalBytes = 1 << 20;
constexpr int kDelaySamples = 1000;

struct Pty {
    int master = -1;
    QString path;
    Pty() {
        master = posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC);
        char name[128] = {};
        if (master < 0 || grantpt(master) || unlockpt(master) || ptsname_r(master, name, sizeof name)) {
            std::perror("pseudo terminal");
            std::exit(1);
        }
        path = QString::fromLocal8Bit(name);
    }
    ~Pty() { close(master); }
};

// Runs the main thread's event loop until `done` or the time limit. The loop
// looks at `done` only every 50 ms, so between events the main thread sleeps
// as it does in the program.
template <typename Done>
bool runUntil(Done done, int milliseconds) {
    QEventLoop loop;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
        if (done()) loop.quit();
    });
    QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
    poll.start(50);
    loop.exec();
    return done();
}

// The far end sends back every byte it receives.
double measureThroughput() {
    Pty pty;
    const int stop = eventfd(0, EFD_CLOEXEC);
    std::thread echo([&] {
        std::vector<char> buffer(65536);
        pollfd fds[2] = {{pty.master, POLLIN, 0}, {stop, POLLIN, 0}};
        while (poll(fds, 2, -1) >= 0 && !fds[1].revents) {
            const ssize_t n = read(pty.master, buffer.data(), buffer.size());
            for (ssize_t done = 0; n > 0 && done < n;) {
                const ssize_t w = write(pty.master, buffer.data() + done, static_cast<size_t>(n - done));
                if (w <= 0) break;
                done += w;
            }
        }
    });

    TRsComm port;
    port.setDeviceName(pty.path);
    port.setBaudrate(br56000);
    port.setMonitorEvents({ceRxChar, ceRxFlag});
    const QByteArray chunk(port.Buffers().writeSize(), 'e');
    int sent = 0;
    int received = 0;
    std::vector<char> in(kTotalBytes);
    const auto sendNext = [&](TRsComm& p) {
        if (sent >= kTotalBytes) return;
        sent += p.WriteBuf(chunk.constData(), std::min<int>(int(chunk.size()), kTotalBytes - sent));
    };
    port.OnTxEmpty = sendNext;
    port.OnRxChar = [&](TRsComm& p, int count) {
        received += p.ReadBuf(in.data() + std::min(received, kTotalBytes - 1),
                              std::min(count, kTotalBytes - received));
    };
    port.Open();
    QElapsedTimer timer;
    timer.start();
    sendNext(port);
    const bool complete = runUntil([&] { return received >= kTotalBytes; }, 60000);
    const double seconds = timer.nsecsElapsed() / 1e9;
    port.Close();
    const std::uint64_t one = 1;
    [[maybe_unused]] const ssize_t w = write(stop, &one, sizeof one);
    echo.join();
    close(stop);
    return complete ? received / seconds : 0.0;
}

// The far end writes one byte at a time, each after the handler saw the last.
std::vector<double> measureDelays() {
    Pty pty;
    TRsComm port;
    port.setDeviceName(pty.path);
    port.setMonitorEvents({ceRxChar, ceRxFlag});
    std::atomic<Clock::rep> sentAt{0};
    std::atomic<int> seen{0};
    std::binary_semaphore handled{0};
    std::vector<double> delays;
    delays.reserve(kDelaySamples);
    port.OnRxChar = [&](TRsComm& p, int count) {
        const auto now = Clock::now().time_since_epoch().count();
        char buffer[64];
        p.ReadBuf(buffer, std::min<int>(count, sizeof buffer));
        delays.push_back(
            std::chrono::duration<double, std::milli>(Clock::duration(now - sentAt.load())).count());
        ++seen;
        handled.release();
    };
    port.Open();
    std::atomic<bool> quit{false};
    std::thread far([&] {
        for (int i = 0; i < kDelaySamples && !quit; ++i) {
            // A pause between bytes so that each arrives on an idle line.
            std::this_thread::sleep_for(std::chrono::microseconds(500));
            sentAt = Clock::now().time_since_epoch().count();
            [[maybe_unused]] const ssize_t w = write(pty.master, "d", 1);
            while (!handled.try_acquire_for(std::chrono::milliseconds(100)) && !quit) {
            }
        }
    });
    runUntil([&] { return seen.load() >= kDelaySamples; }, 60000);
    quit = true;
    far.join();
    port.Close();
    std::sort(delays.begin(), delays.end());
    return delays;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);

    const double bytesPerSecond = measureThroughput();
    const double mbPerSecond = bytesPerSecond / 1e6;
    std::printf("BENCH\tserial_pty_throughput_1MB\t%.2f MB/s\t>= 1 MB/s\t%s\n", mbPerSecond,
                mbPerSecond >= 1.0 ? "yes" : "no");

    const std::vector<double> delays = measureDelays();
    if (delays.size() < static_cast<std::size_t>(kDelaySamples)) {
        std::printf("BENCH\tserial_rx_to_handler_delay\tincomplete (%zu of %d)\tp99 < 2 ms\tno\n",
                    delays.size(), kDelaySamples);
        return 0;
    }
    const double median = delays[delays.size() / 2];
    const double p99 = delays[delays.size() * 99 / 100];
    std::printf("BENCH\tserial_rx_to_handler_delay\tmedian %.3f ms, p99 %.3f ms\tp99 < 2 ms\t%s\n", median,
                p99, p99 < 2.0 ? "yes" : "no");
    return 0;
}
