#pragma once
#include "store/ServerAddress.h"

#include <QString>
#include <optional>

namespace store {

// Whether the connection to a server library travels encrypted. A server on
// this machine (a Unix socket, localhost, 127.0.0.1, ::1) is reached as the
// client library decides; any other host only over TLS, unless the address
// gives its own sslmode. A connection refused for want of TLS is never
// retried in the clear.
class ServerTls {
public:
    // The sslmode the program adds to the connection to `p`; empty when it
    // adds none (a server on this machine, or the address's own sslmode).
    static QString addedMode(const ServerAddress::Parts& p);

    // Why the connection to `url` failed, when the reason is that TLS is
    // required and the server offers none; empty otherwise. Asks the server
    // (a TLS request, which carries no name and no password) only then, for
    // at most about a second.
    static QString refusalReason(const QString& url);

    // The server's answer to a TLS request: true when it offers TLS, nothing
    // when it cannot be asked within `timeoutMs`.
    static std::optional<bool> offered(const QString& host, int port, int timeoutMs);
};

} // namespace store
