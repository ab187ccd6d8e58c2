#include "TraceFixture.h"
#include "store/DataModuleHost.h"
#include "store/TDataModule1.h"
#include "trace/LineStyle.h"
#include "trace/QtChart.h"
#include "trace/SeriesShaper.h"
#include "trace/TraceLayer.h"
#include "trace/TypePresets.h"

#include <QChartView>
#include <QLineSeries>
#include <QValueAxis>

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
