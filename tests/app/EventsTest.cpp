#include "app/MainProgram.h"
#include "report/ReportMemo.h"
#include "store/IniFile.h"
#include "store/Numbers.h"
#include "support/Named.h"
#include "support/RecordingMessages.h"
#include "support/ShownText.h"
#include "support/TempHome.h"
#include "synth/ReflectionSynth.h"
#include "trace/WindowRenderer.h"

#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QTableView>
#include <cstdlib>
#include <gtest/gtest.h>

namespace {

constexpr double kStep = 0.125; // metres per sample of a 62.5-m "pulse" record

// A 62.5-m "KMX-419" record: the launch pulse and its echoes.
void addRecord(store::TDataModule1& dm, const QString& memo, const std::vector<synth::KnownEcho>& echoes) {
    std::mt19937 rng(11);
    const std::vector<int> samples = synth::ReflectionSynth::render(500, echoes, 4, true, 2, 1.2, rng);
    QByteArray points(trace::WindowRenderer::kBlobBytes, '\0');
    for (size_t k = 0; k < samples.size(); ++k)
        points[trace::WindowRenderer::kSamplesOffset + int(k)] = char(samples[k]);
    store::Dataset& ds = dm.t_master2;
    ds.setTag(store::TagQuiet);
    ds.append();
    ds.fieldByName("REC_ID").setInteger(ds.recordCount() + 1);
    ds.fieldByName("BANK_NUM").setInteger(ds.recordCount() + 1);
    ds.fieldByName("MEMO").setString(memo);
    ds.fieldByName("SCALE").setFloat(62.5);
    ds.fieldByName("ZOOM_L").setFloat(0);
    ds.fieldByName("SPEED").setString("1,500");
    ds.fieldByName("SDVIG").setInteger(0);
    ds.fieldByName("START_PLAN").setFloat(0);
    ds.fieldByName("METHOD").setString("pulse");
    ds.fieldByName("DEVICE_TYPE").setString("KM-630 ver.1");
    ds.fieldByName("POINTS").setBlob(points);
    ds.setTag(store::TagQuiet);
    ds.post();
}

// The reflection rows' distances, as the list keeps them.
std::vector<double> echoMetres(const app::events::WaveformEvents& events) {
    std::vector<double> at;
    for (const analysis::TraceEvent& e : events.list().events)
        if (e.kind != analysis::EventKind::LaunchEnd) at.push_back(e.metres);
    return at;
}

} // namespace

// An open-like end at 30 m and, on the next waveform, a short-like one at
// 20 m: the table, the marks on both charts and a click on a row follow the
// selected waveform and the PR; the toggle is kept in the settings file.
TEST(Events, tableAndMarks_standAtTheLeadingEdge_andARowClickPutsTheActiveCursorThere) {
    TempHome home;
    RecordingMessages boxes;
    {
        app::MainProgram program;
        program.start();
        store::TDataModule1& dm = *program.DataModule1;
        addRecord(dm, "open", {{240, 90, true}});
        addRecord(dm, "short", {{160, -70, true}});
        named<QComboBox>(program.Form1, "ComboBox_type")->setCurrentIndex(1);
        emit named<QComboBox>(program.Form1, "ComboBox_type")->activated(1);
        program.Form1.resize(1024, 768);
        program.Form1.show();
        app::events::EventsWiring& wiring = *program.events;
        QTableView* grid = named<QTableView>(program.Form1, "EventGrid");

        EXPECT_FALSE(named<QAction>(program.Form1, "mnEvents")->isChecked());
        EXPECT_TRUE(program.TDBChart1.eventMarks().isEmpty()) << "off at start";
        named<QAction>(program.Form1, "mnEvents")->trigger();
        EXPECT_TRUE(grid->isVisible());
        EXPECT_EQ(grid->accessibleName(), "Events");

        dm.t_master.first();
        ASSERT_EQ(dm.t_master.fieldByName("MEMO").asString(), "open");
        ASSERT_EQ(echoMetres(wiring.events), std::vector<double>{echoMetres(wiring.events).at(0)});
        EXPECT_NEAR(echoMetres(wiring.events)[0], 240 * kStep, kStep);
        const int row = grid->model()->rowCount() - 1;
        EXPECT_EQ(grid->model()->index(row, 1).data().toString(), "end of line");
        EXPECT_EQ(grid->model()->index(row, 4).data().toString(), "up: open");

        // The marks on both charts, and on the screen where the lower chart puts that distance.
        for (const trace::ScreenChart* chart : {&program.DBChart1, &program.TDBChart1}) {
            ASSERT_EQ(chart->eventMarks().size(), 2);
            EXPECT_NEAR(chart->eventMarks()[1].metres, 240 * kStep, kStep);
        }
        const QList<trace::PlacedMark> ticks = program.TDBChart1.layout().events;
        ASSERT_EQ(ticks.size(), 2);
        const double x30 = program.TDBChart1.xOf(240 * kStep).value_or(-1);
        const double x31 = program.TDBChart1.xOf(241 * kStep).value_or(-1);
        EXPECT_NEAR(ticks[1].x, x30, std::abs(x31 - x30) + 0.5);
        EXPECT_EQ(ticks[1].polarity, 1);

        // A click on the row moves the active cursor, K1 and then K2.
        emit grid->clicked(grid->model()->index(row, 0));
        EXPECT_NEAR(program.state.editK1().value(), echoMetres(wiring.events)[0], 0.01);
        program.windowState.setActiveCursor(2);
        emit grid->clicked(grid->model()->index(row, 2));
        EXPECT_NEAR(program.state.editK2().value(), echoMetres(wiring.events)[0], 0.01);

        // The next waveform, then another PR.
        dm.t_master.last();
        ASSERT_EQ(dm.t_master.fieldByName("MEMO").asString(), "short");
        ASSERT_EQ(echoMetres(wiring.events).size(), 1u);
        EXPECT_NEAR(echoMetres(wiring.events)[0], 160 * kStep, kStep);
        EXPECT_EQ(grid->model()->index(grid->model()->rowCount() - 1, 4).data().toString(), "down: short");
        EXPECT_EQ(program.TDBChart1.layout().events.last().polarity, -1);
        const double atPr15 = echoMetres(wiring.events)[0];
        program.state.setEditKu(shown("2,000"));
        program.redraw(1);
        EXPECT_DOUBLE_EQ(echoMetres(wiring.events)[0], atPr15 * 1.5 / 2.0);

        program.Form1.SaveSettings();
    }
    const store::IniFile ini(home.file("Echolon.v41"));
    EXPECT_EQ(ini.readString("Form1", "Events", ""), "True");
    EXPECT_TRUE(boxes.errors.isEmpty()) << boxes.errors.join('\n').toStdString();
}

// Ten echoes and the launch end are more than the report's six lines hold:
// it prints the line's end and the three strongest echoes, by distance with
// their table numbers, and says how many it left out.
TEST(Events, reportWithMoreEventsThanFit_keepsTheEndAndTheStrongestEchoes) {
    TempHome home;
    RecordingMessages boxes;
    app::MainProgram program;
    program.start();
    store::TDataModule1& dm = *program.DataModule1;
    addRecord(dm, "many",
              {{40, 15},
               {80, -14},
               {120, 60},
               {160, -16},
               {200, 13},
               {240, -45},
               {280, 15},
               {320, -12},
               {360, 50},
               {420, 90, true}});
    named<QComboBox>(program.Form1, "ComboBox_type")->setCurrentIndex(1);
    emit named<QComboBox>(program.Form1, "ComboBox_type")->activated(1);
    named<QAction>(program.Form1, "mnEvents")->trigger();
    dm.t_master.first();
    ASSERT_EQ(program.events->events.rows().size(), 11) << "the launch end and ten echoes";

    program.form_print.showEvents(program.events->events.reportLines());
    const QStringList printed = program.form_print.QRMemo_events->lines;
    ASSERT_EQ(printed.size(), 6) << printed.join('\n').toStdString();
    EXPECT_EQ(printed[0], "Events:");
    // "4. reflection, 14.88 m, +60, up: open"
    const auto says = [&](int line, const char* start, int amplitude) {
        const QStringList parts = printed[line].split(", ");
        ASSERT_EQ(parts.size(), 4) << printed[line].toStdString();
        EXPECT_TRUE(printed[line].startsWith(start)) << printed.join('\n').toStdString();
        EXPECT_NEAR(parts[2].toInt(), amplitude, 0.15 * std::abs(amplitude)) << printed[line].toStdString();
    };
    says(1, "4. reflection, 1", 60);
    says(2, "7. reflection, 30", -45);
    says(3, "10. reflection, 45", 50);
    says(4, "11. end of line, 52", 90);
    EXPECT_EQ(printed[5], "... and 7 more");
    EXPECT_TRUE(boxes.errors.isEmpty()) << boxes.errors.join('\n').toStdString();
}
