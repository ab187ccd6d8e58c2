// The engine with the real serial port against the simulated instrument on a
// pseudo-terminal.
#include "RecordedPackets.h"
#include "SimProcess.h"
#include "exchange/TExecutionCom.h"
#include "exchange/TfrmComm.h"
#include "store/IniFile.h"
#include "store/TDataModule1.h"
#include "store/ViewState.h"
#include "support/RecordingHost.h"
#include "support/RecordingMessages.h"
#include "support/TempHome.h"

#include <QRegularExpression>
#include <QTimer>
#include <gtest/gtest.h>

using namespace exchange;

namespace {

class OnSimulator : public ::testing::Test {
protected:
    void startSim(QStringList args) {
        sim = std::make_unique<SimProcess>(args);
        ASSERT_FALSE(sim->device().isEmpty()) << "the simulator did not start";
        store::IniFile settings(home.file("Echolon.v41"));
        settings.writeString("COM", "DeviceName", sim->device());
        settings.writeInteger("COM", "PortNum", 1);
        ASSERT_TRUE(settings.save());
    }

    // Runs the list in the exchange dialog; a watchdog closes it if it hangs.
    int run(CommandList& list, int watchdogMs = 60000) {
        TfrmComm form;
        form.setCommands(&list);
        QTimer::singleShot(watchdogMs, &form, [&form] { form.reject(); });
        return form.exec();
    }

    static QByteArray bytes(const CommandList& list, int i) {
        return list.object(i) ? list.object(i)->bytes : QByteArray();
    }

    TempHome home;
    RecordingMessages messages;
    std::unique_ptr<SimProcess> sim;
};

} // namespace

TEST_F(OnSimulator, shortFrames_readsAt9600_answersSplitIntoSmallReads) {
    startSim({"--check-speed", "--fault", "split=7"});
    CommandList list;
    list.add("02010000");
    list.add("02010100");
    ASSERT_EQ(run(list), QDialog::Accepted) << messages.infos.join(';').toStdString();
    // Bank 0 is the simulator's first waveform whatever the number of banks.
    EXPECT_EQ(bytes(list, 0), loadRecording("short-list.rec").answers.value(0));
    EXPECT_EQ(static_cast<unsigned char>(bytes(list, 1)[270]), 0xFF); // bank 1 is empty
    EXPECT_EQ(sim->received(), (QStringList{"rx 9600 55 00", "rx 9600 55 01"}));
}

TEST_F(OnSimulator, shortFrames_aWrittenBlockReadsBack) {
    startSim({"--check-speed"});
    const QByteArray block(385, '\x03');
    CommandList list;
    list.add("03010700", std::make_unique<dynamicArr>(block));
    list.add("02010700");
    ASSERT_EQ(run(list), QDialog::Accepted);
    // 384 bytes of 0x03 sum to 1152 = 4 × 256 + 128: the checksum is 0x80.
    EXPECT_EQ(bytes(list, 1), block.left(384) + char(0x80));
    EXPECT_TRUE(sim->log().contains("note stored bank 7"));
}

TEST_F(OnSimulator, packets_threePacketReadPrTableRoundTripAndNothingToSend) {
    startSim({"--model", "52a1", "--check-speed", "--banks", "10"});
    QByteArray table;
    for (int k = 0; k < 2; ++k) {
        QByteArray r(20, '\0');
        r[0] = 2;
        r[1] = char(k + 1);
        r.replace(2, 12, QByteArray("CABLE").leftJustified(12, ' '));
        r[18] = char(0xDC); // 1500
        r[19] = 0x05;
        table += r;
    }
    CommandList list;
    list.add("02010004"); // bank 0: a waveform of three packets
    list.add("02010104"); // bank 1: empty
    list.add("03020004", std::make_unique<dynamicArr>(table));
    list.add("02020004");
    ASSERT_EQ(run(list), QDialog::Accepted) << messages.infos.join(';').toStdString();
    EXPECT_EQ(bytes(list, 0).size(), 2304);
    EXPECT_EQ(bytes(list, 0)[4], 0);
    EXPECT_TRUE(bytes(list, 1).isEmpty());
    EXPECT_EQ(bytes(list, 3), table);

    const QStringList rx = sim->received();
    EXPECT_TRUE(rx.first().startsWith("rx 56000 01 00 00 03 02 01 00"));
    EXPECT_EQ(rx.filter("01 01 01 00 FF").size(), 4); // three packets of bank 0, one of the table
}

TEST_F(OnSimulator, executor_listRefreshStoresTheTwentyNonEmptyBanks) {
    startSim({});
    store::ViewState state;
    RecordingHost host;
    store::TDataModule1 dm(state, host);
    dm.openStore();
    TExecutionCom exec(dm);
    for (int i = 0; i < 100; ++i)
        exec.commands.add("0204" + QStringLiteral("%1").arg(i, 2, 16, QLatin1Char('0')).toUpper() + "00");
    ASSERT_EQ(run(exec.commands), QDialog::Accepted);
    exec.Execute();
    ASSERT_EQ(dm.t_refl_list.recordCount(), 20);
    const int bankField = dm.t_refl_list.fieldIndex("BANK_NUM");
    for (int row = 0; row < 20; ++row) EXPECT_EQ(dm.t_refl_list.valueAt(row, bankField).toInt(), row * 5);
    EXPECT_TRUE(messages.warnings.isEmpty());
}

TEST_F(OnSimulator, packets_a2500ByteWriteGoesAsThreePacketsAndReadsBack) {
    startSim({"--model", "52a", "--check-speed"});
    QByteArray block(2500, '\0');
    for (int i = 0; i < block.size(); ++i) block[i] = char(i * 7);
    CommandList list;
    list.add("03010503", std::make_unique<dynamicArr>(block));
    list.add("02010503");
    ASSERT_EQ(run(list), QDialog::Accepted) << messages.infos.join(';').toStdString();
    EXPECT_EQ(bytes(list, 1), block);
    const QStringList rx = sim->received();
    ASSERT_GE(rx.size(), 3);
    EXPECT_TRUE(rx[0].startsWith("rx 56000 03 00 03 FA 03 01 05 "));
    EXPECT_TRUE(rx[1].startsWith("rx 56000 03 01 03 FA 03 01 05 "));
    EXPECT_TRUE(rx[2].startsWith("rx 56000 03 02 01 D9 03 01 05 "));
}
