// Redraw in mode 1 through the screen charts, paint included, as the offset
// buttons repeat it every 10 ms:
//  (a) "KMX-419": the current record and three compare records of 8000 samples;
//  (b) "KMX-417" worst case: a 50,000-m compare record beside a 250-m plan, so
//      the current waveform's detail tail runs to 50,000 points.
// Each redraw follows one step of the vertical offset of the current record,
// as the offset button's repeat does. The median of many redraws is compared
// with its goal, as wall time and as the UI thread's CPU time (on a shared,
// loaded machine the wall time also holds the waits for a free core).
#include "fakes/RecordingChart.h"
#include "store/Database.h"
#include "store/Dataset.h"
#include "store/ViewState.h"
#include "trace/ChartSet.h"
#include "trace/LineStyle.h"
#include "trace/ScreenChart.h"
#include "trace/SlotLayout.h"
#include "trace/TraceView.h"
#include "trace/TypePresets.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QVBoxLayout>
#include <QWidget>
#include <algorithm>
#include <cstdio>
#include <ctime>
#include <vector>

namespace {

constexpr int kWarmUp = 20;
constexpr int kRuns = 200;

struct Bench {
    QTemporaryDir dir;
    store::Database libraryDb{QStringLiteral("ecl41_data"), store::Schema::Kind::Library};
    store::Database compareDb{QStringLiteral("ecl41_pic"), store::Schema::Kind::Library};
    store::Dataset master{libraryDb, QStringLiteral("t_master")};
    store::Dataset picture{compareDb, QStringLiteral("t_picture")};
    store::ViewState state;
    trace::ScreenChart upper{trace::SlotLayout::kUpperCount}, lower{trace::SlotLayout::kLowerCount};
    trace::RecordingChart upperCopy{trace::SlotLayout::kUpperCount},
        lowerCopy{trace::SlotLayout::kLowerCount};
    trace::ChartSet charts{upper, lower};
    trace::TraceView view{state, charts, master, picture};
    QWidget window;

    explicit Bench(const QString& name) {
        libraryDb.setPath(dir.filePath(name + QStringLiteral("_data.db")));
        compareDb.setPath(dir.filePath(name + QStringLiteral("_pic.db")));
        master.setTableName(QStringLiteral("master"));
        picture.setTableName(QStringLiteral("master"));
        master.open();
        picture.open();
        charts.attachCopies(upperCopy, lowerCopy);
        auto* layout = new QVBoxLayout(&window);
        layout->addWidget(upper.view(), 1);
        layout->addWidget(lower.view(), 2);
        window.resize(1100, 750);
        window.show();
        // Approximation off, as on a first run: stairs on every slot.
        int aproksTag = 0;
        trace::LineStyle::btAproksClick(aproksTag, charts);
    }

    void add(store::Dataset& ds, const QString& type, double scale, double zoomL, const QString& method,
             const QByteArray& points, int sdvig) {
        ds.setTag(store::TagQuiet);
        ds.append();
        ds.fieldByName(QStringLiteral("REC_ID")).setInteger(ds.recordCount() + 1);
        ds.fieldByName(QStringLiteral("DEVICE_TYPE")).setString(type);
        ds.fieldByName(QStringLiteral("SCALE")).setFloat(scale);
        ds.fieldByName(QStringLiteral("ZOOM_L")).setFloat(zoomL);
        ds.fieldByName(QStringLiteral("START_PLAN")).setFloat(0);
        ds.fieldByName(QStringLiteral("METHOD")).setString(method);
        ds.fieldByName(QStringLiteral("SDVIG")).setInteger(sdvig);
        ds.fieldByName(QStringLiteral("POINTS")).setBlob(points);
        ds.setTag(store::TagQuiet);
        ds.post();
        ds.setTag(store::TagNormal);
    }

    static QByteArray waveform(int header, int samples, int seed) {
        QByteArray b(header + samples, '\0');
        for (int k = 0; k < samples; ++k) b[header + k] = char(((k * 37 + seed * 11) % 120) - 60);
        return b;
    }

    struct Result {
        double wall;
        double cpu;
    };

    // Median milliseconds of one redraw and a paint of the window, each after a vertical-offset step of the
    // current record (the step's own database write is not timed).
    Result measure() {
        std::vector<double> wall, cpu;
        QElapsedTimer timer;
        for (int i = 0; i < kWarmUp + kRuns; ++i) {
            master.edit();
            master.fieldByName(QStringLiteral("SDVIG")).setInteger(i % 20);
            master.post();
            const double cpuStart = threadCpuMs();
            timer.start();
            view.Redraw(trace::TraceView::KeepDistances);
            QCoreApplication::processEvents();
            window.repaint();
            if (i < kWarmUp) continue;
            wall.push_back(double(timer.nsecsElapsed()) / 1e6);
            cpu.push_back(threadCpuMs() - cpuStart);
        }
        return {median(wall), median(cpu)};
    }

    static double threadCpuMs() {
        timespec ts{};
        clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ts);
        return double(ts.tv_sec) * 1e3 + double(ts.tv_nsec) / 1e6;
    }

    static double median(std::vector<double> v) {
        std::nth_element(v.begin(), v.begin() + v.size() / 2, v.end());
        return v[v.size() / 2];
    }
};

void report(const QString& name, const Bench::Result& r, double goal) {
    for (const auto& [kind, ms] : {std::pair{"wall", r.wall}, std::pair{"CPU", r.cpu}})
        std::printf("BENCH\t%s, %s time\t%.3f ms (median)\t<= %.1f ms\t%s\n", qPrintable(name), kind, ms,
                    goal, ms <= goal ? "yes" : "no");
    std::fflush(stdout);
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    {
        Bench b(QStringLiteral("window"));
        b.state.setTypeIndex(1);
        trace::TypePresets::SetWindowTypeMode(b.state, b.charts);
        for (int j = 0; j < 3; ++j)
            b.add(b.picture, QStringLiteral("KM-630 ver.1"), 1000, 0, QStringLiteral("pulse"),
                  Bench::waveform(512, 8000, j), 5 * j);
        b.add(b.master, QStringLiteral("KM-630 ver.1"), 1000, 0, QStringLiteral("pulse"),
              Bench::waveform(512, 8000, 7), 0);
        report(QStringLiteral("redraw mode 1, KMX-419, current + 3 compare x 8000 samples"), b.measure(),
               0.5);
    }
    {
        Bench b(QStringLiteral("plan"));
        b.state.setTypeIndex(0);
        trace::TypePresets::SetPlanTypeMode(b.state, b.charts);
        b.add(b.picture, QStringLiteral("KM-41A1 ver.5"), 50000, 1, QString(), Bench::waveform(0, 385, 1), 0);
        b.add(b.master, QStringLiteral("KM-41A1 ver.5"), 250, 1, QString(), Bench::waveform(0, 385, 2), 0);
        report(QStringLiteral("redraw mode 1, KMX-417, 250-m plan beside 50,000-m compare"), b.measure(),
               0.5);
    }
    return 0;
}
