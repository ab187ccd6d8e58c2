#include "ReportFixture.h"

#include "store/TDataModule1.h"
#include "support/RecordingHost.h"

using namespace report;

namespace {

// The report filled through the real data module: the library query, its
// count and the compare library with the module's own handlers.
class DataModulePrintTest : public ReportFixture {
protected:
    DataModulePrintTest() {
        addWaveform(library, 1, QStringLiteral("current"), 5);
        for (int i = 1; i <= 3; ++i) addWaveform(compare, i, QStringLiteral("\\DATA\\x\\c%1").arg(i), 40 + i);
        library.close();
        compare.close();
        libraryDb.disconnect();
        compareDb.disconnect();
        host.state = &state;
    }

    RecordingHost host;
};

} // namespace

TEST_F(DataModulePrintTest, printing_readsTheModuleAndLeavesTheWindowAsItWas) {
    store::TDataModule1 dm(state, host);
    host.module = &dm;
    dm.DataModuleCreate();
    ASSERT_EQ(dm.MasterCount, 1);
    dm.t_picture.setTag(store::TagNormal);
    dm.t_picture.moveTo(2);
    state.setWaveSource(1);
    const int redraws = host.redraws();

    PrintAction::fill(form, state, dm, true, QDateTime::currentDateTime());

    EXPECT_EQ(column(1)[3], "current");
    EXPECT_EQ(column(1)[2], "/Data/"); // the program's own folder, from its data folder on
    EXPECT_EQ(column(2)[3], "c1");
    EXPECT_EQ(column(4)[3], "c3");
    // Quiet moves: the compare library's handler neither took the view nor redrew.
    EXPECT_EQ(state.waveSource(), 1);
    EXPECT_EQ(host.redraws(), redraws);
    EXPECT_EQ(dm.t_picture.recNo(), 2);
    EXPECT_EQ(dm.t_picture.tag(), store::TagNormal);
}
