#include "exchange/TExecutionCom.h"
#include "Type0Block.h"
#include "store/TDataModule1.h"
#include "store/ViewState.h"
#include "support/RecordingHost.h"
#include "support/RecordingMessages.h"
#include "support/TempHome.h"

#include <gtest/gtest.h>

using namespace exchange;

namespace {

QByteArray prRecord(int k, const QByteArray& name, int raw) {
    QByteArray r(20, '\0');
    r[0] = 2;
    r[1] = char(k);
    r.replace(2, 12, name.leftJustified(12, ' '));
    r[18] = char(raw & 0xFF);
    r[19] = char(raw >> 8);
    return r;
}

class Executor : public ::testing::Test {
protected:
    Executor() {
        dm.openStore();
        dm.applyTypeQuery(store::TDataModule1::deviceTypeOf(0));
    }

    void addRead(const QString& command, const QByteArray& bytes) {
        exec.commands.add(command, std::make_unique<dynamicArr>(bytes));
    }

    QVariant value(store::Dataset& ds, int row, const QString& field) {
        return ds.valueAt(row, ds.fieldIndex(field));
    }

    TempHome home;
    RecordingMessages messages;
    store::ViewState state;
    RecordingHost host;
    store::TDataModule1 dm{state, host};
    TExecutionCom exec{dm};
};

} // namespace

TEST_F(Executor, listRefresh_storesOneRowPerNonEmptyBankInOrder) {
    for (int bank = 0; bank < 100; ++bank) {
        QByteArray block = type0Block(bank, bank % 8);
        if (bank % 5 != 0) block[270] = char(0xFF);
        addRead("0204" + QStringLiteral("%1").arg(bank, 2, 16, QLatin1Char('0')).toUpper() + "00", block);
    }
    exec.Execute();
    store::Dataset& list = dm.t_refl_list;
    ASSERT_EQ(list.recordCount(), 20);
    for (int row = 0; row < 20; ++row) {
        EXPECT_EQ(value(list, row, "REC_ID_LIST").toInt(), row + 1);
        EXPECT_EQ(value(list, row, "BANK_NUM").toInt(), row * 5);
        EXPECT_EQ(value(list, row, "MEMO").toString(), QStringLiteral("Линия %1").arg(row * 5));
        EXPECT_EQ(value(list, row, "DATE").toString(), "05.03.12 00:00:00");
        EXPECT_FALSE(value(list, row, "PICTURE").toBool());
    }
    EXPECT_EQ(value(list, 1, "SCALE").toDouble(), 12500.0); // bank 5, scale code 5
    EXPECT_TRUE(messages.warnings.isEmpty());
    EXPECT_EQ(dm.t_master2.recordCount(), 0);
}

TEST_F(Executor, writesThenAListRead_storeExactlyTheOneListEntry) {
    exec.commands.add("03010300", std::make_unique<dynamicArr>(type0Block(3)));
    exec.commands.add("03010700", std::make_unique<dynamicArr>(type0Block(7)));
    addRead("02040000", type0Block(0));
    exec.Execute();
    ASSERT_EQ(dm.t_refl_list.recordCount(), 1);
    EXPECT_EQ(value(dm.t_refl_list, 0, "BANK_NUM").toInt(), 0);
    EXPECT_EQ(dm.t_master2.recordCount(), 0);
}

TEST_F(Executor, waveformReads_appendNumberedRowsAndTheLibraryViewsShowThem) {
    addRead("02010900", type0Block(9));
    exec.Execute();
    ASSERT_EQ(dm.t_master2.recordCount(), 1);
    EXPECT_EQ(value(dm.t_master2, 0, "REC_ID").toInt(), 1);
    EXPECT_EQ(value(dm.t_master2, 0, "BANK_NUM").toInt(), 9);
    EXPECT_EQ(value(dm.t_master2, 0, "DEVICE_TYPE").toString(), "KM-41A1 ver.5");
    EXPECT_EQ(dm.MasterCount, 1);
    EXPECT_GT(host.redraws(), 0);

    dm.t_master2.first();
    EXPECT_EQ(dm.t_master2.fieldByName("POINTS").asBlob(), type0Block(9));
    EXPECT_TRUE(dm.t_master2.fieldByName("TIME_OUT").isNull());

    exec.commands.clear();
    addRead("02010A00", type0Block(10));
    QByteArray packet(300, '\0');
    packet[4] = 0x2A;
    packet[122] = char(150);
    addRead("02010004", packet);
    exec.Execute();
    ASSERT_EQ(dm.t_master2.recordCount(), 3);
    EXPECT_EQ(value(dm.t_master2, 1, "REC_ID").toInt(), 2);
    EXPECT_EQ(value(dm.t_master2, 2, "REC_ID").toInt(), 3);
    EXPECT_EQ(value(dm.t_master2, 2, "BANK_NUM").toInt(), 42); // from the block for packet models
    EXPECT_EQ(value(dm.t_master2, 2, "DEVICE_TYPE").toString(), "KM-52A1 ver.2");
}

TEST_F(Executor, prTable_replacesTheInstrumentRowsWithTheBlockRecords) {
    QByteArray block = prRecord(1, "AAA", 1500) + prRecord(2, "BBB", 650) + prRecord(3, "CCC", 1250);
    addRead("02020003", block);
    exec.Execute();
    store::Dataset& ku = dm.t_ku_list_temp;
    ASSERT_EQ(ku.recordCount(), 3);
    EXPECT_EQ(value(ku, 0, "NUM_ID").toInt(), 1);
    EXPECT_EQ(value(ku, 2, "NUM_ID").toInt(), 3);
    EXPECT_EQ(value(ku, 0, "name_ku").toString(), "AAA" + QString(9, ' '));
    EXPECT_FLOAT_EQ(value(ku, 0, "value_ku").toFloat(), 1.5f);
    EXPECT_FLOAT_EQ(value(ku, 1, "value_ku").toFloat(), 6.5f);
    EXPECT_FLOAT_EQ(value(ku, 2, "value_ku").toFloat(), 1.25f);
    EXPECT_FALSE(value(ku, 0, "picture").toBool());

    // Written as 950 (0.95 × 1000), a value below 1.0 reads back as 9.5.
    exec.commands.clear();
    addRead("02020003", prRecord(1, "LOW", 950) + QByteArray(7, '\x09'));
    exec.Execute();
    ASSERT_EQ(ku.recordCount(), 1);
    EXPECT_FLOAT_EQ(value(ku, 0, "value_ku").toFloat(), 9.5f);
}

TEST_F(Executor, importMarkerAloneOnlyRefreshes_emptyListDoesNothing) {
    exec.Execute();
    EXPECT_EQ(host.redraws(), 0);
    exec.commands.add("04010000");
    exec.Execute();
    EXPECT_EQ(dm.t_master2.recordCount(), 0);
    EXPECT_TRUE(dm.t_master.isOpen());
    EXPECT_TRUE(messages.warnings.isEmpty());
}

TEST_F(Executor, unconvertibleCommandsAreSkipped_theRestStored_oneMessageNamesThem) {
    addRead("02010100", type0Block(1));
    addRead("02010200", type0Block(2).left(200)); // too short
    QByteArray badScale = type0Block(3);
    badScale[270] = 9;
    addRead("02010300", badScale);
    QByteArray zeroPr = type0Block(4);
    zeroPr[272] = 0;
    addRead("02010400", zeroPr);
    QByteArray damaged = type0Block(5);
    damaged[384] = char(damaged[384] + 1);
    addRead("02010500", damaged);
    addRead("02010600", QByteArray()); // the instrument had nothing to send
    const int broken = exec.commands.add("02010703", std::make_unique<dynamicArr>());
    exec.commands.setProblem(broken,
                             "ответ прибора не по протоколу: номер пакета 2 не меньше числа пакетов 2");
    QByteArray badList = type0Block(8);
    badList[270] = 20;
    addRead("02040800", badList);
    addRead("02040900", type0Block(9));

    exec.Execute();

    ASSERT_EQ(dm.t_master2.recordCount(), 2);
    EXPECT_EQ(value(dm.t_master2, 0, "BANK_NUM").toInt(), 1);
    EXPECT_EQ(value(dm.t_master2, 1, "BANK_NUM").toInt(), 5);
    ASSERT_EQ(dm.t_refl_list.recordCount(), 1);
    EXPECT_EQ(value(dm.t_refl_list, 0, "BANK_NUM").toInt(), 9);

    ASSERT_EQ(messages.warnings.size(), 1);
    const QString report = messages.warnings[0];
    for (const char* bank : {"№ 2", "№ 3", "№ 4", "№ 5", "№ 6", "№ 7", "№ 8"})
        EXPECT_TRUE(report.contains(QString::fromUtf8(bank))) << bank;
    EXPECT_FALSE(report.contains(QString::fromUtf8("№ 1 ")));
    EXPECT_FALSE(report.contains(QString::fromUtf8("№ 9")));
    EXPECT_TRUE(report.contains(QString::fromUtf8("повреждены")));
    EXPECT_TRUE(report.contains(QString::fromUtf8("вне таблицы")));
}
