// An interaction session through the shown main window: 1000 scripted user
// actions on the large library of the start-up benchmark (100,000 "KMX-417"
// and 20,000 "KMX-419" waveforms), with the compare library full (three
// waveforms, the most it keeps). Each action is real input (a key, or a mouse
// click on a named control of the window), timed from its delivery to the end
// of the paint it caused (see FrameWait.h). The library is a file or on a
// server: the program opens whichever the settings register.
#pragma once
#include "FrameWait.h"
#include "WaveformLibraries.h"
#include "app/MainProgram.h"
#include "store/Messages.h"
#include "support/Named.h"

#include <QAbstractItemModel>
#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QTest>
#include <QToolButton>
#include <algorithm>
#include <array>
#include <ctime>
#include <random>
#include <vector>

namespace bench::interaction {

constexpr int kActions = 1000;
// The library of the start-up benchmark: 100,000 "KMX-417" and 20,000 "KMX-419" waveforms.
constexpr int kLibraryRows = 120000;
constexpr int kLibraryLarge = 20000;
// The most the compare library keeps; a copy beyond it is refused.
constexpr int kCompareFull = 3;

enum Kind { Down, Up, PageDown, TypeSwitch, Zoom, Pr, Cursor, Offset, CompareCopy, CompareDelete, KindCount };

struct KindInfo {
    const char* name;
    int weight; // per 1000 actions
};

// The mix of a working session: mostly walking the library and stepping the
// trace controls, the store operations rarer.
constexpr std::array<KindInfo, KindCount> kKinds{{{"library Down key", 222},
                                                  {"library Up key", 120},
                                                  {"library PageDown key", 80},
                                                  {"type switch", 40},
                                                  {"zoom step", 100},
                                                  {"PR step", 100},
                                                  {"cursor step", 150},
                                                  {"offset step", 170},
                                                  {"compare copy", 8},
                                                  {"compare delete", 10}}};

inline double threadCpuMs() {
    timespec ts{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ts);
    return double(ts.tv_sec) * 1e3 + double(ts.tv_nsec) / 1e6;
}

inline double percentile(std::vector<double> v, double p) {
    if (v.empty()) return 0;
    const auto at = v.begin() + std::ptrdiff_t(double(v.size() - 1) * p);
    std::nth_element(v.begin(), at, v.end());
    return *at;
}

// The program's message boxes, counted instead of shown; an error ends the run.
class CountedMessages : public store::Messages {
public:
    void information(const QString&) override { ++notes; }
    void warning(const QString&) override { ++notes; }
    void error(const QString& text) override { bench::fail(QStringLiteral("The program reported: ") + text); }
    bool confirm(const QString&) override { return false; }
    int notes = 0;
};

struct Sample {
    double wallMs;
    double cpuMs;
    double handlerMs; // until the input's own handling returned; the rest is the posted updates and the paint
    bool chartsPainted;
    bool changed; // what the user watches moved
};

class Session {
public:
    Session(app::TForm1& form, const CountedMessages& messages)
        : form_(form), messages_(messages), frames_(named<QWidget>(form, "Panel_main")) {}

    // The control an action of `kind` goes to next; a disabled one (the zoom
    // in the "KMX-417" plan mode, say) is one the user cannot use at the moment.
    QWidget* target(Kind kind) const {
        const int n = done_[kind];
        // Steps go four up, then four down, so the controls mostly stay within their limits.
        const bool up = (n / 4) % 2 == 0;
        switch (kind) {
        case Down:
        case Up:
        case PageDown: return named<QTableView>(form_, "DBGridEh1");
        case TypeSwitch: return named<QComboBox>(form_, "ComboBox_type");
        case Zoom:
            return up ? named<QToolButton>(form_, "SpeedButton_zoom_inc")
                      : named<QToolButton>(form_, "SpeedButton_zoom_dec");
        case Pr:
            return up ? named<QToolButton>(form_, "SpeedButton_ku_inc")
                      : named<QToolButton>(form_, "SpeedButton_ku_dec");
        case Cursor:
            if (n % 2 == 0)
                return up ? named<QToolButton>(form_, "SpeedButton_k1_inc")
                          : named<QToolButton>(form_, "SpeedButton_k1_dec");
            return up ? named<QToolButton>(form_, "SpeedButton_k2_inc")
                      : named<QToolButton>(form_, "SpeedButton_k2_dec");
        case Offset:
            return up ? named<QToolButton>(form_, "SpeedButton_sdvig_inc")
                      : named<QToolButton>(form_, "SpeedButton_sdvig_dec");
        case CompareCopy: return named<QToolButton>(form_, "SpeedButton_inc_ref_master");
        case CompareDelete: return named<QToolButton>(form_, "SpeedButton_del_ref_picture");
        case KindCount: break;
        }
        return nullptr;
    }

    bool usable(Kind kind) const {
        const QWidget* w = target(kind);
        return w && w->isVisible() && w->isEnabled();
    }

    // One action of `kind`: its input, timed up to the end of its paint.
    Sample run(Kind kind) {
        QWidget* w = target(kind);
        ++done_[kind];
        prepare(kind);
        const QString before = watched(kind);
        frames_.settle();
        const bool down = kind == Down || (kind == TypeSwitch &&
                                           named<QComboBox>(form_, "ComboBox_type")->currentIndex() == 0);
        const double cpuStart = threadCpuMs();
        QElapsedTimer timer;
        timer.start();
        if (kind == Down || kind == Up || kind == PageDown || kind == TypeSwitch) {
            QTest::keyClick(w, kind == PageDown ? Qt::Key_PageDown : down ? Qt::Key_Down : Qt::Key_Up);
        } else {
            QTest::mouseClick(w, Qt::LeftButton);
        }
        const double handlerMs = double(timer.nsecsElapsed()) / 1e6;
        const int paints = frames_.settle();
        const Sample s{double(timer.nsecsElapsed()) / 1e6, threadCpuMs() - cpuStart, handlerMs, paints > 0,
                       watched(kind) != before};
        tidy(kind);
        return s;
    }

    int compareRows() const { return named<QTableView>(form_, "DBGridEh2")->model()->rowCount(); }

private:
    // What the user sees change after an action of `kind`.
    QString watched(Kind kind) const {
        switch (kind) {
        case Down:
        case Up:
        case PageDown: return QString::number(named<QTableView>(form_, "DBGridEh1")->currentIndex().row());
        case TypeSwitch: return QString::number(named<QTableView>(form_, "DBGridEh1")->model()->rowCount());
        case Zoom: return named<QPushButton>(form_, "Button_zoom")->text();
        case Pr: return named<QLineEdit>(form_, "Edit_ku")->text();
        case Cursor:
            return named<QLineEdit>(form_, "Edit_k1")->text() + QLatin1Char('|') +
                   named<QLineEdit>(form_, "Edit_k2")->text();
        case Offset: return named<QLineEdit>(form_, "Edit_sdvig")->text();
        case CompareCopy:
            return QString::number(messages_.notes) + QLatin1Char('|') + QString::number(compareRows());
        case CompareDelete: return QString::number(compareRows());
        case KindCount: break;
        }
        return {};
    }

    // Copy and delete act on the ticked rows: the row in view is ticked first,
    // as the user does, and that tick is not part of the measurement. A
    // delete needs a compare waveform, which a type switch may have purged.
    void prepare(Kind kind) {
        if (kind == CompareCopy) tick(named<QTableView>(form_, "DBGridEh1"), true);
        if (kind == CompareDelete && compareRows() == 0) {
            tick(named<QTableView>(form_, "DBGridEh1"), true);
            QTest::mouseClick(named<QToolButton>(form_, "SpeedButton_inc_ref_master"), Qt::LeftButton);
            frames_.settle();
            if (compareRows() == 0) bench::fail(QStringLiteral("The compare library takes no waveform"));
        }
        if (kind == CompareDelete) tick(named<QTableView>(form_, "DBGridEh2"), true);
        frames_.settle();
    }

    // A refused copy leaves the library row ticked; the user clears it again.
    void tidy(Kind kind) {
        if (kind == CompareCopy) tick(named<QTableView>(form_, "DBGridEh1"), false);
        frames_.settle();
    }

    static void tick(QTableView* grid, bool on) {
        QAbstractItemModel* model = grid->model();
        if (model->rowCount() == 0) bench::fail(QStringLiteral("%1 is empty").arg(grid->objectName()));
        const int row = std::max(0, grid->currentIndex().row());
        for (int c = 0; c < model->columnCount(); ++c) {
            const QModelIndex cell = model->index(row, c);
            if (!(model->flags(cell) & Qt::ItemIsUserCheckable)) continue;
            if (!model->setData(cell, on ? Qt::Checked : Qt::Unchecked, Qt::CheckStateRole))
                bench::fail(
                    QStringLiteral("%1 does not take the tick of row %2").arg(grid->objectName()).arg(row));
            return;
        }
        bench::fail(QStringLiteral("%1 has no tick column").arg(grid->objectName()));
    }

    app::TForm1& form_;
    const CountedMessages& messages_;
    bench::FrameWait frames_;
    std::array<int, KindCount> done_{};
};

// What an action kind may take: the 99th percentile always, the median where set.
struct Goal {
    double p99Ms = 16;
    double p50Ms = 0; // 0: no goal for the median
};

struct Goals {
    QString label; // starts every BENCH line, e.g. "interaction"
    std::array<Goal, KindCount> kinds;
    double residentMb = 120;
};

// Resident memory of this process, in MB (0 when the system does not say).
inline double residentMb() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly)) return 0;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:")) return line.mid(6).trimmed().split(' ').value(0).toDouble() / 1024;
    return 0;
}

// Runs the session on the library the settings register and prints its
// table and BENCH lines; the program folder and settings are set up already.
inline int run(const Goals& goals) {
    CountedMessages messages;
    store::setMessages(&messages);
    app::MainProgram program;
    program.start();
    program.Form1.resize(1280, 900);
    program.Form1.show();
    Session session(program.Form1, messages);
    if (named<QTableView>(program.Form1, "DBGridEh1")->model()->rowCount() != kLibraryRows - kLibraryLarge)
        bench::fail(QStringLiteral("The main window does not show the generated library"));

    // One action of each kind first, as the first paint of a control is not
    // the user's steady state; then the compare library filled up.
    for (int k = 0; k < KindCount; ++k)
        if (session.usable(Kind(k))) session.run(Kind(k));
    for (int i = 0; i < kCompareFull && session.compareRows() < kCompareFull; ++i) {
        session.run(Down);
        session.run(CompareCopy);
    }
    if (session.compareRows() != kCompareFull)
        bench::fail(QStringLiteral("The compare library holds %1 waveforms, not %2")
                        .arg(session.compareRows())
                        .arg(kCompareFull));

    // Actions drawn by their weights; one whose control is disabled at that
    // moment is drawn again, as the user would do something else.
    std::mt19937 random(20261208);
    std::vector<int> weights;
    for (const KindInfo& k : kKinds) weights.push_back(k.weight);
    std::discrete_distribution<int> draw(weights.begin(), weights.end());
    std::array<std::vector<Sample>, KindCount> samples;
    QElapsedTimer total;
    total.start();
    for (int done = 0, draws = 0; done < kActions; ++draws) {
        if (draws > 100 * kActions) bench::fail(QStringLiteral("The window's controls stay disabled"));
        const Kind kind = Kind(draw(random));
        if (!session.usable(kind)) continue;
        samples[kind].push_back(session.run(kind));
        ++done;
    }
    const double seconds = double(total.nsecsElapsed()) / 1e9;
    const double resident = residentMb();
    store::setMessages(nullptr);

    // An input that changed nothing the user watches (a zoom step beyond the
    // range, Up on the first row) is counted apart and left out of the figures.
    // "hdl" is the input's own handling, "charts" the actions that repainted them.
    std::printf("%-22s %5s %5s %8s %8s %8s %8s %8s %8s %7s\n", "action", "n", "no-op", "p50 ms", "p99 ms",
                "CPU p50", "CPU p99", "hdl p50", "hdl p99", "charts");
    QStringList misses;
    for (int k = 0; k < KindCount; ++k) {
        std::vector<double> wall, cpu, handler;
        int painted = 0;
        for (const Sample& s : samples[k]) {
            if (!s.changed) continue;
            wall.push_back(s.wallMs);
            cpu.push_back(s.cpuMs);
            handler.push_back(s.handlerMs);
            painted += s.chartsPainted;
        }
        if (wall.empty())
            bench::fail(QStringLiteral("No %1 changed anything: the window's wiring has changed")
                            .arg(kKinds[k].name));
        const double p50 = percentile(wall, 0.5), p99 = percentile(wall, 0.99);
        std::printf("%-22s %5zu %5zu %8.2f %8.2f %8.2f %8.2f %8.2f %8.2f %7d\n", kKinds[k].name, wall.size(),
                    samples[k].size() - wall.size(), p50, p99, percentile(cpu, 0.5), percentile(cpu, 0.99),
                    percentile(handler, 0.5), percentile(handler, 0.99), painted);
        const Goal& goal = goals.kinds[k];
        const bool met = p99 <= goal.p99Ms && (goal.p50Ms <= 0 || p50 <= goal.p50Ms);
        if (!met) misses << QString::fromLatin1(kKinds[k].name);
        const QString goalText =
            goal.p50Ms > 0 ? QStringLiteral("p50 <= %1 ms, p99 <= %2 ms").arg(goal.p50Ms).arg(goal.p99Ms)
                           : QStringLiteral("p99 <= %1 ms").arg(goal.p99Ms);
        std::printf("BENCH\t%s: %s, input to painted frame\tp50 %.2f ms, p99 %.2f ms (n %zu)\t%s\t%s\n",
                    qPrintable(goals.label), kKinds[k].name, p50, p99, wall.size(), qPrintable(goalText),
                    met ? "yes" : "no");
    }
    std::printf("BENCH\t%s: resident memory after %d actions\t%.1f MB\t<= %.0f MB\t%s\n",
                qPrintable(goals.label), kActions, resident, goals.residentMb,
                resident > 0 && resident <= goals.residentMb ? "yes" : "no");
    std::printf("%d actions in %.1f s, %.1f MB resident; goals missed: %s\n", kActions, seconds, resident,
                misses.isEmpty() ? "none" : qPrintable(misses.join(QStringLiteral(", "))));
    return 0;
}

} // namespace bench::interaction
