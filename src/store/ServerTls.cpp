#include "store/ServerTls.h"

#include <QCoreApplication>
#include <QStringList>
#include <QtEndian>
#include <cerrno>
#include <netdb.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

namespace store {

namespace {

constexpr int kProbeMs = 1000;
constexpr int kDefaultPort = 5432;

QString sslModeOf(const ServerAddress::Parts& p) {
    return p.query.queryItemValue(QStringLiteral("sslmode"), QUrl::FullyDecoded);
}

// The hosts the client library connects to: the numeric addresses when
// given, else the host names, else its environment's; empty: its own socket.
QStringList targetHosts(const ServerAddress::Parts& p) {
    QString hosts = p.query.queryItemValue(QStringLiteral("hostaddr"), QUrl::FullyDecoded);
    if (hosts.isEmpty()) hosts = p.host;
    if (hosts.isEmpty()) hosts = qEnvironmentVariable("PGHOST");
    QStringList out;
    for (const QString& h : hosts.split(QLatin1Char(','), Qt::SkipEmptyParts)) out << h.trimmed();
    return out;
}

bool onThisMachine(const QString& host) {
    return host.startsWith(QLatin1Char('/')) || host.startsWith(QLatin1Char('@')) ||
           host.compare(QLatin1String("localhost"), Qt::CaseInsensitive) == 0 ||
           host == QLatin1String("127.0.0.1") || host == QLatin1String("::1");
}

bool tlsRequired(const QString& mode) {
    return mode == QLatin1String("require") || mode == QLatin1String("verify-ca") ||
           mode == QLatin1String("verify-full");
}

// Waits at most `timeoutMs` for `events` on `fd`.
bool waitFor(int fd, short events, int timeoutMs) {
    pollfd p{fd, events, 0};
    int r;
    do {
        r = ::poll(&p, 1, timeoutMs);
    } while (r < 0 && errno == EINTR);
    return r == 1 && (p.revents & events);
}

std::optional<bool> askOne(const addrinfo& a, int timeoutMs) {
    const int fd = ::socket(a.ai_family, a.ai_socktype | SOCK_NONBLOCK | SOCK_CLOEXEC, a.ai_protocol);
    if (fd < 0) return std::nullopt;
    std::optional<bool> answer;
    int error = 0;
    socklen_t length = sizeof error;
    const bool connected = (::connect(fd, a.ai_addr, a.ai_addrlen) == 0 ||
                            (errno == EINPROGRESS && waitFor(fd, POLLOUT, timeoutMs) &&
                             ::getsockopt(fd, SOL_SOCKET, SO_ERROR, &error, &length) == 0 && error == 0));
    // The protocol's TLS request: its length and its code, nothing else.
    unsigned char request[8];
    qToBigEndian<quint32>(8, request);
    qToBigEndian<quint32>(80877103, request + 4);
    char reply = 0;
    if (connected && ::send(fd, request, sizeof request, MSG_NOSIGNAL) == sizeof request &&
        waitFor(fd, POLLIN, timeoutMs) && ::recv(fd, &reply, 1, 0) == 1 && (reply == 'S' || reply == 'N'))
        answer = reply == 'S';
    ::close(fd);
    return answer;
}

} // namespace

QString ServerTls::addedMode(const ServerAddress::Parts& p) {
    if (!sslModeOf(p).isEmpty()) return {};
    for (const QString& host : targetHosts(p))
        if (!onThisMachine(host)) return QStringLiteral("require");
    return {};
}

std::optional<bool> ServerTls::offered(const QString& host, int port, int timeoutMs) {
    addrinfo hints{};
    hints.ai_family = AF_UNSPEC;
    hints.ai_socktype = SOCK_STREAM;
    addrinfo* found = nullptr;
    if (::getaddrinfo(host.toUtf8().constData(), QByteArray::number(port).constData(), &hints, &found) != 0)
        return std::nullopt;
    std::optional<bool> answer;
    for (const addrinfo* a = found; a && !answer; a = a->ai_next) answer = askOne(*a, timeoutMs);
    ::freeaddrinfo(found);
    return answer;
}

QString ServerTls::refusalReason(const QString& url) {
    const ServerAddress::Parts p = ServerAddress::parts(url);
    const bool ownMode = !sslModeOf(p).isEmpty();
    if (!tlsRequired(ownMode ? sslModeOf(p) : addedMode(p))) return {};
    const QStringList hosts = targetHosts(p);
    const QString ports = p.port.isEmpty() ? qEnvironmentVariable("PGPORT") : p.port;
    bool portOk = false;
    const int port = ports.section(QLatin1Char(','), 0, 0).toInt(&portOk);
    for (const QString& host : hosts) {
        if (onThisMachine(host)) continue;
        if (offered(host, portOk ? port : kDefaultPort, kProbeMs / 2).value_or(true)) continue;
        if (ownMode)
            return QCoreApplication::translate("ServerTls",
                                               "the server %1 offers no encrypted connection (TLS), which "
                                               "the address requires.")
                .arg(host);
        return QCoreApplication::translate(
                   "ServerTls",
                   "the server %1 offers no encrypted connection (TLS). The program reaches a server on "
                   "another machine only encrypted; ask the server's keeper to turn TLS on, or add "
                   "?sslmode=disable to the address to connect unencrypted.")
            .arg(host);
    }
    return {};
}

} // namespace store
