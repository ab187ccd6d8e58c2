// Many programs importing into one server library at once: 20 writer
// processes append 100 waveforms each (8512-byte sample images, one post per
// waveform, as an import stores them) over the Unix socket into one fresh
// database of a server with its default durability. Every waveform must get
// its own record number, 1 to 2000 without a gap; the figure is the rows
// stored per second of wall time, from the first start to the last exit.
#include "WaveformLibraries.h"
#include "support/PgServer.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QSqlQuery>
#include <cstdio>
#include <memory>
#include <vector>

namespace {

constexpr int kWriters = 20;
constexpr int kWaveformsEach = 100;
constexpr double kGoalRowsPerSecond = 500;

void line(const char* name, const QString& figure, const QString& goal, bool met) {
    std::printf("BENCH\t%s\t%s\t%s\t%s\n", name, qPrintable(figure), qPrintable(goal), met ? "yes" : "no");
}

// Fails unless the library holds kWriters * kWaveformsEach rows numbered 1..that without a repeat.
void checkNumbers(PgServer& server, const QString& url) {
    const int expected = kWriters * kWaveformsEach;
    const QString connection = QStringLiteral("check");
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), connection);
        if (!server.configure(db, url) || !db.open()) bench::fail(db.lastError().text());
        QSqlQuery q(db);
        if (!q.exec(QStringLiteral(R"(SELECT count(*), count(DISTINCT "REC_ID"), min("REC_ID"), )"
                                   R"(max("REC_ID") FROM master)")) ||
            !q.next())
            bench::fail(q.lastError().text());
        if (q.value(0).toInt() != expected || q.value(1).toInt() != expected || q.value(2).toInt() != 1 ||
            q.value(3).toInt() != expected)
            bench::fail(QStringLiteral("writers clashed: %1 rows, %2 numbers from %3 to %4")
                            .arg(q.value(0).toInt())
                            .arg(q.value(1).toInt())
                            .arg(q.value(2).toInt())
                            .arg(q.value(3).toInt()));
    }
    QSqlDatabase::removeDatabase(connection);
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    PgServer server(PgServer::Durability::Durable);
    if (!server.available()) {
        std::printf("BENCH\tserver_writers\tskipped: %s\t-\t-\n", qPrintable(server.unavailableReason()));
        return 0;
    }
    const QString url = server.createDatabase();
    if (url.isEmpty()) bench::fail(server.error());

    std::vector<std::unique_ptr<QProcess>> writers;
    QElapsedTimer timer;
    timer.start();
    for (int w = 0; w < kWriters; ++w) {
        writers.push_back(std::make_unique<QProcess>());
        writers.back()->start(QStringLiteral(ECHOLON_BIN_DIR "/echolon-library-writer"),
                              {url, QString::number(kWaveformsEach), QStringLiteral("w%1").arg(w)});
    }
    for (auto& p : writers)
        if (!p->waitForFinished(600000) || p->exitStatus() != QProcess::NormalExit || p->exitCode() != 0)
            bench::fail(QStringLiteral("a writer failed: ") +
                        QString::fromLocal8Bit(p->readAllStandardError()));
    const double seconds = timer.nsecsElapsed() / 1e9;
    checkNumbers(server, url);

    const int rows = kWriters * kWaveformsEach;
    const double rate = rows / seconds;
    line("server_writers_wall",
         QString::asprintf("%.2f s for %d x %d waveforms", seconds, kWriters, kWaveformsEach),
         QStringLiteral("-"), true);
    line("server_writers_rate", QString::asprintf("%.0f rows/s", rate),
         QString::asprintf(">= %.0f rows/s", kGoalRowsPerSecond), rate >= kGoalRowsPerSecond);
    return 0;
}
