#include "ControlsFixture.h"
#include "support/Named.h"

#include "app/TForm1.h"
#include "app/controls/TraceControlsWiring.h"
#include "store/Numbers.h"
#include "trace/ScreenChart.h"

#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

class ControlsWiringTest : public ControlsFixture {
protected:
    ControlsWiringTest() {
        trace::SlotLayout::setupLower(chart);
        chart.setAxisRange(trace::Axis::Bottom, 0, 100);
        chart.view()->resize(800, 500);
        chart.view()->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(chart.view()));
    }

    void moveOverChart(const QPoint& at) {
        QWidget* viewport = chart.view();
        QMouseEvent move(QEvent::MouseMove, QPointF(at), viewport->mapToGlobal(QPointF(at)), Qt::NoButton,
                         Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(viewport, &move);
    }

    app::TForm1 form{state, windowState};
    trace::ScreenChart chart{trace::SlotLayout::kLowerCount};
    app::controls::TraceControlsWiring wiring{form, dm, window, view, chart, &clock};
};

TEST_F(ControlsWiringTest, pressAndRelease_drivenByTheButtons) {
    addWaveform(dm.t_master, QStringLiteral("plan"), 0);
    window.redraw(trace::TraceView::Both);
    QTest::mousePress(named<QToolButton>(form, "SpeedButton_k1_inc"), Qt::LeftButton);
    EXPECT_EQ(state.posK1(), 1);
    clock.advance(600); // 500 ms in a step of 1, 600 ms in a step of 2
    EXPECT_EQ(state.posK1(), 4);
    QTest::mouseRelease(named<QToolButton>(form, "SpeedButton_k1_inc"), Qt::LeftButton);
    EXPECT_EQ(controls.acceleration.repeatStep, 1);
    EXPECT_EQ(clock.untilNext(), -1);

    QTest::mouseClick(named<QToolButton>(form, "SpeedButton_ku_inc"), Qt::LeftButton);
    EXPECT_EQ(state.editKu().text(), "1,501");
    windowState.setZoomControlsEnabled(true);
    state.setTypeIndex(1);
    state.setZoomMax(2);
    QTest::mouseClick(named<QToolButton>(form, "SpeedButton_zoom_inc"), Qt::LeftButton);
    EXPECT_EQ(named<QPushButton>(form, "Button_zoom")->text(), "2");
    QTest::mouseClick(named<QPushButton>(form, "Button_zoom"), Qt::LeftButton);
    EXPECT_EQ(named<QPushButton>(form, "Button_zoom")->text(), "1");
    EXPECT_EQ(clock.untilNext(), -1);
}

TEST_F(ControlsWiringTest, labelClick_choosesTheActiveCursor) {
    QTest::mouseClick(named<QLabel>(form, "Label_k2"), Qt::LeftButton);
    EXPECT_EQ(windowState.activeCursor(), 2);
    EXPECT_TRUE(named<QLabel>(form, "Label_k2")->font().bold());
    QTest::mouseClick(named<QLabel>(form, "Label_k1"), Qt::LeftButton);
    EXPECT_EQ(windowState.activeCursor(), 1);
}

TEST_F(ControlsWiringTest, pointerInsideThePlot_showsItsDistanceInPanel0) {
    const QRectF plot = chart.layout().plot;
    ASSERT_GT(plot.width(), 10);
    const QPoint centre = plot.center().toPoint();
    moveOverChart(centre);
    ASSERT_TRUE(named<QLabel>(form, "StatusBar1_Panel0")->text().endsWith(" m"))
        << "with its unit: " << named<QLabel>(form, "StatusBar1_Panel0")->text().toStdString();
    const std::optional<double> shown =
        store::parseNumber(named<QLabel>(form, "StatusBar1_Panel0")->text().chopped(2));
    ASSERT_TRUE(shown) << named<QLabel>(form, "StatusBar1_Panel0")->text().toStdString();
    EXPECT_NEAR(*shown, 50, 1);
    EXPECT_TRUE(named<QLabel>(form, "StatusBar1_Panel0")->text().contains(','))
        << "the locale's decimal separator";

    const QString before = named<QLabel>(form, "StatusBar1_Panel0")->text();
    moveOverChart(QPoint(1, 1));
    EXPECT_EQ(named<QLabel>(form, "StatusBar1_Panel0")->text(), before)
        << "outside the plot the panel keeps its text";
}
