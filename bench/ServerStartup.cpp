// The library on a server beside the same library in a file, measured in one
// run: start-up of the whole program up to the first painted main window on
// 100,000 "KM-41A1 ver.5" + 20,000 "KM-630 ver.1" waveforms, and the post an
// offset step makes on that library. The server has its default durability
// and is reached over its Unix socket. Each start-up and each series of posts
// runs in a child process of its own, so that each pays the full start-up and
// reports its own peak memory (the server's memory is not the program's).
#include "ServerLibrary.h"
#include "StartupChildren.h"
#include "WaveformLibraries.h"
#include "app/MainProgram.h"
#include "store/Dataset.h"
#include "store/OdbcRegistry.h"
#include "support/PgServer.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QSqlError>
#include <QSqlQuery>
#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

constexpr int kSmallRows = 100000;
constexpr int kLargeRows = 20000;
constexpr int kRuns = 5;
constexpr int kPosts = 300;
constexpr double kGoalSeconds = 1.0;
constexpr double kGoalMegabytes = 150;
constexpr double kGoalPostMs = 3;

QString benchRoot() { return QDir::tempPath() + QStringLiteral("/echolon-bench-server-startup"); }

// Posts of the offset, as each step of the offset buttons makes; prints the
// median and the 99th percentile in milliseconds.
int postsChild() {
    const std::vector<double> ms = bench::offsetPosts(kPosts);
    std::printf("%.6f %.6f\n", ms[ms.size() / 2], ms[(ms.size() * 99) / 100]);
    return 0;
}

// The environment of a child: its program folder and its settings (where the library is registered).
struct Library {
    QString home, config;
};

QPair<double, double> runChild(const QString& mode, const Library& library) {
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("ECHOLON_HOME"), library.home);
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), library.config);
    p.setProcessEnvironment(env);
    p.start(QCoreApplication::applicationFilePath(), {mode});
    if (!p.waitForFinished(300000) || p.exitCode() != 0)
        bench::fail(mode + QStringLiteral(": ") + QString::fromLocal8Bit(p.readAllStandardError()));
    const QStringList parts = QString::fromLatin1(p.readAllStandardOutput()).split(' ', Qt::SkipEmptyParts);
    if (parts.size() != 2) bench::fail("unexpected child output");
    return {parts[0].toDouble(), parts[1].toDouble()};
}

struct Startup {
    double medianSeconds = 0;
    double peakMb = 0;
};

Startup measureStartup(const Library& library) {
    std::vector<double> times;
    double peak = 0;
    for (int i = 0; i < kRuns + 1; ++i) {
        const auto [seconds, kb] = runChild(QStringLiteral("--window"), library);
        if (i == 0) continue; // warms the caches after the library was made
        times.push_back(seconds);
        peak = std::max(peak, kb / 1024);
    }
    std::sort(times.begin(), times.end());
    return {times[times.size() / 2], peak};
}

void line(const char* name, const QString& figure, const QString& goal, bool met) {
    std::printf("BENCH\t%s\t%s\t%s\t%s\n", name, qPrintable(figure), qPrintable(goal), met ? "yes" : "no");
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (app.arguments().contains(QStringLiteral("--window"))) return bench::firstPaintedWindow(kSmallRows);
    if (app.arguments().contains(QStringLiteral("--posts"))) return postsChild();

    PgServer server(PgServer::Durability::Durable);
    if (!server.available()) {
        std::printf("BENCH\tserver_startup\tskipped: %s\t-\t-\n", qPrintable(server.unavailableReason()));
        return 0;
    }
    const QString url = server.createDatabase();
    if (url.isEmpty()) bench::fail(server.error());

    const QString root = benchRoot();
    const Library file{root + QStringLiteral("/file"), root + QStringLiteral("/file-config")};
    const Library onServer{root + QStringLiteral("/server"), root + QStringLiteral("/server-config")};
    QElapsedTimer made;
    made.start();
    bench::ensureProgramFolder(file.home,
                               {{QStringLiteral("Data/ecl41_data.db"), kSmallRows + kLargeRows, kLargeRows}});
    QDir(onServer.home).removeRecursively();
    QDir(onServer.config).removeRecursively();
    QDir().mkpath(onServer.home);
    QDir().mkpath(onServer.config + QStringLiteral("/echolon"));
    store::OdbcRegistry(onServer.config + QStringLiteral("/echolon/odbc.ini"))
        .writeDbq(QStringLiteral("ecl41_data"), url);
    bench::fillServerLibrary(url, kSmallRows + kLargeRows, kLargeRows);
    std::fprintf(stderr, "libraries ready in %.1f s\n", made.nsecsElapsed() / 1e9);

    const Startup fromFile = measureStartup(file);
    const Startup fromServer = measureStartup(onServer);
    line("server_startup_main_window_median",
         QString::asprintf("%.3f s (file %.3f s)", fromServer.medianSeconds, fromFile.medianSeconds),
         QString::asprintf("<= %.1f s", kGoalSeconds), fromServer.medianSeconds <= kGoalSeconds);
    line("server_startup_main_window_peak_rss",
         QString::asprintf("%.1f MB (file %.1f MB)", fromServer.peakMb, fromFile.peakMb),
         QString::asprintf("<= %.0f MB", kGoalMegabytes), fromServer.peakMb <= kGoalMegabytes);

    const auto [fileMedian, fileP99] = runChild(QStringLiteral("--posts"), file);
    const auto [serverMedian, serverP99] = runChild(QStringLiteral("--posts"), onServer);
    // The last step's offset is on the server, not only in the view.
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), QStringLiteral("check"));
        QSqlQuery q(db);
        if (!server.configure(db, url) || !db.open() ||
            !q.exec(
                QStringLiteral(R"(SELECT count(*) FROM master WHERE "SDVIG" = %1)").arg((kPosts - 1) % 40)) ||
            !q.next() || q.value(0).toInt() != 1)
            bench::fail(QStringLiteral("the posts did not reach the server library"));
    }
    QSqlDatabase::removeDatabase(QStringLiteral("check"));
    line("server_library_post_median", QString::asprintf("%.2f ms (file %.2f ms)", serverMedian, fileMedian),
         QString::asprintf("<= %.0f ms", kGoalPostMs), serverMedian <= kGoalPostMs);
    line("server_library_post_p99", QString::asprintf("%.2f ms (file %.2f ms)", serverP99, fileP99),
         QStringLiteral("-"), true);
    return 0;
}
