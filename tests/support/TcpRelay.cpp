#include "support/TcpRelay.h"

#include <algorithm>
#include <arpa/inet.h>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

int connectUnix(const QString& path) {
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const QByteArray name = path.toLocal8Bit();
    if (name.size() >= static_cast<int>(sizeof address.sun_path)) return -1;
    std::memcpy(address.sun_path, name.constData(), static_cast<size_t>(name.size()));
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd >= 0 && ::connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0) {
        ::close(fd);
        return -1;
    }
    return fd;
}

// Passes what `from` has on to `to`; false when either end is done.
bool forward(int from, int to) {
    char buffer[65536];
    const ssize_t n = ::read(from, buffer, sizeof buffer);
    if (n <= 0) return n < 0 && errno == EINTR;
    for (ssize_t sent = 0; sent < n;) {
        const ssize_t k = ::write(to, buffer + sent, static_cast<size_t>(n - sent));
        if (k < 0 && errno == EINTR) continue;
        if (k <= 0) return false;
        sent += k;
    }
    return true;
}

struct Pair {
    int client;
    int server;
};

} // namespace

TcpRelay::TcpRelay(QString serverSocket) : serverSocket_(std::move(serverSocket)) {
    int pipeEnds[2];
    if (::pipe2(pipeEnds, O_CLOEXEC | O_NONBLOCK) != 0) {
        error_ = QString::fromLocal8Bit(std::strerror(errno));
        return;
    }
    wakeRead_ = pipeEnds[0];
    wakeWrite_ = pipeEnds[1];
    const int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof address;
    if (fd < 0 || ::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 ||
        ::listen(fd, 16) != 0 || ::getsockname(fd, reinterpret_cast<sockaddr*>(&address), &length) != 0) {
        error_ = QStringLiteral("relay: %1").arg(QString::fromLocal8Bit(std::strerror(errno)));
        if (fd >= 0) ::close(fd);
        return;
    }
    listener_ = fd;
    port_ = ntohs(address.sin_port);
    thread_ = std::thread([this] { run(); });
}

TcpRelay::~TcpRelay() {
    {
        std::lock_guard lock(mutex_);
        stopping_ = true;
    }
    wake();
    if (thread_.joinable()) thread_.join();
    for (int fd : {listener_, wakeRead_, wakeWrite_})
        if (fd >= 0) ::close(fd);
}

void TcpRelay::wake() {
    if (wakeWrite_ >= 0) (void)!::write(wakeWrite_, "w", 1);
}

void TcpRelay::freeze(std::chrono::milliseconds atMost) {
    {
        std::lock_guard lock(mutex_);
        frozenUntil_ = Clock::now() + atMost;
    }
    wake();
}

void TcpRelay::thaw() {
    {
        std::lock_guard lock(mutex_);
        frozenUntil_ = {};
    }
    wake();
}

void TcpRelay::run() {
    std::vector<Pair> pairs;
    while (true) {
        bool frozen = false;
        int timeoutMs = -1;
        {
            std::lock_guard lock(mutex_);
            if (stopping_) break;
            const auto left =
                std::chrono::duration_cast<std::chrono::milliseconds>(frozenUntil_ - Clock::now());
            frozen = left.count() > 0;
            if (frozen) timeoutMs = static_cast<int>(left.count()) + 1;
        }
        std::vector<pollfd> watched{{wakeRead_, POLLIN, 0}};
        if (!frozen) {
            watched.push_back({listener_, POLLIN, 0});
            for (const Pair& p : pairs) {
                watched.push_back({p.client, POLLIN, 0});
                watched.push_back({p.server, POLLIN, 0});
            }
        }
        if (::poll(watched.data(), watched.size(), timeoutMs) < 0 && errno != EINTR) break;
        char drained[64];
        while (::read(wakeRead_, drained, sizeof drained) > 0) {
        }
        if (frozen) continue;
        std::vector<Pair> kept;
        for (size_t i = 0; i < pairs.size(); ++i) {
            const pollfd& c = watched[2 + 2 * i];
            const pollfd& s = watched[3 + 2 * i];
            const bool open = (!c.revents || forward(c.fd, s.fd)) && (!s.revents || forward(s.fd, c.fd));
            if (open) {
                kept.push_back(pairs[i]);
            } else {
                ::close(pairs[i].client);
                ::close(pairs[i].server);
            }
        }
        pairs = std::move(kept);
        if (watched[1].revents & POLLIN) {
            const int client = ::accept4(listener_, nullptr, nullptr, SOCK_CLOEXEC);
            const int server = client >= 0 ? connectUnix(serverSocket_) : -1;
            if (server >= 0) pairs.push_back({client, server});
            else if (client >= 0) ::close(client);
        }
    }
    for (const Pair& p : pairs) {
        ::close(p.client);
        ::close(p.server);
    }
}
