// Start-up of the data module on a large library: opening the three databases
// and the six datasets, the type filter's query, and the first library view
// (the first record's values, its sample image and the first page of the grid).
// Each measurement runs in a child process of its own, so that every run pays
// the full start-up and reports its own peak memory.
#include "StartupChildren.h"
#include "WaveformLibraries.h"
#include "app/MainProgram.h"
#include "store/DatasetTableModel.h"
#include "store/TDataModule1.h"
#include "store/ViewState.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTextStream>
#include <algorithm>
#include <cstdio>
#include <sys/resource.h>

namespace {

constexpr int kSmallRows = 100000; // "KM-41A1 ver.5", 385-byte sample images
constexpr int kLargeRows = 20000;  // "KM-630 ver.1", 8512-byte sample images
constexpr int kRuns = 7;
constexpr double kGoalSeconds = 0.5;
constexpr double kGoalMegabytes = 150;

QString benchHome() { return QDir::tempPath() + QStringLiteral("/echolon-bench-startup-v2"); }

// Writes the library once; later runs reuse it (the marker file says it is complete).
void generateLibrary() {
    const QString home = benchHome();
    const QString marker = home + QStringLiteral("/complete");
    if (QFile::exists(marker)) return;
    QDir(home).removeRecursively();
    QDir().mkpath(home + QStringLiteral("/Data"));
    bench::writeLibrary(home + QStringLiteral("/Data/ecl41_data.db"), kSmallRows + kLargeRows, kLargeRows);
    QFile m(marker);
    m.open(QIODevice::WriteOnly);
}

// One start-up; prints "<seconds> <peak kB>".
int child() {
    QElapsedTimer timer;
    timer.start();
    store::ViewState state;
    bench::ModuleHost host(state);
    store::TDataModule1 dm(state, host);
    host.module = &dm;
    dm.DataModuleCreate();
    store::DatasetTableModel grid(
        dm.t_master, {{"MEMO", "waveform name", 212}, {"SCALE", "scale", 50}, {"DATE", "save data", 107}});
    QString shown;
    for (int r = 0; r < std::min(30, grid.rowCount()); ++r)
        for (int c = 0; c < grid.columnCount(); ++c) shown += grid.data(grid.index(r, c)).toString();
    const double seconds = timer.nsecsElapsed() / 1e9;
    if (dm.MasterCount != kSmallRows || shown.isEmpty() || host.imageBytes == 0)
        bench::fail("the first library view is wrong");
    struct rusage usage {};
    getrusage(RUSAGE_SELF, &usage);
    std::printf("%.6f %ld\n", seconds, usage.ru_maxrss);
    return 0;
}

// Repeated posts on the large library, as the offset buttons do: prints the
// median and the worst time of one edit and post, in milliseconds.
int posts() {
    const std::vector<double> ms = bench::offsetPosts(300);
    std::printf("%.6f %.6f\n", ms[ms.size() / 2], ms.back());
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QString home = benchHome();
    qputenv("ECHOLON_HOME", home.toUtf8());
    qputenv("XDG_CONFIG_HOME", (home + QStringLiteral("/config")).toUtf8());
    if (app.arguments().contains(QStringLiteral("--child"))) return child();
    if (app.arguments().contains(QStringLiteral("--posts"))) return posts();
    if (app.arguments().contains(QStringLiteral("--window"))) return bench::firstPaintedWindow(kSmallRows);

    QElapsedTimer gen;
    gen.start();
    generateLibrary();
    std::fprintf(stderr, "library ready in %.1f s: %s\n", gen.nsecsElapsed() / 1e9, qPrintable(home));

    auto line = [](const char* name, const QString& figure, const QString& goal, bool met) {
        std::printf("BENCH\t%s\t%s\t%s\t%s\n", name, qPrintable(figure), qPrintable(goal),
                    met ? "yes" : "no");
    };
    // Runs each start-up in a process of its own; reports median, worst and peak memory.
    auto measure = [&](const QString& mode, const QString& name) {
        std::vector<double> times;
        long peakKb = 0;
        for (int i = 0; i < kRuns + 1; ++i) {
            QProcess p;
            p.start(app.applicationFilePath(), {mode});
            if (!p.waitForFinished(120000) || p.exitCode() != 0)
                bench::fail(QString::fromLocal8Bit(p.readAllStandardError()));
            const QStringList parts =
                QString::fromLatin1(p.readAllStandardOutput()).split(' ', Qt::SkipEmptyParts);
            if (parts.size() != 2) bench::fail("unexpected child output");
            if (i == 0) continue; // the first run warms the file cache after generation
            times.push_back(parts[0].toDouble());
            peakKb = std::max(peakKb, parts[1].toLong());
        }
        std::sort(times.begin(), times.end());
        const double median = times[times.size() / 2];
        const double worst = times.back();
        const double peakMb = peakKb / 1024.0;
        const QByteArray n = name.toLatin1();
        line((n + "_median").constData(), QString::asprintf("%.3f s", median),
             QString::asprintf("<= %.1f s", kGoalSeconds), median <= kGoalSeconds);
        line((n + "_worst").constData(), QString::asprintf("%.3f s", worst),
             QString::asprintf("<= %.1f s", kGoalSeconds), worst <= kGoalSeconds);
        line((n + "_peak_rss").constData(), QString::asprintf("%.1f MB", peakMb),
             QString::asprintf("<= %.0f MB", kGoalMegabytes), peakMb <= kGoalMegabytes);
    };
    measure(QStringLiteral("--child"), QStringLiteral("startup_datamodule"));
    measure(QStringLiteral("--window"), QStringLiteral("startup_main_window"));

    QProcess p;
    p.start(app.applicationFilePath(), {QStringLiteral("--posts")});
    if (!p.waitForFinished(120000) || p.exitCode() != 0)
        bench::fail(QString::fromLocal8Bit(p.readAllStandardError()));
    const QStringList post = QString::fromLatin1(p.readAllStandardOutput()).split(' ', Qt::SkipEmptyParts);
    if (post.size() != 2) bench::fail("unexpected child output");
    // A post and a redraw share 10 ms; the post takes at most 2 of them.
    line("library_post_median", QString::asprintf("%.2f ms", post[0].toDouble()), "<= 2 ms",
         post[0].toDouble() <= 2);
    line("library_post_worst", QString::asprintf("%.2f ms", post[1].toDouble()), "<= 10 ms",
         post[1].toDouble() <= 10);
    return 0;
}
