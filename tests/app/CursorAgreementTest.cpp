#include "app/MainProgram.h"
#include "report/PrintAction.h"
#include "report/ReportChart.h"
#include "report/ReportMemo.h"
#include "store/Numbers.h"
#include "support/Named.h"
#include "support/RecordingMessages.h"
#include "support/TempHome.h"
#include "trace/CommaLocale.h"
#include "trace/SlotLayout.h"

#include <QComboBox>
#include <QFontMetricsF>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QTest>
#include <QToolButton>
#include <cmath>
#include <gtest/gtest.h>

namespace {

using trace::SlotLayout;

// The whole program as the user has it. Whatever the user does, each cursor
// line on the lower chart and on the report's copy stands at the distance in
// its box, L is the distance between the boxes, and the printed readouts say
// the same as the boxes.
class CursorAgreementTest : public ::testing::Test {
protected:
    CursorAgreementTest() { program.start(); }

    // A waveform of the whole library, as an exchange or an import writes it.
    void addWaveform(const QString& memo, const QString& deviceType, double scale, const QString& speed) {
        store::Dataset& ds = program.DataModule1->t_master2;
        const bool plan = deviceType == QStringLiteral("KM-41A1 ver.5");
        ds.setTag(store::TagQuiet);
        ds.append();
        ds.fieldByName("REC_ID").setInteger(ds.recordCount() + 1);
        ds.fieldByName("MEMO").setString(memo);
        ds.fieldByName("SCALE").setFloat(scale);
        ds.fieldByName("ZOOM_L").setFloat(plan ? 1 : 0);
        ds.fieldByName("START_PLAN").setFloat(0);
        ds.fieldByName("SPEED").setString(speed);
        ds.fieldByName("SDVIG").setInteger(0);
        ds.fieldByName("METHOD").setString("pulse");
        ds.fieldByName("DEVICE_TYPE").setString(deviceType);
        ds.fieldByName("POINTS").setBlob(QByteArray(plan ? 385 : 8512, '\x05'));
        ds.setTag(store::TagQuiet);
        ds.post();
    }
    void addCompare(double scale, const QString& memo = {}) {
        store::Dataset& ds = program.DataModule1->t_picture;
        ds.setTag(store::TagQuiet);
        ds.append();
        ds.fieldByName("REC_ID").setInteger(ds.recordCount() + 1);
        if (!memo.isEmpty()) ds.fieldByName("MEMO").setString(memo);
        ds.fieldByName("SCALE").setFloat(scale);
        ds.fieldByName("ZOOM_L").setFloat(1);
        ds.fieldByName("DEVICE_TYPE").setString("KM-41A1 ver.5");
        ds.fieldByName("POINTS").setBlob(QByteArray(385, '\x01'));
        ds.setTag(store::TagQuiet);
        ds.post();
    }
    void showFamily(int typeIndex) {
        named<QComboBox>(form, "ComboBox_type")->setCurrentIndex(typeIndex);
        emit named<QComboBox>(form, "ComboBox_type")->activated(typeIndex);
    }
    // A click on the waveform's row of the library grid.
    void selectWaveform(const QString& memo) {
        store::Dataset& ds = program.DataModule1->t_master;
        const int f = ds.fieldIndex("MEMO");
        for (int row = 0; row < ds.recordCount(); ++row)
            if (store::FieldValue::text(ds.valueAt(row, f), ds.fieldKind(f)) == memo)
                named<QTableView>(form, "DBGridEh1")
                    ->setCurrentIndex(named<QTableView>(form, "DBGridEh1")->model()->index(row, 3));
        ASSERT_EQ(ds.fieldByName("MEMO").asString(), memo);
    }
    void click(QAbstractButton* button, int times = 1) {
        for (int i = 0; i < times; ++i) QTest::mouseClick(button, Qt::LeftButton);
    }
    static double shown(const QLineEdit* box) {
        const std::optional<double> v = store::parseNumber(box->text());
        EXPECT_TRUE(v) << box->objectName().toStdString() << " holds " << box->text().toStdString();
        return v.value_or(NAN);
    }
    double k1() const { return shown(named<QLineEdit>(form, "Edit_k1")); }
    double k2() const { return shown(named<QLineEdit>(form, "Edit_k2")); }
    double pr() const { return shown(named<QLineEdit>(form, "Edit_ku")); }
    // Distance of a sample of the waveform drawn on the lower chart.
    double sampleAt(int k) const { return program.TDBChart1.points(SlotLayout::kLowerCurrent).at(k).x(); }

    void expectAgreement(const char* after) {
        SCOPED_TRACE(after);
        const trace::Chart& printedChart = *program.form_print.QRChart2;
        for (const auto& [slot, box] :
             {std::pair{int(SlotLayout::kCursorK1), named<QLineEdit>(form, "Edit_k1")},
              std::pair{int(SlotLayout::kCursorK2), named<QLineEdit>(form, "Edit_k2")}}) {
            const double distance = shown(box);
            for (const QList<QPointF>& line : {program.TDBChart1.points(slot), printedChart.points(slot)}) {
                ASSERT_EQ(line.size(), 2) << "slot " << slot;
                EXPECT_EQ(line[0].x(), line[1].x());
                EXPECT_NEAR(line[0].x(), distance, 0.005 + 1e-9)
                    << "line of slot " << slot << " against its box";
            }
        }
        EXPECT_NEAR(shown(named<QLineEdit>(form, "Edit_l")), std::fabs(k1() - k2()), 1e-9) << "L";

        report::PrintAction::fill(program.form_print, program.state, *program.DataModule1, true, QDateTime());
        const QString m = QStringLiteral(" m");
        EXPECT_EQ(program.form_print.QRMemo4->lines.mid(5),
                  QStringList({named<QLineEdit>(form, "Edit_k1")->text() + m,
                               named<QLineEdit>(form, "Edit_k2")->text() + m,
                               named<QLineEdit>(form, "Edit_l")->text() + m}));
        EXPECT_TRUE(boxes.errors.isEmpty()) << boxes.errors.join('\n').toStdString();
    }
    // In the plan view both cursors stay on the plan the lower chart shows.
    void expectOnThePlan() {
        const trace::Chart& lower = program.TDBChart1;
        for (const double d : {k1(), k2()}) {
            EXPECT_GE(d, lower.axisMin(trace::Axis::Bottom) - 0.005);
            EXPECT_LE(d, lower.axisMax(trace::Axis::Bottom) + 0.005);
        }
    }

    // The lower chart on the screen, as the user sees it at 1024 x 768.
    QWidget* showLowerChart() {
        form.resize(1024, 768);
        form.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&form));
        return program.TDBChart1.view();
    }
    // The widget point of a distance on the lower chart, halfway up the plot, and back.
    QPoint pointAt(double metres) const {
        const std::optional<double> x = program.TDBChart1.xOf(metres);
        EXPECT_TRUE(x) << metres;
        return QPointF(x.value_or(0), program.TDBChart1.layout().plot.center().y()).toPoint();
    }
    double distanceAt(const QPoint& p) const { return program.TDBChart1.distanceAt(p).value_or(NAN); }
    void type(QLineEdit* box, const QString& text) {
        box->setFocus();
        box->selectAll();
        QTest::keyClicks(box, text);
        QTest::keyClick(box, Qt::Key_Return);
    }
    // What the labels on the cursor lines say, in order K1, K2, L.
    QStringList marks() const {
        QStringList texts;
        for (const trace::PlacedLabel& label : program.TDBChart1.layout().lineLabels) texts << label.text;
        return texts;
    }

    CommaLocale locale;
    TempHome home;
    RecordingMessages boxes;
    app::MainProgram program;
    app::TForm1& form = program.Form1;
};

TEST_F(CursorAgreementTest,
       planView_switchingToAShorterWaveform_movesLinesWithTheBoxes_andStepsGoOnFromThere) {
    addWaveform("long", "KM-41A1 ver.5", 250, "1,500");
    addWaveform("short", "KM-41A1 ver.5", 250, "1,554"); // its plan ends at 241,31 m
    addWaveform("half", "KM-41A1 ver.5", 250, "2,000");  // ends at 187,50 m
    showFamily(0);
    selectWaveform("long");
    click(named<QToolButton>(form, "SpeedButton_k2_inc"), 5);
    click(named<QToolButton>(form, "SpeedButton_k1_inc"), 260);
    EXPECT_EQ(named<QLineEdit>(form, "Edit_k1")->text(), "250,00");
    expectAgreement("stepping to the plan's end");

    selectWaveform("short");
    expectAgreement("switching to a waveform whose plan ends before K1");
    expectOnThePlan();
    const double end = k1();
    EXPECT_NEAR(end, 241.31, 0.005);
    click(named<QToolButton>(form, "SpeedButton_k1_inc"));
    EXPECT_GE(k1(), end) << "'>' never moves K1 backwards";
    click(named<QToolButton>(form, "SpeedButton_k1_dec"));
    EXPECT_NEAR(k1(), sampleAt(249), 0.005) << "'<' from the end goes to the sample before it";
    expectAgreement("stepping on the short plan");

    selectWaveform("half");
    expectAgreement("switching to a plan that ends before both cursors' old places");
    expectOnThePlan();
    EXPECT_EQ(named<QLineEdit>(form, "Edit_k1")->text(), "187,50");
    EXPECT_EQ(named<QLineEdit>(form, "Edit_l")->text(), "182,50");
}

TEST_F(CursorAgreementTest, planView_stepsFollowTheSamplesShown_andRaisingPrScalesTheDistances) {
    addWaveform("plan", "KM-41A1 ver.5", 250, "1,500");
    addCompare(1000); // the overview spans 1000 m, the plan still 250 m
    showFamily(0);
    click(named<QToolButton>(form, "SpeedButton_k1_inc"), 10);
    click(named<QToolButton>(form, "SpeedButton_k2_inc"), 3);
    EXPECT_NEAR(k1(), sampleAt(10), 0.005) << "one click, one sample of the waveform shown";
    expectAgreement("stepping");

    for (int press = 0; press < 3; ++press) {
        const double before1 = k1(), before2 = k2(), prBefore = pr();
        click(named<QToolButton>(form, "SpeedButton_ku_inc"));
        // Both boxes are rounded to the centimetre, before and after.
        EXPECT_NEAR(k1(), before1 * prBefore / pr(), 0.0101) << "press " << press;
        EXPECT_NEAR(k2(), before2 * prBefore / pr(), 0.0101) << "press " << press;
        expectAgreement("raising PR");
    }
    EXPECT_NEAR(k1(), sampleAt(10), 0.005) << "K1 is still on its sample";
}

TEST_F(CursorAgreementTest, windowView_shorterWaveformAndZoom_keepLinesAtTheBoxes) {
    addWaveform("km", "KM-630 ver.1", 1000, "1,500");
    addWaveform("short", "KM-630 ver.1", 62.5, "2,105"); // 62,5 m at PR 2,105 end at 44,54 m
    showFamily(1);
    selectWaveform("km");
    click(named<QToolButton>(form, "SpeedButton_k1_inc"), 114); // 2 m a point at zoom 1
    click(named<QToolButton>(form, "SpeedButton_k2_inc"), 60);
    EXPECT_EQ(named<QLineEdit>(form, "Edit_k1")->text(), "228,00");
    expectAgreement("stepping in the whole range");

    selectWaveform("short");
    expectAgreement("switching to a waveform shorter than both cursors' distances");
    EXPECT_EQ(named<QLineEdit>(form, "Edit_k1")->text(), "44,54");
    EXPECT_EQ(named<QLineEdit>(form, "Edit_k2")->text(), "44,54");

    selectWaveform("km");
    EXPECT_EQ(named<QLineEdit>(form, "Edit_k1")->text(), "228,00")
        << "back on a long waveform, where the user put them";
    EXPECT_EQ(named<QLineEdit>(form, "Edit_k2")->text(), "120,00");
    expectAgreement("switching back to the long waveform");
    click(named<QToolButton>(form, "SpeedButton_k2_inc"),
          80); // beyond the window that zooming around K1 will show
    const double k2Before = k2();
    QTest::mouseClick(named<QLabel>(form, "Label_k1"), Qt::LeftButton);
    click(named<QToolButton>(form, "SpeedButton_zoom_inc"), 4); // a 62,5-m window around K1
    EXPECT_EQ(named<QPushButton>(form, "Button_zoom")->text(), "16");
    expectAgreement("zooming in around K1 with K2 outside the window");
    EXPECT_NEAR(k2(), k2Before, 1e-9) << "K2 keeps its distance outside the window";

    click(named<QToolButton>(form, "SpeedButton_k2_inc"));
    EXPECT_NEAR(k2(), k2Before, 1e-9) << "'>' never moves K2 backwards to the window";
    click(named<QToolButton>(form, "SpeedButton_k1_inc"), 7); // 0,125 m a point
    expectAgreement("stepping while zoomed");
    const double fine = k1();

    click(named<QPushButton>(form, "Button_zoom"));
    expectAgreement("clearing the zoom");
    EXPECT_NEAR(k1(), fine, 1e-9) << "zooming out keeps K1's distance";
    const double prBefore = pr();
    click(named<QToolButton>(form, "SpeedButton_ku_inc"));
    EXPECT_NEAR(k1(), fine * prBefore / pr(), 0.0101)
        << "a PR step scales K1's distance, it does not snap it";
    expectAgreement("raising PR at zoom 1");
}

TEST_F(CursorAgreementTest, byHand_clicksDragKeysAndTypedDistances_placeTheCursorsWhereTheAxisSays) {
    addWaveform("plan", "KM-41A1 ver.5", 250, "1,500");
    showFamily(0);
    QWidget* view = showLowerChart();
    QWidget* plot = view;
    const double step = sampleAt(1) - sampleAt(0);

    const QPoint first = pointAt(80);
    QTest::mouseClick(plot, Qt::LeftButton, {}, first);
    EXPECT_NEAR(k1(), distanceAt(first), step) << "a click puts the active cursor, K1, where the axis says";
    expectAgreement("a click");

    const QPoint second = pointAt(150);
    QTest::mouseClick(plot, Qt::RightButton, {}, second);
    EXPECT_NEAR(k2(), distanceAt(second), step) << "a right click puts the other one, K2, there";
    EXPECT_NEAR(k1(), distanceAt(first), step) << "K1 stays";
    EXPECT_EQ(program.windowState.activeCursor(), 1) << "and K1 stays the active one";
    QTest::mouseClick(plot, Qt::LeftButton, Qt::ShiftModifier, pointAt(120));
    EXPECT_NEAR(k2(), 120, step) << "Shift with the left button is the other one too";
    expectAgreement("a right click and a Shift+click");

    // K2 chosen by its label: a click moves K2 now, a right click K1.
    QTest::mouseClick(named<QLabel>(form, "Label_k2"), Qt::LeftButton);
    QTest::mouseClick(plot, Qt::LeftButton, {}, pointAt(200));
    EXPECT_NEAR(k2(), 200, step) << "a click moves the active cursor, whichever it is";
    QTest::mouseClick(plot, Qt::RightButton, {}, pointAt(100));
    EXPECT_NEAR(k1(), 100, step);
    EXPECT_NEAR(k2(), 200, step);
    EXPECT_TRUE(program.TDBChart1.view()->toolTip().contains("active cursor"));
    QTest::mouseClick(named<QLabel>(form, "Label_k1"), Qt::LeftButton);
    QTest::mouseClick(plot, Qt::LeftButton, {}, pointAt(80));
    QTest::mouseClick(plot, Qt::RightButton, {}, pointAt(120));
    expectAgreement("clicks with K2 active");

    // A press on K1's line (the left button would take K1 anyway: take it with
    // the right one) drags K1, not K2.
    QTest::mousePress(plot, Qt::RightButton, {}, pointAt(k1()));
    QTest::mouseMove(plot, pointAt(60));
    QTest::mouseRelease(plot, Qt::RightButton, {}, pointAt(60));
    EXPECT_NEAR(k1(), 60, step) << "dragging K1's line";
    EXPECT_NEAR(k2(), 120, step);
    expectAgreement("a drag");

    // Left/Right on the chart step the active cursor as its buttons do.
    view->setFocus();
    const double before = k1();
    QTest::keyClick(view, Qt::Key_Right);
    QTest::keyClick(view, Qt::Key_Right);
    const double byKeys = k1();
    EXPECT_GT(byKeys, before);
    click(named<QToolButton>(form, "SpeedButton_k1_dec"), 2);
    click(named<QToolButton>(form, "SpeedButton_k1_inc"), 2);
    EXPECT_EQ(k1(), byKeys) << "two key presses are two button presses";
    expectAgreement("arrow keys");

    type(named<QLineEdit>(form, "Edit_k1"), "123,45");
    EXPECT_EQ(named<QLineEdit>(form, "Edit_k1")->text(), "123,45");
    type(named<QLineEdit>(form, "Edit_k2"), "17.5");
    EXPECT_EQ(named<QLineEdit>(form, "Edit_k2")->text(), "17,50");
    expectAgreement("typed distances");
    EXPECT_EQ(marks(), QStringList({"123,45 m", "17,50 m", "L = 105,95 m"})) << "the labels on the lines";
    type(named<QLineEdit>(form, "Edit_k2"), "900");
    EXPECT_NEAR(k2(), 250, 0.005) << "held to the plan shown";
    expectAgreement("a distance beyond the plan");

    type(named<QLineEdit>(form, "Edit_k1"), "12 m");
    EXPECT_EQ(named<QLineEdit>(form, "Edit_k1")->text(), "123,45") << "refused: the old distance stays";
    ASSERT_EQ(boxes.warnings.size(), 1);
    EXPECT_TRUE(boxes.warnings[0].contains("12 m")) << boxes.warnings[0].toStdString();
    expectAgreement("a refused distance");
}

// On the small screens field laptops have, both charts list every waveform
// shown, each name whole, inside the plot.
TEST_F(CursorAgreementTest, at1024x768And1366x768_bothLegendsNameEveryWaveformWhole) {
    addWaveform("Cable 10 kV, feeder 7, section 4", "KM-41A1 ver.5", 1000, "1,500");
    for (int i = 1; i <= 3; ++i) addCompare(1000, QStringLiteral("Compare cable with a long name %1").arg(i));
    showFamily(0);
    for (const QSize size : {QSize(1024, 768), QSize(1366, 768)}) {
        form.resize(size);
        form.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
        QCoreApplication::processEvents();
        for (const trace::ScreenChart* chart : {&program.DBChart1, &program.TDBChart1}) {
            const trace::ChartLayout& l = chart->layout();
            EXPECT_EQ(l.legendSlots.size(), 4) << chart->name().toStdString() << " at " << size.width();
            EXPECT_TRUE(l.plot.contains(l.legend)) << chart->name().toStdString() << " at " << size.width();
            const QFontMetricsF m(trace::ChartStyle::screen(chart->view()).font, chart->view());
            for (int slot : l.legendSlots)
                EXPECT_LT(m.horizontalAdvance(chart->legendName(slot)), l.legend.width())
                    << chart->legendName(slot).toStdString();
        }
    }
}

TEST_F(CursorAgreementTest, typedPr_redrawsLikeItsButtons_andAPrOutsideTheRangeIsRefused) {
    addWaveform("plan", "KM-41A1 ver.5", 250, "1,500");
    showFamily(0);
    click(named<QToolButton>(form, "SpeedButton_k1_inc"), 40);
    const double before = k1();

    type(named<QLineEdit>(form, "Edit_ku"), "1,870");
    EXPECT_EQ(named<QLineEdit>(form, "Edit_ku")->text(), "1,870");
    EXPECT_NEAR(sampleAt(249), 249 * 1.5 / 1.87, 0.005) << "the waveform is drawn at the new PR";
    EXPECT_NEAR(k1(), before * 1.5 / 1.87, 0.0101) << "K1 keeps its sample";
    expectAgreement("a typed PR");

    for (const QString& wrong : {QStringLiteral("3,5"), QStringLiteral("0.999"), QStringLiteral("fast")}) {
        boxes.warnings.clear();
        type(named<QLineEdit>(form, "Edit_ku"), wrong);
        EXPECT_EQ(named<QLineEdit>(form, "Edit_ku")->text(), "1,870") << wrong.toStdString();
        ASSERT_EQ(boxes.warnings.size(), 1) << wrong.toStdString();
        EXPECT_TRUE(boxes.warnings[0].contains(wrong) && boxes.warnings[0].contains("1,870"))
            << boxes.warnings[0].toStdString();
    }
    EXPECT_NEAR(sampleAt(249), 249 * 1.5 / 1.87, 0.005) << "nothing was redrawn";
    expectAgreement("refused PRs");
}

} // namespace

TEST_F(CursorAgreementTest, deletingAndBringingBackAWaveform_leavesTheCursorsWhereTheUserPutThem) {
    addWaveform("short", "KM-630 ver.1", 62.5, "2,105");
    addWaveform("km", "KM-630 ver.1", 1000, "1,500");
    showFamily(1);
    selectWaveform("km");
    click(named<QToolButton>(form, "SpeedButton_k1_inc"), 100);
    click(named<QToolButton>(form, "SpeedButton_k2_inc"), 150);
    ASSERT_EQ(named<QLineEdit>(form, "Edit_k1")->text(), "200,00");
    ASSERT_EQ(named<QLineEdit>(form, "Edit_k2")->text(), "300,00");

    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    named<QTableView>(form, "DBGridEh1")->setFocus();
    QTest::keyClick(named<QTableView>(form, "DBGridEh1"), Qt::Key_Delete);
    ASSERT_EQ(program.DataModule1->t_master.fieldByName("MEMO").asString(), "short");
    EXPECT_EQ(named<QLineEdit>(form, "Edit_k1")->text(), "44,54") << "held to the shorter waveform's end";
    QTest::keyClick(named<QTableView>(form, "DBGridEh1"), Qt::Key_Z, Qt::ControlModifier);
    ASSERT_EQ(program.DataModule1->t_master.fieldByName("MEMO").asString(), "km");
    EXPECT_EQ(named<QLineEdit>(form, "Edit_k1")->text(), "200,00");
    EXPECT_EQ(named<QLineEdit>(form, "Edit_k2")->text(), "300,00");
    EXPECT_EQ(named<QLineEdit>(form, "Edit_l")->text(), "100,00");
    expectAgreement("undoing the delete");
}
