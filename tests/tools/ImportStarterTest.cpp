#include "tools/ImportStarter.h"
#include "OldDatabaseFixture.h"
#include "exchange/TExecutionCom.h"
#include "store/TDataModule1.h"
#include "store/ViewState.h"
#include "support/RecordingHost.h"
#include "support/RecordingMessages.h"
#include "support/TempHome.h"
#include "tools/ImportCommandList.h"
#include "tools/ImportCore.h"

#include <gtest/gtest.h>

using tools::ImportStarter;

namespace {

// A stored block of the older instrument: scale code 2, a propagation code, a
// name (up to 38 bytes), and the checksum byte when the block has one.
//
// The checksum is a constant worked out by hand, not summed as the program
// does: each name byte has a partner from offset 330 on (past the name, read by
// nothing) that makes the pair add up to 256, so bytes 0..383 always sum to
//   samples -50..49, -50..49, -50..-1 as bytes: 12750 + 12750 + 11525 = 37025
//   averaging 4, date 15 03 09, scale 2, propagation 50:                   89
//                                                                       37114
// plus a multiple of 256, and 37114 = 144 × 256 + 250: checksum 0xFA.
QByteArray type0Block(const QByteArray& name, int size = 385) {
    QByteArray b(size, '\0');
    for (int i = 0; i < 250; ++i) b[i] = char(i % 100 - 50);
    b[259] = 4;
    b[266] = 0x15;
    b[267] = 0x03;
    b[268] = 0x09;
    b[270] = 2;
    b[272] = 50;
    b.replace(281, name.size(), name);
    for (int i = 0; i < name.size(); ++i) b[330 + i] = char(-name[i]);
    if (size > 384) b[384] = char(0xFA);
    return b;
}

class ImportStarterTest : public ::testing::Test {
protected:
    ImportStarterTest() : dm(state, host), executor(dm) { host.module = &dm; }
    void SetUp() override {
        dm.DataModuleCreate();
        file = home.file("ecl40_data.mdb");
    }

    // The dialog as a user drives it: choose the file, Start, then OK or Cancel.
    ImportStarter::ShowDialog user(bool ok) {
        return [this, ok](tools::ImportCommandList& list) {
            markerSeen = list.firstCommand();
            core.setCommandList(&list);
            core.activate();
            core.chooseFile(file);
            core.start();
            return ok && core.save();
        };
    }

    QStringList commands() const {
        QStringList c;
        for (int i = 0; i < executor.commands.count(); ++i) c << executor.commands.command(i);
        return c;
    }

    TempHome home;
    RecordingMessages messages;
    store::ViewState state;
    RecordingHost host{state};
    store::TDataModule1 dm;
    exchange::TExecutionCom executor;
    tools::ImportCore core;
    QString file;
    QString markerSeen;
};

TEST_F(ImportStarterTest, markerCarriesTheTypeEntry) {
    EXPECT_EQ(ImportStarter::markerCommand(0), "04010000");
    EXPECT_EQ(ImportStarter::markerCommand(1), "04010001");
    EXPECT_EQ(ImportStarter::markerCommand(-1), "04010000");
}

TEST_F(ImportStarterTest, threeOldRecordsBecomeThreeLibraryRows) {
    ASSERT_TRUE(writeOldDatabase(
        file, {{3, type0Block("first")}, {10, type0Block("second", 384)}, {7, type0Block("third")}}));
    executor.commands.add("02010500"); // left over from an earlier exchange
    EXPECT_TRUE(ImportStarter::run(executor, 1, user(true)));
    EXPECT_EQ(markerSeen, "04010001");
    EXPECT_EQ(commands(), QStringList({"02010300", "02010A00", "02010700"}));
    EXPECT_TRUE(messages.warnings.isEmpty()) << messages.warnings.join("\n").toStdString();

    store::Dataset& ds = dm.t_master2;
    ASSERT_EQ(ds.recordCount(), 3);
    ds.first();
    QStringList names, banks;
    for (int i = 0; i < 3; ++i, ds.next()) {
        names << ds.fieldByName("MEMO").asString();
        banks << ds.fieldByName("BANK_NUM").asString();
        EXPECT_EQ(ds.fieldByName("DEVICE_TYPE").asString(), "KM-41A1 ver.5");
    }
    EXPECT_EQ(names, QStringList({"first", "second", "third"}));
    EXPECT_EQ(banks, QStringList({"3", "10", "7"}));
    // The 384-byte block without its checksum byte is stored as it came.
    ds.moveTo(1);
    EXPECT_EQ(ds.fieldByName("POINTS").asBlob(), type0Block("second", 384));
}

TEST_F(ImportStarterTest, cancelAfterStartLeavesTheEntriesUnconverted) {
    ASSERT_TRUE(writeOldDatabase(file, {{1, type0Block("a")}, {2, type0Block("b")}}));
    EXPECT_FALSE(ImportStarter::run(executor, 0, user(false)));
    EXPECT_EQ(commands(), QStringList({"02010100", "02010200"}));
    ASSERT_NE(executor.commands.object(0), nullptr);
    EXPECT_EQ(executor.commands.object(0)->bytes, type0Block("a"));
    EXPECT_EQ(dm.t_master2.recordCount(), 0);
}

TEST_F(ImportStarterTest, skippedRecordsNeverReachTheExecutor) {
    ASSERT_TRUE(writeOldDatabase(
        file,
        {{1, QVariant(QMetaType(QMetaType::QByteArray))}, {300, type0Block("x")}, {2, type0Block("kept")}}));
    EXPECT_TRUE(ImportStarter::run(executor, 0, user(true)));
    EXPECT_EQ(commands(), QStringList({"02010200"}));
    EXPECT_EQ(dm.t_master2.recordCount(), 1);
    EXPECT_EQ(core.skipped, 2);
}

} // namespace
