#include "store/ServerWatch.h"

#include "store/PgHandle.h"

#include <QCoreApplication>
#include <QSqlError>
#include <chrono>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

namespace store {

namespace {
using Clock = std::chrono::steady_clock;
constexpr auto kBeat = std::chrono::milliseconds(250);
constexpr auto kAnswerWithin = std::chrono::milliseconds(1000);
// How often a wait for the answer looks whether the watch was stopped.
constexpr int kSliceMs = 50;
} // namespace

struct ServerWatch::Shared {
    mutable std::mutex mutex;
    std::condition_variable wake;
    bool stopping = false;
    int socket = -1; // a duplicate of the watched connection's socket, ours to shut and close
    QString silence;

    bool stopped() const {
        std::lock_guard lock(mutex);
        return stopping;
    }
    // Waits for the next question; false when stopped meanwhile.
    bool pause() {
        std::unique_lock lock(mutex);
        return !wake.wait_for(lock, kBeat, [this] { return stopping; });
    }
    // Shuts the watched socket; false when the watch was stopped before.
    bool cut(const QString& why) {
        std::lock_guard lock(mutex);
        if (stopping) return false;
        silence = why;
        if (socket >= 0) ::shutdown(socket, SHUT_RDWR);
        return true;
    }
    void release() {
        std::lock_guard lock(mutex);
        stopping = true;
        if (socket >= 0) ::close(socket);
        socket = -1;
        wake.notify_all();
    }
};

namespace {

QString text(const char* engineText) { return QString::fromUtf8(engineText).simplified(); }

// Asks the server one question and waits at most kAnswerWithin; why it did
// not answer, else empty (also when stopped meanwhile).
QString ask(PGconn* conn, const std::function<bool()>& stopped) {
    if (!PQsendQuery(conn, "SELECT 1")) return text(PQerrorMessage(conn));
    const Clock::time_point deadline = Clock::now() + kAnswerWithin;
    pollfd waiting{PQsocket(conn), POLLIN, 0};
    while (true) {
        if (!PQconsumeInput(conn)) return text(PQerrorMessage(conn));
        if (!PQisBusy(conn)) break;
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
        if (left.count() <= 0)
            return QCoreApplication::translate("ServerWatch", "the server has not answered for a second");
        if (stopped()) return {};
        ::poll(&waiting, 1, std::min<int>(kSliceMs, static_cast<int>(left.count())));
    }
    QString why;
    while (PGresult* r = PQgetResult(conn)) {
        if (PQresultStatus(r) != PGRES_TUPLES_OK && why.isEmpty()) why = text(PQresultErrorMessage(r));
        PQclear(r);
    }
    return why;
}

} // namespace

ServerWatch::~ServerWatch() {
    stop();
    if (thread_.joinable()) thread_.join();
}

void ServerWatch::start(const QString& connectionName, Configure configure, int socket, QObject* context,
                        Silent silent) {
    stop();
    if (thread_.joinable()) thread_.join();
    shared_ = std::make_shared<Shared>();
    shared_->socket = socket >= 0 ? ::dup(socket) : -1;
    thread_ = std::thread([s = shared_, name = connectionName + QStringLiteral("#watch"),
                           configure = std::move(configure), context, silent = std::move(silent), this] {
        QString why;
        {
            QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), name);
            why = configure(db);
            if (why.isEmpty() && !db.open()) why = db.lastError().text().simplified();
            PGconn* conn = why.isEmpty() ? pgConnection(db) : nullptr;
            while (conn && why.isEmpty() && s->pause()) why = ask(conn, [&s] { return s->stopped(); });
            if (!why.isEmpty() && s->cut(why))
                QMetaObject::invokeMethod(
                    context,
                    [this, s, silent, why] {
                        if (s == shared_) silent(why);
                    },
                    Qt::QueuedConnection);
            db.close();
        }
        QSqlDatabase::removeDatabase(name);
    });
}

void ServerWatch::stop() {
    if (shared_) shared_->release();
}

QString ServerWatch::silence() const {
    if (!shared_) return {};
    std::lock_guard lock(shared_->mutex);
    return shared_->silence;
}

} // namespace store
