#pragma once
#include <QObject>
#include <QString>
#include <QTimer>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <functional>
#include <memory>
#include <mutex>
#include <thread>

class QSqlDatabase;

namespace store {

// Watches a server connection from a thread of its own, through a second
// connection to the same server that asks it something four times a second.
// When an answer takes longer than a second (a link that stalls without
// closing, whose keepalives something on the way still answers), the watched
// connection's socket is shut: a query waiting on it ends at once with an
// error instead of holding the window until the system gives up. The owner
// hears of it on its own thread. While the window's thread stops ticking
// (a query of its own waits), the server is asked at once and given 0.15 s,
// or four of its usual answers on a slow link: a server that
// answers keeps the window's query going however long it takes; one that does
// not is found before the user sees the window stand still.
class ServerWatch {
public:
    // Points a new QPSQL connection at the server; why it cannot, else empty.
    using Configure = std::function<QString(QSqlDatabase&)>;
    using Silent = std::function<void(const QString& why)>;

    ServerWatch();
    ~ServerWatch();
    ServerWatch(const ServerWatch&) = delete;
    ServerWatch& operator=(const ServerWatch&) = delete;

    // Watches `socket`, the watched connection's, until stop(); `silent` is
    // called on `context`'s thread, once, when the server stops answering.
    void start(const QString& connectionName, Configure configure, int socket, QObject* context,
               Silent silent);
    // The socket is no longer touched and nothing more is reported; the
    // thread ends by itself (it is joined by the next start or at the end).
    void stop();
    // Why the server was found silent since start(); empty otherwise.
    QString silence() const;

private:
    struct Shared;
    std::shared_ptr<Shared> shared_;
    QTimer tick_; // the window's thread saying it is free
    std::thread thread_;
};

} // namespace store
