// Holding the offset button: 1000 steps of SetVerticalShift, each a post of
// SDVIG to the library file and a Redraw through the screen charts of the
// shown main window, paint included. TimerSdvigUp fires every 10 ms, so the
// median step must stay within 10 ms for the repeat never to fall behind.
// The view holds a "KMX-417" waveform and three compare waveforms, as after
// "Add in the compare library". Wall time and the UI thread's CPU time are
// both given: on a shared, loaded machine the wall time also holds the waits
// for a free core.
#include "app/MainProgram.h"
#include "store/Dataset.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <ctime>
#include <vector>

namespace {

constexpr int kWarmUp = 20;
constexpr int kSteps = 1000;
constexpr double kGoalMs = 10;

double threadCpuMs() {
    timespec ts{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ts);
    return double(ts.tv_sec) * 1e3 + double(ts.tv_nsec) / 1e6;
}

double percentile(std::vector<double> v, double p) {
    const auto at = v.begin() + std::ptrdiff_t(double(v.size() - 1) * p);
    std::nth_element(v.begin(), at, v.end());
    return *at;
}

void addPlan(store::Dataset& ds, int n, bool marked) {
    QByteArray points(385, '\0');
    for (int k = 0; k < 250; ++k) points[k] = char((k * (n + 3)) % 90 - 45);
    ds.setTag(store::TagQuiet);
    ds.append();
    ds.fieldByName(QStringLiteral("REC_ID")).setInteger(n + 1);
    ds.fieldByName(QStringLiteral("MEMO")).setString(QStringLiteral("line %1").arg(n));
    ds.fieldByName(QStringLiteral("DEVICE_TYPE")).setString(QStringLiteral("KM-41A1 ver.5"));
    ds.fieldByName(QStringLiteral("SCALE")).setFloat(n == 0 ? 250 : 1000);
    ds.fieldByName(QStringLiteral("ZOOM_L")).setFloat(1);
    ds.fieldByName(QStringLiteral("START_PLAN")).setFloat(0);
    ds.fieldByName(QStringLiteral("SPEED")).setString(QStringLiteral("1,500"));
    ds.fieldByName(QStringLiteral("SDVIG")).setInteger(0);
    ds.fieldByName(QStringLiteral("PICTURE")).setBool(marked);
    ds.fieldByName(QStringLiteral("POINTS")).setBlob(points);
    ds.setTag(store::TagQuiet);
    ds.post();
}

void printResult(const char* kind, const std::vector<double>& ms) {
    const double median = percentile(ms, 0.5);
    std::printf(
        "BENCH\toffset hold: SetVerticalShift step (post + Redraw + paint), %s time\t%.3f ms (median; "
        "p95 %.3f ms)\t<= %.0f ms\t%s\n",
        kind, median, percentile(ms, 0.95), kGoalMs, median <= kGoalMs ? "yes" : "no");
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir home, config;
    qputenv("ECHOLON_HOME", home.path().toUtf8());
    qputenv("XDG_CONFIG_HOME", config.path().toUtf8());
    QApplication app(argc, argv);

    app::MainProgram program;
    program.start();
    store::Dataset& master = program.DataModule1->t_master;
    for (int n = 0; n < 4; ++n) addPlan(master, n, n > 0);
    program.libraryGrids->compareLibrary().SpeedButton_inc_ref_masterClick();
    if (program.DataModule1->t_picture.recordCount() != 3) {
        std::fprintf(stderr, "offset_hold: the compare library was not filled\n");
        return 1;
    }
    master.first();
    program.Form1.resize(1280, 900);
    program.Form1.show();
    QCoreApplication::processEvents();

    app::controls::OffsetControls& offset = program.traceControls->controls().offset;
    std::vector<double> wall, cpu;
    QElapsedTimer timer;
    int direction = 1;
    for (int i = 0; i < kWarmUp + kSteps; ++i) {
        const int shift = program.state.editSdvig();
        if (shift >= 100) direction = -1;
        if (shift <= -100) direction = 1;
        const double cpuStart = threadCpuMs();
        timer.start();
        offset.SetVerticalShift(shift + direction, 130, -130);
        QCoreApplication::processEvents();
        if (i < kWarmUp) continue;
        wall.push_back(double(timer.nsecsElapsed()) / 1e6);
        cpu.push_back(threadCpuMs() - cpuStart);
    }
    const int stored = int(master.fieldByName(QStringLiteral("SDVIG")).asInteger());
    if (stored != program.state.editSdvig()) {
        std::fprintf(stderr, "offset_hold: stored SDVIG %d differs from the box %d\n", stored,
                     program.state.editSdvig());
        return 1;
    }
    printResult("wall", wall);
    printResult("CPU", cpu);
    return 0;
}
