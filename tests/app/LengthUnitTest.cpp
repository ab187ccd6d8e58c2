#include "app/MainProgram.h"
#include "report/PrintAction.h"
#include "report/ReadoutLines.h"
#include "report/ReportChart.h"
#include "report/ReportMemo.h"
#include "store/Numbers.h"
#include "store/Units.h"
#include "support/Named.h"
#include "support/RecordingMessages.h"
#include "support/TempHome.h"
#include "trace/CommaLocale.h"
#include "trace/SlotLayout.h"

#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <QToolButton>
#include <cmath>
#include <gtest/gtest.h>
#include <optional>

namespace {

using trace::Axis;
using trace::SlotLayout;

constexpr double kFeet = 3.28084;

// Everything the user reads as a distance, in one place, to compare the two units.
struct Readings {
    QStringList boxes;   // K1, K2, L
    QStringList marks;   // the labels on the lower chart's cursor lines
    QStringList printed; // the report's readouts
    QString axisTitle, printedAxisTitle, scaleLabel, scaleValue, prHint;
    double axisMin = 0, axisMax = 0, tick = 0;
    bool operator==(const Readings&) const = default;
};

// The whole program as the user has it, with one "KMX-419" waveform of 1000 m
// at PR 1,870 and the cursors stepped apart.
class LengthUnitTest : public ::testing::Test {
protected:
    LengthUnitTest() { start(); }
    ~LengthUnitTest() override { store::Units::setCurrent(store::LengthUnit::Metres); }

    void start() {
        program.emplace();
        program->start();
        store::Dataset& ds = program->DataModule1->t_master2;
        if (ds.recordCount() == 0) {
            ds.setTag(store::TagQuiet);
            ds.append();
            ds.fieldByName("REC_ID").setInteger(1);
            ds.fieldByName("MEMO").setString("feeder");
            ds.fieldByName("SCALE").setFloat(1000);
            ds.fieldByName("ZOOM_L").setFloat(0);
            ds.fieldByName("START_PLAN").setFloat(0);
            ds.fieldByName("SPEED").setString("1,870");
            ds.fieldByName("SDVIG").setInteger(0);
            ds.fieldByName("METHOD").setString("pulse");
            ds.fieldByName("DEVICE_TYPE").setString("KM-630 ver.1");
            ds.fieldByName("POINTS").setBlob(QByteArray(8512, '\x05'));
            ds.setTag(store::TagQuiet);
            ds.post();
        }
        named<QComboBox>(form(), "ComboBox_type")->setCurrentIndex(1);
        emit named<QComboBox>(form(), "ComboBox_type")->activated(1);
        form().resize(1024, 768);
        form().show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&form()));
    }
    app::TForm1& form() { return program->Form1; }
    void click(QAbstractButton* button, int times) {
        for (int i = 0; i < times; ++i) QTest::mouseClick(button, Qt::LeftButton);
    }
    double metres(const QString& box) const { return store::parseNumber(box).value_or(NAN); }
    void type(QLineEdit* box, const QString& text) {
        box->setFocus();
        box->selectAll();
        QTest::keyClicks(box, text);
        QTest::keyClick(box, Qt::Key_Return);
    }

    Readings read() {
        Readings r;
        r.boxes = {named<QLineEdit>(form(), "Edit_k1")->text(), named<QLineEdit>(form(), "Edit_k2")->text(),
                   named<QLineEdit>(form(), "Edit_l")->text()};
        const trace::ChartLayout& lower = program->TDBChart1.layout();
        for (const trace::PlacedLabel& label : lower.lineLabels) r.marks << label.text;
        r.axisTitle = program->TDBChart1.axisTitle(Axis::Bottom);
        r.axisMin = store::Units::toShown(lower.xMin);
        r.axisMax = store::Units::toShown(lower.xMax);
        r.tick = lower.xTicks.size() > 1 ? lower.xTicks[1].value - lower.xTicks[0].value : 0;
        EXPECT_EQ(program->DBChart1.axisTitle(Axis::Top), r.axisTitle) << "the overview reads alike";
        report::Tform_print& page = program->form_print;
        report::PrintAction::fill(page, program->state, *program->DataModule1, true, QDateTime());
        r.printed = page.QRMemo4->lines;
        r.printedAxisTitle = page.QRChart2->axisTitle(Axis::Bottom);
        r.scaleLabel = page.QRMemo1->lines.value(4);
        r.scaleValue = page.valueColumn(1)->lines.value(4);
        r.prHint = named<QLineEdit>(form(), "Edit_ku")->toolTip();
        return r;
    }

    CommaLocale locale;
    TempHome home;
    RecordingMessages boxes;
    std::optional<app::MainProgram> program;
};

// A whole multiple of 1, 2 or 5 × 10^n: a tick a person reads at a glance.
bool round(double step) {
    const double mantissa = step / std::pow(10.0, std::floor(std::log10(step) + 1e-9));
    return std::fabs(mantissa - 1) < 1e-6 || std::fabs(mantissa - 2) < 1e-6 || std::fabs(mantissa - 5) < 1e-6;
}

QString feet(const QString& metresText, int decimals = 2) {
    return store::formatFixed(store::parseNumber(metresText).value_or(NAN) * kFeet, decimals);
}

TEST_F(LengthUnitTest, feetByTheMenu_showEveryDistanceInFeet_andMetresComeBackUnchanged) {
    click(named<QToolButton>(form(), "SpeedButton_k1_inc"), 37);
    click(named<QToolButton>(form(), "SpeedButton_k2_inc"), 151);
    const QString k1 = program->state.editK1().text(), k2 = program->state.editK2().text(),
                  pr = program->state.editKu().text();
    ASSERT_EQ(pr, "1,870");
    const Readings inMetres = read();
    EXPECT_EQ(inMetres.axisTitle, "scale, (m)");
    EXPECT_TRUE(inMetres.prHint.contains("PR 1,870: propagation velocity 160,3 m/µs, half 80,2 m/µs"))
        << inMetres.prHint.toStdString();
    EXPECT_EQ(inMetres.printed.value(4), "160,3 / 80,2 m/µs");

    named<QAction>(form(), "mnFeet")->trigger();
    EXPECT_TRUE(named<QAction>(form(), "mnFeet")->isChecked());
    EXPECT_FALSE(named<QAction>(form(), "mnMetres")->isChecked());
    const Readings inFeet = read();
    EXPECT_EQ(program->state.editK1().text(), k1) << "the kept value stays in metres";
    EXPECT_EQ(program->state.editK2().text(), k2);
    EXPECT_EQ(program->state.editKu().text(), pr);
    EXPECT_EQ(inFeet.boxes, QStringList({feet(k1), feet(k2), feet(inMetres.boxes[2])}));
    EXPECT_EQ(inFeet.marks, QStringList({inFeet.boxes[0] + " ft", inFeet.boxes[1] + " ft",
                                         "L = " + inFeet.boxes[2] + " ft"}));
    EXPECT_EQ(inFeet.axisTitle, "scale, (ft)");
    EXPECT_EQ(inFeet.printedAxisTitle, "scale, (ft)");
    EXPECT_NEAR(inFeet.axisMin, inMetres.axisMin * kFeet, 1e-9);
    EXPECT_NEAR(inFeet.axisMax, inMetres.axisMax * kFeet, 1e-6);
    EXPECT_TRUE(round(inFeet.tick)) << "ticks at round feet, not at converted metres: " << inFeet.tick;
    EXPECT_EQ(inFeet.printed.mid(5),
              QStringList({inFeet.boxes[0] + " ft", inFeet.boxes[1] + " ft", inFeet.boxes[2] + " ft"}));
    EXPECT_EQ(inFeet.printed.value(2),
              report::ReadoutLines::fixed7((inMetres.axisMax - inMetres.axisMin) * 0.002 * kFeet) + " ft")
        << "length resolution";
    EXPECT_EQ(inFeet.printed.value(4), "526,0 / 263,0 ft/µs");
    EXPECT_EQ(inFeet.scaleLabel, "scale (ft)");
    EXPECT_EQ(inFeet.scaleValue, feet("1000"));
    EXPECT_TRUE(inFeet.prHint.contains(
        "PR 1,870: propagation velocity 160,3 m/µs (526,0 ft/µs), half 80,2 m/µs (263,0 ft/µs)"))
        << inFeet.prHint.toStdString();

    named<QAction>(form(), "mnMetres")->trigger();
    EXPECT_EQ(read(), inMetres) << "metres read exactly as before the switch";

    // In feet, a click on the chart and a typed distance both land where the feet say.
    named<QAction>(form(), "mnFeet")->trigger();
    const trace::ScreenChart& chart = program->TDBChart1;
    const QPoint pixel = QPointF(chart.xOf(200).value_or(-1), chart.layout().plot.center().y()).toPoint();
    QTest::mouseClick(named<QLabel>(form(), "Label_k1"), Qt::LeftButton); // a click moves the active cursor
    QTest::mouseClick(chart.view(), Qt::LeftButton, {}, pixel);
    EXPECT_NEAR(metres(program->state.editK1().text()), 200, 2.0) << "one sample of the chart is 2 m";
    type(named<QLineEdit>(form(), "Edit_k1"), "328,084");
    EXPECT_NEAR(metres(program->state.editK1().text()), 100, 1.0) << "328,084 ft are 100 m";
    EXPECT_EQ(named<QLineEdit>(form(), "Edit_k1")->text(), feet(program->state.editK1().text()));
    EXPECT_NEAR(program->TDBChart1.points(SlotLayout::kCursorK1).value(0).x(),
                metres(program->state.editK1().text()), 1e-9)
        << "the line stands at the box";
    EXPECT_TRUE(boxes.errors.isEmpty()) << boxes.errors.join('\n').toStdString();
}

TEST_F(LengthUnitTest, feetAreKeptAcrossARestart) {
    named<QAction>(form(), "mnFeet")->trigger();
    boxes.answer = true;
    ASSERT_TRUE(form().close());
    program.reset();
    store::Units::setCurrent(store::LengthUnit::Metres);
    QFile settings(home.file("Echolon.v41"));
    ASSERT_TRUE(settings.open(QIODevice::ReadOnly));
    const QByteArray text = settings.readAll();
    EXPECT_GT(text.indexOf("Units=ft"), text.indexOf("Table_Height="))
        << "the new key comes after the old ones";

    start();
    EXPECT_TRUE(named<QAction>(form(), "mnFeet")->isChecked());
    EXPECT_EQ(read().axisTitle, "scale, (ft)");
    EXPECT_EQ(named<QLineEdit>(form(), "Edit_k2")->text(), feet(program->state.editK2().text()));
}

} // namespace
