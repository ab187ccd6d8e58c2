#include "app/MainProgram.h"
#include "app/ViewSettings.h"
#include "store/IniFile.h"
#include "support/Named.h"
#include "support/RecordingMessages.h"
#include "support/ShownText.h"
#include "support/TempHome.h"
#include "support/TestFiles.h"

#include <QAction>
#include <QFile>
#include <QWidget>
#include <gtest/gtest.h>

namespace {

TEST(MainWindowSettings, firstRunWithoutFile_givesDefaults) {
    TempHome home;
    app::MainProgram program; // the window as start-up builds it, before the store opens
    app::TForm1& form = program.Form1;
    store::ViewState& state = program.state;
    app::WindowState& window = program.windowState;
    EXPECT_EQ(state.typeIndex(), 0);
    EXPECT_EQ(state.editKu(), store::ShownNumber(1.5, 3));
    EXPECT_EQ(state.zoomCaption().text(), "1");
    EXPECT_EQ(state.editK1().text(), "0");
    EXPECT_EQ(state.posK1(), 0);
    EXPECT_EQ(state.posK2(), 0);
    EXPECT_EQ(window.aproksTag(), 1) << "approximation is off by default";
    EXPECT_FALSE(named<QAction>(form, "mnAproks")->isChecked());
    EXPECT_EQ(window.screenTag(), 0) << "upper chart shown by default";
    EXPECT_TRUE(named<QAction>(form, "mnScreen")->isChecked());
    EXPECT_FALSE(QFile::exists(home.file("Echolon.v41"))) << "reading never creates the file";
}

TEST(MainWindowSettings, saveAndRestart_keepsTogglesAndValuesInKeyOrder) {
    TempHome home;
    RecordingMessages boxes;
    {
        app::MainProgram program;
        app::TForm1& form = program.Form1;
        store::ViewState& state = program.state;
        program.toggles.btScreenClick(); // hide the upper chart
        state.setEditKu(shown("2,250"));
        state.setPosK1(17);
        state.setEditK1(shown("12,50"));
        state.setTypeIndex(1);
        form.show();
        boxes.answer = true;
        EXPECT_TRUE(form.close());
    }
    const QByteArray text = readAll(home.file("Echolon.v41"));
    const QList<QByteArray> keys = {"Type=", "K1=",        "POS_K1=", "K2=",           "POS_K2=", "KU=",
                                    "Zoom=", "Smoothing=", "Screen=", "Table_Height=", "Events=", "Units="};
    qsizetype at = 0;
    for (const QByteArray& k : keys) {
        const qsizetype next = text.indexOf(k, at);
        ASSERT_GE(next, at) << "key " << k.constData() << " missing or out of order";
        at = next;
    }
    EXPECT_TRUE(text.contains("Smoothing=False"));
    EXPECT_TRUE(text.contains("Screen=True"));
    EXPECT_TRUE(text.contains("Type=KMX-419"));

    app::MainProgram program; // the window as start-up builds it, before the store opens
    app::TForm1& form = program.Form1;
    store::ViewState& state = program.state;
    app::WindowState& window = program.windowState;
    EXPECT_EQ(window.screenTag(), 1);
    EXPECT_FALSE(named<QAction>(form, "mnScreen")->isChecked());
    EXPECT_FALSE(named<QWidget>(form, "Panel_up_chart")->isVisibleTo(&form));
    EXPECT_EQ(window.aproksTag(), 1);
    EXPECT_EQ(state.editKu(), store::ShownNumber(2.25, 3));
    EXPECT_EQ(state.posK1(), 17);
    EXPECT_EQ(state.typeIndex(), 1);
}

TEST(MainWindowSettings, answeringNo_keepsWindowAndWritesNothing) {
    TempHome home;
    RecordingMessages boxes;
    boxes.answer = false;
    app::MainProgram program; // the window as start-up builds it, before the store opens
    app::TForm1& form = program.Form1;
    form.show();
    EXPECT_FALSE(form.close());
    EXPECT_TRUE(form.isVisible());
    EXPECT_EQ(boxes.confirms, QStringList{"Exit?"});
    EXPECT_FALSE(QFile::exists(home.file("Echolon.v41")));
}

TEST(MainWindowSettings, damagedValues_fallBackToDefaults) {
    TempHome home;
    QFile f(home.file("Echolon.v41"));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("\x01\x02garbage\xff\n[Form1]\nType=KMX-999\nPOS_K1=abc\nPOS_K2=12x\nTable_Height=\nKU=1.750\n"
            "K1=abc\nK2=1e400\nZoom=x\nUnits=yards\n"
            "=novalue\nno equals sign\n");
    f.close();
    const app::ViewSettings s = app::ViewSettings::load(store::IniFile(home.file("Echolon.v41")));
    EXPECT_EQ(s.typeIndex, 0);
    EXPECT_EQ(s.posK1, 0);
    EXPECT_EQ(s.posK2, 0);
    EXPECT_EQ(s.tableHeight, 110);
    EXPECT_EQ(s.ku.text(), "1.750");
    EXPECT_EQ(s.k1.text(), "0");
    EXPECT_EQ(s.k2.text(), "0");
    EXPECT_EQ(s.zoom.text(), "1");
    EXPECT_EQ(s.units, store::LengthUnit::Metres);
}

TEST(MainWindowSettings, libraryPanelHeightFollowsWindowHeight) {
    TempHome home;
    store::ViewState state;
    app::WindowState window;
    app::TForm1 form(state, window);
    const auto roomLeft = [&form](int height) {
        form.resize(1000, height);
        form.Panel_master_tableResize();
        return form.height() - named<QWidget>(form, "Panel_master_table")->maximumHeight();
    };
    // The library may grow with the window, but never into the charts' and controls' room.
    const int small = roomLeft(700), large = roomLeft(900);
    EXPECT_EQ(small, large) << "a taller window gives the library all of its extra height";
    EXPECT_GE(small, 400);
    EXPECT_GT(named<QWidget>(form, "Panel_master_table")->maximumHeight(), 0);
}

} // namespace
