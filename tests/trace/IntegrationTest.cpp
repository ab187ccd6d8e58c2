#include "TraceFixture.h"
#include "store/DataModuleHost.h"
#include "store/TDataModule1.h"
#include "trace/LineStyle.h"
#include "trace/QtChart.h"
#include "trace/SeriesShaper.h"
#include "trace/TraceLayer.h"
#include "trace/TypePresets.h"

#include <QChart>
#include <QChartView>
#include <QCoreApplication>
#include <QLegend>
#include <QLegendMarker>
#include <QLineSeries>
#include <QValueAxis>
#include <cmath>

using namespace trace;
using S = SlotLayout;

namespace {

// The main window's part of the data module's wiring: the trace view's entry points.
class ForwardingHost : public store::DataModuleHost {
public:
    void SetWaveformViewEnabled(bool) override {}
    void SetCompareGridEnabled(bool) override {}
    void applyDeviceFilter() override {
        module->applyTypeQuery(store::TDataModule1::deviceTypeOf(typeIndex));
        view->Redraw(TraceView::KeepDistances);
    }
    void updateRange() override { view->UpdateRange(); }
    void redraw(int mode) override {
        ++redraws;
        view->Redraw(mode);
    }
    store::TDataModule1* module = nullptr;
    TraceView* view = nullptr;
    int typeIndex = 0;
    int redraws = 0;
};

struct DataModuleTraceTest : ::testing::Test {
    CommaLocale locale;
    TempHome home;
    store::ViewState state;
    ForwardingHost host;
    store::TDataModule1 module{state, host};
    RecordingChart upper{S::kUpperCount}, lower{S::kLowerCount};
    ChartSet charts{upper, lower};
    TraceView view{state, charts, module.t_master, module.t_picture};

    DataModuleTraceTest() {
        host.module = &module;
        host.view = &view;
        module.DataModuleCreate();
    }
};

} // namespace

TEST_F(DataModuleTraceTest, compareRecordCanBeSelectedWhileTheLibraryIsEmpty) {
    for (double scale : {500.0, 1000.0}) {
        store::Dataset& pic = module.t_picture;
        pic.setTag(store::TagQuiet);
        pic.append();
        pic.fieldByName("DEVICE_TYPE").setString("KM-41A1 ver.5");
        pic.fieldByName("SCALE").setFloat(scale);
        pic.fieldByName("ZOOM_L").setFloat(1);
        pic.fieldByName("START_PLAN").setFloat(0);
        pic.fieldByName("POINTS").setBlob(QByteArray(385, '\0'));
        pic.setTag(store::TagQuiet);
        pic.post();
    }
    ASSERT_EQ(module.MasterCount, 0);
    view.UpdateRange();
    view.Redraw(TraceView::KeepDistances);
    EXPECT_EQ(state.maxScale, 1000);
    EXPECT_FALSE(lower.isActive(S::kLowerCompare1)); // the selected waveform's source, the library, is empty

    // The user's click in the compare grid selects that record and draws it.
    module.t_picture.first();
    EXPECT_EQ(state.waveSource, 2);
    EXPECT_TRUE(lower.isActive(S::kLowerCompare1));
    EXPECT_EQ(lower.axisMax(Axis::Bottom), 500);
    module.t_picture.next();
    EXPECT_EQ(lower.axisMax(Axis::Bottom), 1000);
    EXPECT_EQ(module.t_picture.recNo(), 1);
    EXPECT_EQ(module.t_picture.tag(), store::TagNormal);
}

namespace {

struct QtSideTest : TraceFixture {
    QtChart qtUpper{S::kUpperCount}, qtLower{S::kLowerCount};
    ChartSet qtCharts{qtUpper, qtLower};
    TraceView qtView{state, qtCharts, master, picture};

    QtSideTest() {
        qtCharts.attachCopies(upper, lower); // the recording charts serve as the report copies
        qtLower.view()->resize(900, 400);
        qtLower.view()->show();
    }
    ~QtSideTest() override { qtLower.view()->hide(); }

    void expectShownAsRecorded(QtChart& qt, const RecordingChart& rec) {
        qt.flush();
        for (int s = 0; s < rec.seriesCount(); ++s) {
            EXPECT_EQ(qt.traces()->traceVisible(s), rec.isActive(s))
                << qt.name().toStdString() << " slot " << s;
            EXPECT_EQ(qt.traces()->points(s), rec.points(s)) << qt.name().toStdString() << " slot " << s;
        }
        const Axis axis = rec.distanceAxis();
        EXPECT_EQ(qt.axis(axis)->min(), rec.axisMin(axis));
        EXPECT_EQ(qt.axis(axis)->max(), rec.axisMax(axis));
    }
};

} // namespace

TEST_F(QtSideTest, planViewShowsWhatTheRecordingSideHolds) {
    addPlan(picture, 1000, 1, 0, 5, pattern(0, 385));
    addPlan(master, 250, 2, 100, 0, pattern(0, 385));
    state.editK1 = "150";
    qtView.Redraw(TraceView::Both);
    expectShownAsRecorded(qtUpper, upper);
    expectShownAsRecorded(qtLower, lower);
    EXPECT_EQ(qtLower.traces()->points(S::kCursorK1), (QList<QPointF>{{150, -130}, {150, 130}}));
}

TEST_F(QtSideTest, windowViewShowsWhatTheRecordingSideHoldsWithInvertedStairs) {
    state.typeIndex = 1;
    TypePresets::SetWindowTypeMode(state, qtCharts);
    int aproksTag = 0;
    LineStyle::btAproksClick(aproksTag, qtCharts); // approximation off: stairs
    addWindowRecord(master, 1000, "pulse", 3);
    qtView.Redraw(TraceView::WaveformsOnly);
    qtLower.flush();
    const QList<QPointF> recorded = lower.points(S::kLowerCurrent);
    EXPECT_EQ(qtLower.traces()->points(S::kLowerCurrent), SeriesShaper::stairs(recorded, true));
    EXPECT_TRUE(lower.invertedStairs(S::kLowerCurrent));
}

namespace {

void nameCurrent(store::Dataset& ds, const QString& memo) {
    ds.setTag(store::TagQuiet);
    ds.edit();
    ds.fieldByName(QStringLiteral("MEMO")).setString(memo);
    ds.setTag(store::TagQuiet);
    ds.post();
    ds.setTag(store::TagNormal);
}

QStringList legendOf(QtChart& chart) {
    chart.flush();
    QStringList names;
    const QChart* c = chart.view()->chart();
    if (!c->legend()->isVisible()) return names;
    for (QLegendMarker* m : c->legend()->markers())
        if (m->isVisible()) names << m->label();
    return names;
}

} // namespace

TEST_F(QtSideTest, legendsNameExactlyTheShownWaveforms_andTicksStandAtRoundValues) {
    addPlan(picture, 1000, 1, 0, 0, pattern(0, 385));
    nameCurrent(picture, QStringLiteral("\\DATA\\Feeder 7"));
    addPlan(picture, 1000, 1, 0, 5, pattern(0, 385));
    nameCurrent(picture, QStringLiteral("Substation B, phase C"));
    addPlan(master, 12500, 1, 0, 0, pattern(0, 385));
    nameCurrent(master, QStringLiteral("Cable 35 kV, section 4"));
    qtView.Redraw(TraceView::Both);
    const QStringList all = {"№ 1 Cable 35 kV, section 4", "№ 1 \\DATA\\Feeder 7",
                             "№ 2 Substation B, phase C"};
    EXPECT_EQ(legendOf(qtLower), all);
    EXPECT_EQ(legendOf(qtUpper), all);

    // The other type empties the compare library: its names leave the legend.
    picture.setTag(store::TagQuiet);
    picture.first();
    picture.setTag(store::TagQuiet);
    picture.deleteRecord();
    picture.setTag(store::TagQuiet);
    picture.deleteRecord();
    picture.setTag(store::TagNormal);
    qtView.Redraw(TraceView::Both);
    EXPECT_EQ(legendOf(qtLower), QStringList{"№ 1 Cable 35 kV, section 4"});

    // 0..12500 m over 900 pixels and -130..130: steps of 1, 2 or 5 × 10^n from 0.
    QCoreApplication::processEvents();
    qtLower.flush();
    for (Axis a : {Axis::Bottom, Axis::Left}) {
        const QValueAxis* axis = qtLower.axis(a);
        ASSERT_EQ(axis->tickType(), QValueAxis::TicksDynamic);
        EXPECT_EQ(axis->tickAnchor(), 0);
        const double step = axis->tickInterval();
        const double mantissa = step / std::pow(10.0, std::floor(std::log10(step)));
        EXPECT_TRUE(std::abs(mantissa - 1) < 1e-9 || std::abs(mantissa - 2) < 1e-9 ||
                    std::abs(mantissa - 5) < 1e-9)
            << step;
        const double ticks = (axis->max() - axis->min()) / step;
        EXPECT_GE(ticks, 3) << step;
        EXPECT_LE(ticks, 15) << step;
    }
    EXPECT_EQ(qtLower.axis(Axis::Bottom)->labelFormat(), "%.0f");
}
