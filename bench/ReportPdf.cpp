// One report written to PDF, as "Print" fills it: a current waveform and three
// compare waveforms in the parameter table, and both charts with four long
// traces in inverted stairs (the "KMX-419" view), the cursors and the frame.
// The goals are ours: a report that appears without a noticeable wait and a
// file small enough to mail.
#include "report/ReportPdf.h"
#include "report/PrintAction.h"
#include "report/ReportChart.h"
#include "report/Tform_print.h"
#include "store/Database.h"
#include "store/Dataset.h"
#include "store/ViewState.h"
#include "trace/SlotLayout.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QTemporaryDir>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <vector>

namespace {

constexpr int kRuns = 7;
constexpr double kGoalSeconds = 1.0;
constexpr double kGoalKiB = 1024;

using trace::SlotLayout;

void addWaveform(store::Dataset& ds, int recId, const QString& memo) {
    ds.append();
    const auto set = [&ds](const char* f, const QVariant& v) {
        ds.fieldByName(QLatin1String(f)).setValue(v);
    };
    set("REC_ID", recId);
    set("BANK_NUM", recId);
    set("MEMO", memo);
    set("SCALE", 1000);
    set("DLIT", 100);
    set("AMPL", 3);
    set("NAKOPL", 16);
    set("SOGLAS", 2);
    set("SPEED", QStringLiteral("1,500"));
    set("DATE", QStringLiteral("3.7.2024 9:5:1"));
    set("SDVIG", 5 * recId);
    set("ZOOM_L", 1);
    set("DEVICE_TYPE", QStringLiteral("KM-630 ver.1"));
    set("METHOD", QStringLiteral("pulse"));
    set("LEVEL", 60);
    set("TIME_OUT", 5);
    ds.post();
}

QList<QPointF> trace(int points, double from, double metres, int seed, double shift) {
    QList<QPointF> out;
    out.reserve(points);
    for (int i = 0; i < points; ++i) {
        const double x = from + metres * i / points;
        const double echo = 90 * std::exp(-std::pow((i - points * (0.2 + 0.15 * seed)) / 40.0, 2));
        out.append(QPointF(x, shift + echo + 8 * std::sin(i * 0.05 + seed) - 60 * std::exp(-i / 60.0)));
    }
    return out;
}

void fillCharts(report::Tform_print& form) {
    report::ReportChart& upper = *form.QRChart1;
    report::ReportChart& lower = *form.QRChart2;
    upper.setAxisRange(trace::Axis::Top, 0, 1000);
    lower.setAxisRange(trace::Axis::Bottom, 200, 450);
    for (int j = 0; j < 4; ++j) {
        const int u = SlotLayout::kUpperCurrent + j, l = SlotLayout::kLowerCurrent + j;
        upper.addPoints(u, trace(8000, 0, 1000, j, 5 * j));
        lower.addPoints(l, trace(500, 200, 250, j, 5 * j));
        for (int s : {u, l}) {
            trace::Chart& c = s == u ? static_cast<trace::Chart&>(upper) : lower;
            c.setActive(s, true);
            c.setStairs(s, true);
            c.setInvertedStairs(s, true);
        }
    }
    upper.addPoints(SlotLayout::kFrameRight, {{450, -130}, {450, 130}});
    upper.addPoints(SlotLayout::kFrameLeft, {{200, -130}, {200, 130}});
    upper.addPoints(SlotLayout::kFrameBottom, {{450, -127}, {200, -127}});
    upper.addPoints(SlotLayout::kFrameTop, {{450, 127}, {200, 127}});
    lower.addPoints(SlotLayout::kCursorK1, {{250, -130}, {250, 130}});
    lower.addPoints(SlotLayout::kCursorK2, {{310, -130}, {310, 130}});
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM",
            qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    QApplication app(argc, argv);
    QTemporaryDir dir;
    store::Database libraryDb(QStringLiteral("ecl41_data"), store::Schema::Kind::Library);
    store::Database compareDb(QStringLiteral("ecl41_pic"), store::Schema::Kind::Library);
    libraryDb.setPath(dir.filePath(QStringLiteral("ecl41_data.db")));
    compareDb.setPath(dir.filePath(QStringLiteral("ecl41_pic.db")));
    store::Dataset library(libraryDb, QStringLiteral("t_master"));
    store::Dataset compare(compareDb, QStringLiteral("t_picture"));
    library.setTableName(QStringLiteral("master"));
    compare.setTableName(QStringLiteral("master"));
    try {
        library.open();
        compare.open();
        addWaveform(library, 1, QStringLiteral("feeder 12 to substation 4"));
        for (int i = 1; i <= 3; ++i)
            addWaveform(compare, i, QStringLiteral("\\DATA\\Cables\\line %1").arg(i));
    } catch (const std::exception& e) {
        std::fprintf(stderr, "cannot prepare the libraries: %s\n", e.what());
        return 1;
    }

    store::ViewState state;
    state.setTypeIndex(1);
    state.setTitle(QStringLiteral("Echolon 4.1   [C:\\Work\\DATA\\Cables\\ ]"));
    report::Tform_print form;
    fillCharts(form);
    const QString path =
        argc > 1 ? QString::fromLocal8Bit(argv[1]) : dir.filePath(QStringLiteral("report.pdf"));

    std::vector<double> seconds;
    for (int run = 0; run < kRuns; ++run) {
        QElapsedTimer timer;
        timer.start();
        try {
            report::PrintAction::fill(form,
                                      report::ReportSources{state, library.recordCount(), library, compare},
                                      QDateTime::currentDateTime());
            report::ReportPdf::write(form, path);
        } catch (const std::exception& e) {
            std::fprintf(stderr, "printing failed: %s\n", e.what());
            return 1;
        }
        seconds.push_back(timer.nsecsElapsed() / 1e9);
    }
    std::sort(seconds.begin(), seconds.end());
    const double median = seconds[seconds.size() / 2];
    const double kib = QFileInfo(path).size() / 1024.0;
    std::printf("BENCH\treport_pdf_one_page_time\t%.3f s (median of %d; worst %.3f s)\t<= %.1f s\t%s\n",
                median, kRuns, seconds.back(), kGoalSeconds, median <= kGoalSeconds ? "yes" : "no");
    std::printf("BENCH\treport_pdf_one_page_size\t%.0f KiB\t<= %.0f KiB\t%s\n", kib, kGoalKiB,
                kib <= kGoalKiB ? "yes" : "no");
    return 0;
}
