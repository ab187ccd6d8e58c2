// echolon-sim: plays the instrument on a pseudo-terminal. Prints the device path
// on the first line of its output and runs until it is terminated.
#include "EventLog.h"
#include "InstrumentMemory.h"
#include "PacketDevice.h"
#include "PseudoTerminal.h"
#include "ShortFrameDevice.h"
#include "SimOptions.h"
#include "Transmitter.h"

#include <QCoreApplication>
#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <ctime>
#include <memory>
#include <poll.h>
#include <unistd.h>

using namespace sim;

namespace {

volatile std::sig_atomic_t stopRequested = 0;
void onSignal(int) { stopRequested = 1; }

std::int64_t nowUs() {
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return std::int64_t(ts.tv_sec) * 1'000'000 + ts.tv_nsec / 1000;
}

int fail(const QString& text) {
    std::fprintf(stderr, "echolon-sim: %s\n", text.toLocal8Bit().constData());
    return 2;
}

int print(const QString& text) {
    std::fputs(text.toLocal8Bit().constData(), stdout);
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    SimOptions options;
    QString error;
    if (!options.parse(app.arguments().mid(1), error))
        return fail(error + QStringLiteral("\n\n") + SimOptions::usage().trimmed());
    if (options.help) return print(SimOptions::usage());
    if (options.version) return print(QStringLiteral("echolon-sim 4.1\n"));

    PseudoTerminal line;
    if (!line.open(error)) return fail(error);
    if (!options.link.isEmpty() && !line.makeLink(options.link, error)) return fail(error);
    EventLog log;
    if (!options.logPath.isEmpty() && !log.open(options.logPath))
        return fail(QStringLiteral("cannot write ") + options.logPath);

    std::signal(SIGTERM, onSignal);
    std::signal(SIGINT, onSignal);
    std::signal(SIGPIPE, SIG_IGN);
    std::printf("%s\n", line.slavePath().toLocal8Bit().constData());
    std::fflush(stdout);
    log.note(QStringLiteral("%1 on %2").arg(options.modelName(), line.slavePath()));

    InstrumentMemory memory(options);
    Transmitter tx(line.fd(), options);
    std::unique_ptr<Device> device;
    if (options.model == SimOptions::Model::Short41A1)
        device = std::make_unique<ShortFrameDevice>(options, memory, tx, log);
    else device = std::make_unique<PacketDevice>(options, memory, tx, log);

    bool connected = false;
    char buffer[4096];
    while (!stopRequested) {
        std::int64_t now = nowUs();
        if (!tx.flush(now)) {
            log.note(QStringLiteral("line closed"));
            break;
        }
        device->tick(now);

        std::int64_t wake = now + 100'000;
        for (std::int64_t due : {tx.nextDue(), device->nextDeadline()})
            if (due >= 0) wake = std::min(wake, due);
        const std::int64_t waitUs = std::max<std::int64_t>(0, wake - now);
        timespec timeout{time_t(waitUs / 1'000'000), long(waitUs % 1'000'000) * 1000};
        pollfd p{line.fd(), POLLIN, 0};
        if (ppoll(&p, 1, &timeout, nullptr) < 0 && errno != EINTR) break;

        if (p.revents & POLLIN) {
            const ssize_t n = ::read(line.fd(), buffer, sizeof buffer);
            if (n > 0) {
                connected = true;
                device->received(QByteArray(buffer, int(n)), nowUs(), line.slaveSpeed());
                continue;
            }
        }
        if (p.revents & (POLLHUP | POLLERR)) {
            // Nobody has the line open: forget the conversation and wait for the next one.
            if (connected) {
                log.note(QStringLiteral("program closed the line"));
                device->lineDropped();
                tx.drop();
                connected = false;
            }
            usleep(10'000);
        }
    }
    line.close();
    return 0;
}
