// The exchange window's transfers with a stand-in for the engine that records
// each list and answers its read commands.
#include "Form2Fixture.h"

#include "exchange/PrEntryBlock.h"
#include "store/OperationJournal.h"
#include "store/encoding/CodePage.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlQuery>
#include <utility>

using exchange::CommandList;
using exchange::DeviceTransfers;
using exchange::dynamicArr;

namespace {

class Form2Test : public Form2Fixture {
protected:
    Form2Test() : window(dm, state, host, windowSide) {
        windowSide.engine = [this](CommandList& list) {
            runs << commandsOf(list);
            if (!engineOk) return false;
            for (int i = 0; i < list.count(); ++i) {
                if (!list.command(i).startsWith("02")) continue;
                const int bank = list.command(i).mid(4, 2).toInt(nullptr, 16);
                list.setObject(i, std::make_unique<dynamicArr>(answer(list.command(i), bank)));
            }
            return true;
        };
    }

    // The stand-in instrument: every fifth bank holds a waveform.
    std::function<QByteArray(const QString&, int)> answer = [](const QString&, int bank) {
        return type0Block(bank, bank % 5 == 0 ? 1 : 0xFF);
    };

    ScriptedTransfersWindow windowSide;
    DeviceTransfers window;
    QList<QStringList> runs;
    bool engineOk = true;
};

} // namespace

TEST_F(Form2Test, refreshReadsHundredListEntriesAndStoresOnlyNonEmptyBanks) {
    addDeviceEntry(42, true); // left from an earlier session: cleared first
    window.Refresh();
    ASSERT_EQ(runs.size(), 1);
    ASSERT_EQ(runs[0].size(), 100);
    EXPECT_EQ(runs[0].first(), "02040000");
    EXPECT_EQ(runs[0][10], "02040A00");
    EXPECT_EQ(runs[0].last(), "02046300");
    ASSERT_EQ(dm.t_refl_list.recordCount(), 20);
    const int bank = dm.t_refl_list.fieldIndex("BANK_NUM");
    for (int row = 0; row < 20; ++row) EXPECT_EQ(dm.t_refl_list.valueAt(row, bank).toInt(), row * 5);
    EXPECT_FALSE(window.view().prPanelsVisible);
    EXPECT_EQ(window.view().typeIndex, 0);
}

TEST_F(Form2Test, refreshForAnotherTypeClearsTheInstrumentSideAndStartsNoExchange) {
    addDeviceEntry(3, false);
    addPr(dm.t_ku_list_temp, "old", 1.5, false);
    state.setTypeIndex(1);
    window.Refresh();
    EXPECT_TRUE(runs.isEmpty());
    EXPECT_EQ(window.executor().commands.count(), 0);
    EXPECT_EQ(dm.t_refl_list.recordCount(), 0);
    EXPECT_EQ(dm.t_ku_list_temp.recordCount(), 0);
    EXPECT_EQ(window.view().typeIndex, 1);
}

TEST_F(Form2Test, cancelledEngineStoresNothing) {
    engineOk = false;
    window.Refresh();
    EXPECT_EQ(runs.size(), 1);
    EXPECT_EQ(dm.t_refl_list.recordCount(), 0);
}

TEST_F(Form2Test, readingMarkedRowsAppendsWaveformsUnmarksThemAndKeepsCurrentRow) {
    window.ReadSelectedWaveforms(); // empty instrument list: nothing at all
    addDeviceEntry(0, false);
    addDeviceEntry(5, false);
    window.ReadSelectedWaveforms(); // no marked row: no exchange
    EXPECT_TRUE(runs.isEmpty());

    addDeviceEntry(10, true);
    addDeviceEntry(15, true);
    dm.t_refl_list.moveTo(1);
    window.ReadSelectedWaveforms();
    ASSERT_EQ(runs.size(), 1);
    EXPECT_EQ(runs[0], (QStringList{"02010A00", "02010F00"}));
    EXPECT_EQ(marks(dm.t_refl_list), (QList<bool>{false, false, false, false}));
    EXPECT_EQ(dm.t_refl_list.recNo(), 1);
    ASSERT_EQ(dm.t_master2.recordCount(), 2);
    dm.t_master2.first();
    EXPECT_EQ(dm.t_master2.fieldByName("BANK_NUM").asInteger(), 10);
    EXPECT_EQ(dm.t_master2.fieldByName("MEMO").asString(), "Линия 10");
    EXPECT_EQ(dm.t_master2.fieldByName("POINTS").asBlob(), type0Block(10));
    EXPECT_EQ(dm.MasterCount, 2);
}

// The marks are cleared before the exchange: until the rows are committed the
// journal is all that says which banks were being read.
TEST_F(Form2Test, readJournal_listsTheBanksUntilEachIsStored_andIsGoneAfterTheRead) {
    addDeviceEntry(10, true);
    addDeviceEntry(15, true);
    const QString path = store::OperationJournal::defaultPath();
    QStringList seen; // what a kill at each moment would leave undone
    const auto leftUndone = [&] {
        const auto entry = store::OperationJournal::load(path);
        seen << (entry ? entry->missing().join(',') : QStringLiteral("none"));
    };
    const auto engine = windowSide.engine;
    windowSide.engine = [&](CommandList& list) {
        leftUndone();
        return engine(list);
    };
    dm.t_master2.afterPost = [&](store::Dataset&) { leftUndone(); };
    window.ReadSelectedWaveforms();
    EXPECT_EQ(seen, QStringList({"10,15", "10,15", "15"})) << "ticked off once each row is committed";
    EXPECT_FALSE(QFileInfo::exists(path));

    addDeviceEntry(20, true);
    engineOk = false; // "Стоп"
    window.ReadSelectedWaveforms();
    EXPECT_FALSE(QFileInfo::exists(path)) << "the user stopped it: nothing to finish later";
}

// The disk fills up after the first waveform: the rest is named in one line
// with the folder, and the stored row stays.
TEST_F(Form2Test, fullDiskDuringARead_stopsWithOneLineNamingTheBanksLeft) {
    addDeviceEntry(10, true);
    addDeviceEntry(15, true);
    addDeviceEntry(20, true);
    bool filled = false;
    dm.t_master2.afterPost = [&](store::Dataset&) {
        if (std::exchange(filled, true)) return;
        QSqlQuery q(dm.Database1.handle());
        ASSERT_TRUE(q.exec("PRAGMA page_count") && q.next());
        ASSERT_TRUE(q.exec(QStringLiteral("PRAGMA max_page_count = %1").arg(q.value(0).toInt())));
        const auto filler = [&](int size) {
            q.prepare("INSERT INTO master (MEMO) VALUES (?)");
            q.addBindValue(QString(size, 'x'));
            return q.exec();
        };
        for (int size : {4000, 1000, 200, 40})
            while (filler(size)) {
            }
    };
    window.ReadSelectedWaveforms();
    ASSERT_EQ(messages.warnings.size(), 1) << messages.warnings.join('\n').toStdString();
    const QString line = messages.warnings[0];
    EXPECT_TRUE(line.startsWith("2 of 3 waveforms")) << line.toStdString();
    EXPECT_TRUE(line.contains("(banks 15, 20)")) << line.toStdString();
    EXPECT_TRUE(line.contains("the disk holding " + QDir::toNativeSeparators(home.file("Data")) + " is full"))
        << line.toStdString();
    ASSERT_EQ(dm.t_master.recordCount(), 1);
    EXPECT_EQ(dm.t_master.fieldByName("BANK_NUM").asInteger(), 10);
}

TEST_F(Form2Test, writingBanks3And7SendsTheirBlocksThenReadsListEntryZero) {
    addWaveform(1, 3, true, type0Block(3));
    addWaveform(2, 4, false, type0Block(4));
    addWaveform(3, 7, true, type0Block(7));
    addDeviceEntry(20, false);
    window.WriteSelectedWaveforms();
    ASSERT_EQ(runs.size(), 1);
    EXPECT_EQ(runs[0], (QStringList{"03010300", "03010700", "02040000"}));
    // The list the engine ran keeps its blocks until the next transfer.
    EXPECT_EQ(window.executor().commands.object(0)->bytes, type0Block(3));
    EXPECT_EQ(window.executor().commands.object(1)->bytes, type0Block(7));
    EXPECT_EQ(marks(dm.t_master), (QList<bool>{false, false, false}));
    // The instrument side now shows bank 0 only.
    ASSERT_EQ(dm.t_refl_list.recordCount(), 1);
    EXPECT_EQ(dm.t_refl_list.fieldByName("BANK_NUM").asInteger(), 0);
}

TEST_F(Form2Test, walkOverLibraryLeavesTheMainWindowUntouched) {
    addWaveform(1, 3, false, type0Block(3));
    addWaveform(2, 7, false, type0Block(7));
    dm.t_master.moveTo(1);
    engineOk = false; // only the walk and the quiet tag are looked at here
    dm.t_master.setValueAt(0, dm.t_master.fieldIndex("PICTURE"), true);
    dm.t_master.moveTo(1);
    const int redrawsBefore = host.redraws();
    window.WriteSelectedWaveforms();
    EXPECT_EQ(host.redraws(), redrawsBefore);
    EXPECT_EQ(dm.t_master.recNo(), 1);
    EXPECT_EQ(dm.t_master.tag(), store::TagNormal);
}

TEST_F(Form2Test, writingWithoutMarkedWaveformsStartsNoExchange_badRowsStayMarked) {
    window.WriteSelectedWaveforms(); // empty library
    addWaveform(1, 3, false, type0Block(3));
    window.WriteSelectedWaveforms();
    EXPECT_TRUE(runs.isEmpty());

    addWaveform(2, 300, true, type0Block(3));      // no two-digit bank
    addWaveform(3, 4, true, QByteArray(100, 'x')); // no whole block
    window.WriteSelectedWaveforms();
    EXPECT_TRUE(runs.isEmpty());
    EXPECT_EQ(marks(dm.t_master), (QList<bool>{false, true, true}));
    ASSERT_EQ(messages.warnings.size(), 2);
    EXPECT_TRUE(messages.warnings[0].contains("300"));
    EXPECT_TRUE(messages.warnings[1].contains("4"));
}

TEST_F(Form2Test, prWriteRewritesInstrumentTableWithMarkedEntriesAppended) {
    state.setTypeIndex(3); // a packet instrument, which keeps a PR table
    engineOk = false;
    window.Refresh();
    runs.clear();
    for (int i = 0; i < 4; ++i)
        addPr(dm.t_ku_list_temp, QStringLiteral("DEV%1").arg(i), (11 + i) / 10.0, false);
    addPr(dm.t_ku_list, "CABLE", 1.5, true);
    addPr(dm.t_ku_list, "skip", 2.0, false);
    addPr(dm.t_ku_list, "Кабель АПВ-10", 1.25, true);

    window.WriteSelectedPrEntries();
    ASSERT_EQ(runs.size(), 1);
    EXPECT_EQ(runs[0], (QStringList{"03020003", "02020003"}));
    const QByteArray block = window.executor().commands.object(0)->bytes;
    ASSERT_EQ(block.size(), 120);
    for (int r = 0; r < 6; ++r) {
        EXPECT_EQ(block[20 * r], 2);
        EXPECT_EQ(block[20 * r + 1], r + 1);
        EXPECT_EQ(block.mid(20 * r + 14, 4), QByteArray(4, '\0'));
    }
    EXPECT_EQ(block.mid(2, 12), QByteArray("DEV0        "));
    EXPECT_EQ(block.mid(20 * 1 + 18, 2), QByteArray("\xB0\x04", 2)); // 1.2 as 1200
    EXPECT_EQ(block.mid(20 * 4 + 2, 12), QByteArray("CABLE       "));
    EXPECT_EQ(block.mid(20 * 4 + 18, 2), QByteArray("\xDC\x05", 2));
    EXPECT_EQ(block.mid(20 * 5 + 2, 12), store::toCp1251("Кабель АПВ-1"));
    EXPECT_EQ(marks(dm.t_ku_list, "picture"), (QList<bool>{false, false, false}));
    EXPECT_EQ(dm.t_ku_list_temp.recordCount(), 0);
}

TEST_F(Form2Test, prWriteSendsNothingWithoutEntriesOrForTheShortFrameType) {
    state.setTypeIndex(4);
    engineOk = false;
    window.Refresh();
    window.WriteSelectedPrEntries();
    EXPECT_TRUE(runs.isEmpty());

    state.setTypeIndex(0);
    window.Refresh();
    runs.clear();
    addPr(dm.t_ku_list, "CABLE", 1.5, true);
    window.WriteSelectedPrEntries();
    EXPECT_TRUE(runs.isEmpty());
    EXPECT_EQ(marks(dm.t_ku_list, "picture"), QList<bool>{true});
}

TEST_F(Form2Test, prValuesAreThousandthsTruncatedAndBounded) {
    using exchange::PrEntryBlock;
    EXPECT_EQ(PrEntryBlock::rawValue(1.5), 1500);
    EXPECT_EQ(PrEntryBlock::rawValue(1.2345), 1234);
    EXPECT_EQ(PrEntryBlock::rawValue(double(1.3f)), 1300);
    EXPECT_EQ(PrEntryBlock::rawValue(double(0.95f)), 950);
    EXPECT_EQ(PrEntryBlock::rawValue(-1), 0);
    EXPECT_EQ(PrEntryBlock::rawValue(1e9), 65535);
}

TEST_F(Form2Test, typeChangeAppliesTheMainFilterAndHidesThePrPanels) {
    window.ComboBox_type2Change(0);
    EXPECT_EQ(host.filters(), 1);
    EXPECT_EQ(state.typeIndex(), 0);
    EXPECT_FALSE(window.view().prPanelsVisible);
}

TEST_F(Form2Test, openDatabaseRegistersTheFileAndRestoresAnEmptyLibraryInDataFolders) {
    host.calls.clear();
    window.OpenDatabase();
    EXPECT_EQ(host.redraws(), 0);

    const QString folder = home.file("Data/other");
    ASSERT_TRUE(QDir().mkpath(folder));
    windowSide.chooser = [&](const std::function<void(const QString&)>& entered) {
        entered(folder);
        return folder + "/ecl41_data.db";
    };
    window.OpenDatabase();
    EXPECT_TRUE(QFileInfo::exists(folder + "/ecl41_data.db"));
    EXPECT_EQ(dm.registeredLibraryPath(), folder + "/ecl41_data.db");
    EXPECT_TRUE(state.title().startsWith("Echolon 4.1   ["));
    EXPECT_EQ(host.calls.filter("redraw"), QStringList{"redraw 3"});
    EXPECT_TRUE(messages.errors.isEmpty());
}
