#include "TraceFixture.h"
#include "store/DataModuleHost.h"
#include "store/TDataModule1.h"
#include "support/ShownText.h"
#include "trace/LineStyle.h"
#include "trace/ScreenChart.h"
#include "trace/TypePresets.h"

#include <QWidget>
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
    EXPECT_EQ(state.maxScale(), 1000);
    EXPECT_FALSE(lower.isActive(S::kLowerCompare1)); // the selected waveform's source, the library, is empty

    // The user's click in the compare grid selects that record and draws it.
    module.t_picture.first();
    EXPECT_EQ(state.waveSource(), 2);
    EXPECT_TRUE(lower.isActive(S::kLowerCompare1));
    EXPECT_EQ(lower.axisMax(Axis::Bottom), 500);
    module.t_picture.next();
    EXPECT_EQ(lower.axisMax(Axis::Bottom), 1000);
    EXPECT_EQ(module.t_picture.recNo(), 1);
    EXPECT_EQ(module.t_picture.tag(), store::TagNormal);
}

namespace {

struct ScreenSideTest : TraceFixture {
    ScreenChart screenUpper{S::kUpperCount}, screenLower{S::kLowerCount};
    ChartSet screenCharts{screenUpper, screenLower};
    TraceView screenView{state, screenCharts, master, picture};

    ScreenSideTest() {
        screenCharts.attachCopies(upper, lower); // the recording charts serve as the report copies
        screenLower.view()->resize(900, 400);
    }

    void expectShownAsRecorded(const ScreenChart& screen, const RecordingChart& rec) {
        for (int s = 0; s < rec.seriesCount(); ++s) {
            EXPECT_EQ(screen.isActive(s), rec.isActive(s)) << screen.name().toStdString() << " slot " << s;
            EXPECT_EQ(screen.points(s), rec.points(s)) << screen.name().toStdString() << " slot " << s;
            EXPECT_EQ(screen.invertedStairs(s), rec.invertedStairs(s)) << screen.name().toStdString();
        }
        const Axis axis = rec.distanceAxis();
        EXPECT_EQ(screen.distanceAxis(), axis);
        EXPECT_EQ(screen.layout().xMin, rec.axisMin(axis));
        EXPECT_EQ(screen.layout().xMax, rec.axisMax(axis));
    }
};

void nameCurrent(store::Dataset& ds, const QString& memo) {
    ds.setTag(store::TagQuiet);
    ds.edit();
    ds.fieldByName(QStringLiteral("MEMO")).setString(memo);
    ds.setTag(store::TagQuiet);
    ds.post();
    ds.setTag(store::TagNormal);
}

QStringList legendOf(const ScreenChart& chart) {
    QStringList names;
    for (int s : chart.layout().legendSlots) names << chart.legendName(s);
    return names;
}

} // namespace

TEST_F(ScreenSideTest, planAndWindowViewsShowWhatTheRecordingSideHolds) {
    addPlan(picture, 1000, 1, 0, 5, pattern(0, 385));
    addPlan(master, 250, 2, 100, 0, pattern(0, 385));
    state.setEditK1(shown("150"));
    screenView.Redraw(TraceView::Both);
    expectShownAsRecorded(screenUpper, upper);
    expectShownAsRecorded(screenLower, lower);
    EXPECT_EQ(screenLower.points(S::kCursorK1), (QList<QPointF>{{150, -130}, {150, 130}}));

    state.setTypeIndex(1);
    TypePresets::SetWindowTypeMode(state, screenCharts);
    int aproksTag = 0;
    LineStyle::btAproksClick(aproksTag, screenCharts); // approximation off: stairs
    addWindowRecord(master, 1000, "pulse", 3);
    screenView.Redraw(TraceView::WaveformsOnly);
    expectShownAsRecorded(screenLower, lower);
    EXPECT_TRUE(screenLower.invertedStairs(S::kLowerCurrent));
}

TEST_F(ScreenSideTest, legendsNameExactlyTheShownWaveforms_andTicksStandAtRoundValues) {
    addPlan(picture, 1000, 1, 0, 0, pattern(0, 385));
    nameCurrent(picture, QStringLiteral("\\DATA\\Feeder 7"));
    addPlan(picture, 1000, 1, 0, 5, pattern(0, 385));
    nameCurrent(picture, QStringLiteral("Substation B, phase C"));
    addPlan(master, 12500, 1, 0, 0, pattern(0, 385));
    nameCurrent(master, QStringLiteral("Cable 35 kV, section 4"));
    screenView.Redraw(TraceView::Both);
    const QStringList all = {"№ 1 Cable 35 kV, section 4", "№ 1 \\DATA\\Feeder 7",
                             "№ 2 Substation B, phase C"};
    EXPECT_EQ(legendOf(screenLower), all);
    EXPECT_EQ(legendOf(screenUpper), all);

    // The other type empties the compare library: its names leave the legend.
    picture.setTag(store::TagQuiet);
    picture.first();
    picture.setTag(store::TagQuiet);
    picture.deleteRecord();
    picture.setTag(store::TagQuiet);
    picture.deleteRecord();
    picture.setTag(store::TagNormal);
    screenView.Redraw(TraceView::Both);
    EXPECT_EQ(legendOf(screenLower), QStringList{"№ 1 Cable 35 kV, section 4"});

    // 0..12500 m over 900 pixels: whole metres at round steps, from 0.
    const ChartLayout& l = screenLower.layout();
    ASSERT_GE(l.xTicks.size(), 4);
    EXPECT_EQ(l.xTicks.front().value, 0);
    EXPECT_EQ(l.xTicks.front().label, "0");
    for (const AxisTick& t : l.xTicks) EXPECT_FALSE(t.label.contains(',')) << t.label.toStdString();
}
