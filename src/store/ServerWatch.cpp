#include "store/ServerWatch.h"

#include "store/Database.h"

#include "store/PgHandle.h"

#include <QCoreApplication>
#include <QSqlError>
#include <algorithm>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

namespace store {

namespace {
using Clock = std::chrono::steady_clock;
using std::chrono::milliseconds;
constexpr milliseconds kBeat(250);
// While the window is held, the server is asked more often, so that a
// stalled link is found before the user notices the window stands still.
constexpr milliseconds kHeldBeat(50);
constexpr milliseconds kAnswerWithin(1000);
// The window's thread ticks this often; a tick this late means it is held.
constexpr milliseconds kTick(25);
constexpr milliseconds kHeldAfter(75);
// An answer the held window waits for may take this long, or four times the
// usual answer on a slow link.
constexpr milliseconds kHeldAnswerWithin(150);
// How often a wait for the answer looks at the window and whether the watch was stopped.
constexpr milliseconds kSlice(10);

qint64 nowMs() { return std::chrono::duration_cast<milliseconds>(Clock::now().time_since_epoch()).count(); }
} // namespace

struct ServerWatch::Shared {
    mutable std::mutex mutex;
    std::condition_variable wake;
    bool stopping = false;
    int socket = -1; // a duplicate of the watched connection's socket, ours to shut and close
    QString silence;
    std::atomic<qint64> windowTick{nowMs()};
    qint64 usualAnswerMs = 0;

    bool stopped() const {
        std::lock_guard lock(mutex);
        return stopping;
    }
    // Since when the window's thread has been held; 0 while it ticks.
    qint64 heldSince() const {
        const qint64 tick = windowTick.load();
        return nowMs() - tick > kHeldAfter.count() ? tick : 0;
    }
    // Waits for the next question; false when stopped meanwhile.
    bool pause() {
        std::unique_lock lock(mutex);
        const Clock::time_point until = Clock::now() + kBeat;
        while (!stopping && Clock::now() < until) {
            if (heldSince() && Clock::now() >= until - kBeat + kHeldBeat) break;
            wake.wait_for(lock, kSlice);
        }
        return !stopping;
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
    // Asks the server one question; why it did not answer in time, else
    // empty (also when stopped meanwhile).
    QString ask(PGconn* conn);
};

namespace {
QString text(const char* engineText) { return QString::fromUtf8(engineText).simplified(); }
} // namespace

QString ServerWatch::Shared::ask(PGconn* conn) {
    const qint64 sent = nowMs();
    if (!PQsendQuery(conn, "SELECT 1")) return text(PQerrorMessage(conn));
    const qint64 heldWithin = std::max<qint64>(kHeldAnswerWithin.count(), 4 * usualAnswerMs);
    pollfd waiting{PQsocket(conn), POLLIN, 0};
    while (true) {
        if (!PQconsumeInput(conn)) return text(PQerrorMessage(conn));
        if (!PQisBusy(conn)) break;
        const qint64 now = nowMs();
        const qint64 held = heldSince();
        // Unanswered for a second, or for longer than a held window should
        // wait, counted from when it began to wait.
        if (now - sent >= kAnswerWithin.count() || (held && now - std::max(sent, held) >= heldWithin))
            return QCoreApplication::translate("ServerWatch", "the server has not answered for a second");
        if (stopped()) return {};
        ::poll(&waiting, 1, static_cast<int>(kSlice.count()));
    }
    QString why;
    while (PGresult* r = PQgetResult(conn)) {
        if (PQresultStatus(r) != PGRES_TUPLES_OK && why.isEmpty()) why = text(PQresultErrorMessage(r));
        PQclear(r);
    }
    const qint64 took = nowMs() - sent;
    usualAnswerMs = usualAnswerMs ? (4 * usualAnswerMs + took) / 5 : took;
    return why;
}

ServerWatch::ServerWatch() {
    tick_.setInterval(static_cast<int>(kTick.count()));
    QObject::connect(&tick_, &QTimer::timeout, [this] {
        if (shared_) shared_->windowTick.store(nowMs());
    });
}

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
    tick_.start();
    thread_ =
        std::thread([s = shared_, name = uniqueConnectionName(connectionName + QStringLiteral("#watch")),
                     configure = std::move(configure), context, silent = std::move(silent), this] {
            QString why;
            {
                QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), name);
                why = configure(db);
                if (why.isEmpty() && !db.open()) why = db.lastError().text().simplified();
                PGconn* conn = why.isEmpty() ? pgConnection(db) : nullptr;
                while (conn && why.isEmpty() && s->pause()) why = s->ask(conn);
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
    tick_.stop();
    if (shared_) shared_->release();
}

QString ServerWatch::silence() const {
    if (!shared_) return {};
    std::lock_guard lock(shared_->mutex);
    return shared_->silence;
}

} // namespace store
