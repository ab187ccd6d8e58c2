// The exchange window end to end: its own engine dialog on the real serial
// port, against the simulated instrument on a pseudo-terminal.
#include "Form2Fixture.h"
#include "SimProcess.h"

#include "exchange/TForm2.h"
#include "exchange/TfrmComm.h"
#include "store/IniFile.h"
#include "store/encoding/WaveformConversions.h"

#include <QApplication>
#include <QTest>
#include <QTimer>

using exchange::CommandList;
using exchange::TForm2;

namespace {

class Form2SimulatorTest : public Form2Fixture {
protected:
    void SetUp() override { startSim({"--check-speed"}); }

    void startSim(const QStringList& args) {
        sim = std::make_unique<SimProcess>(args);
        ASSERT_FALSE(sim->device().isEmpty()) << "the simulator did not start";
        store::IniFile settings(home.file("Echolon.v41"));
        settings.writeInteger("COM", "PortNum", 1);
        settings.writeInteger("COM", "Show", 0);
        settings.writeString("COM", "DeviceName", sim->device());
        ASSERT_TRUE(settings.save());
        // A hung exchange must fail the test, not the whole run.
        watchdog.setInterval(90000);
        QObject::connect(&watchdog, &QTimer::timeout, [] {
            if (QWidget* modal = QApplication::activeModalWidget()) modal->close();
        });
        watchdog.start();
    }

    // Reads banks straight through an engine dialog, as the instrument holds them.
    QByteArray readBank(int bank) {
        CommandList list;
        list.add(QStringLiteral("0201%1").arg(bank, 2, 16, QLatin1Char('0')).toUpper() + "00");
        exchange::TfrmComm engine;
        engine.setCommands(&list);
        return engine.exec() == QDialog::Accepted && list.object(0) ? list.object(0)->bytes : QByteArray();
    }

    std::unique_ptr<SimProcess> sim;
    QTimer watchdog;
};

} // namespace

TEST_F(Form2SimulatorTest, openingTheWindowReadsTheListAndKeepsNonEmptyBanks) {
    TForm2 form(dm, state, host);
    form.show();
    ASSERT_TRUE(QTest::qWaitFor([&] { return dm.t_refl_list.recordCount() > 0; }, 60000))
        << messages.infos.join(';').toStdString();
    form.close();
    const QStringList rx = sim->received();
    ASSERT_EQ(rx.size(), 100);
    EXPECT_EQ(rx.first(), "rx 9600 55 00");
    EXPECT_EQ(rx.last(), "rx 9600 55 63");
    ASSERT_EQ(dm.t_refl_list.recordCount(), 20);
    const int bank = dm.t_refl_list.fieldIndex("BANK_NUM");
    const int number = dm.t_refl_list.fieldIndex("REC_ID_LIST");
    for (int row = 0; row < 20; ++row) {
        EXPECT_EQ(dm.t_refl_list.valueAt(row, bank).toInt(), row * 5);
        EXPECT_EQ(dm.t_refl_list.valueAt(row, number).toInt(), row + 1);
    }
    EXPECT_TRUE(messages.warnings.isEmpty()) << messages.warnings.join(';').toStdString();
}

TEST_F(Form2SimulatorTest, readingTwoMarkedRowsAppendsTheInstrumentsWaveformsAndUnmarksThem) {
    TForm2 form(dm, state, host);
    form.core().Refresh();
    ASSERT_EQ(dm.t_refl_list.recordCount(), 20);
    const int picture = dm.t_refl_list.fieldIndex("PICTURE");
    dm.t_refl_list.setValueAt(1, picture, true); // bank 5
    dm.t_refl_list.setValueAt(3, picture, true); // bank 15
    form.core().ReadSelectedWaveforms();
    ASSERT_EQ(dm.t_master2.recordCount(), 2);
    EXPECT_EQ(marks(dm.t_refl_list).count(true), 0);

    const QByteArray bank5 = readBank(5);
    const QByteArray bank15 = readBank(15);
    ASSERT_EQ(bank5.size(), 385);
    const store::ConversionResult expected = store::ConvertType0(bank5);
    dm.t_master2.first();
    EXPECT_EQ(dm.t_master2.fieldByName("REC_ID").asInteger(), 1);
    EXPECT_EQ(dm.t_master2.fieldByName("BANK_NUM").asInteger(), 5);
    EXPECT_EQ(dm.t_master2.fieldByName("POINTS").asBlob(), bank5);
    // The instrument's DOS-code-page name, read as it was written there.
    EXPECT_EQ(dm.t_master2.fieldByName("MEMO").asString(), "КЛ 10 кВ № 6");
    EXPECT_EQ(dm.t_master2.fieldByName("DEVICE_TYPE").asString(), "KM-41A1 ver.5");
    EXPECT_DOUBLE_EQ(dm.t_master2.fieldByName("SCALE").asFloat(), expected.value("SCALE").toDouble());
    EXPECT_EQ(dm.t_master2.fieldByName("DLIT").asInteger(), expected.value("DLIT").toInt());
    dm.t_master2.next();
    EXPECT_EQ(dm.t_master2.fieldByName("BANK_NUM").asInteger(), 15);
    EXPECT_EQ(dm.t_master2.fieldByName("POINTS").asBlob(), bank15);
    EXPECT_EQ(dm.MasterCount, 2);
}

TEST_F(Form2SimulatorTest, writingBanks3And7StoresThemInTheInstrumentThenReadsEntryZero) {
    QByteArray block3 = type0Block(3), block7 = type0Block(7);
    addWaveform(1, 3, true, block3);
    addWaveform(2, 7, true, block7);
    TForm2 form(dm, state, host);
    form.core().WriteSelectedWaveforms();
    const QStringList rx = sim->received();
    ASSERT_EQ(rx.size(), 3) << rx.join('\n').toStdString();
    EXPECT_TRUE(rx[0].startsWith("rx 9600 56 03 "));
    EXPECT_TRUE(rx[1].startsWith("rx 9600 56 07 "));
    EXPECT_EQ(rx[2], "rx 9600 55 00");
    EXPECT_TRUE(sim->log().contains("note stored bank 3"));
    EXPECT_TRUE(sim->log().contains("note stored bank 7"));
    EXPECT_EQ(marks(dm.t_master), (QList<bool>{false, false}));
    ASSERT_EQ(dm.t_refl_list.recordCount(), 1);
    EXPECT_EQ(dm.t_refl_list.fieldByName("BANK_NUM").asInteger(), 0);
    EXPECT_EQ(readBank(3), block3);
    EXPECT_EQ(readBank(7), block7);
}

TEST_F(Form2SimulatorTest, prWriteToPacketInstrumentRewritesItsTableAndReadsItBack) {
    startSim({"--model", "52a", "--check-speed"});
    state.setTypeIndex(3);
    TForm2 form(dm, state, host);
    form.core().Refresh(); // no list to read for this type: only clears the instrument side
    EXPECT_TRUE(sim->received().isEmpty());
    for (int i = 0; i < 4; ++i)
        addPr(dm.t_ku_list_temp, QStringLiteral("DEV%1").arg(i), (11 + i) / 10.0, false);
    addPr(dm.t_ku_list, "CABLE", 1.5, true);
    addPr(dm.t_ku_list, "ВВГ", 2.25, true);
    form.core().WriteSelectedPrEntries();
    EXPECT_TRUE(sim->log().contains("note stored PR table (6 records)"))
        << sim->log().join('\n').toStdString();
    store::Dataset& device = dm.t_ku_list_temp;
    ASSERT_EQ(device.recordCount(), 6);
    const int name = device.fieldIndex("name_ku"), value = device.fieldIndex("value_ku");
    EXPECT_EQ(device.valueAt(0, name).toString().trimmed(), "DEV0");
    EXPECT_EQ(device.valueAt(4, name).toString().trimmed(), "CABLE");
    EXPECT_EQ(device.valueAt(5, name).toString().trimmed(), "ВВГ");
    EXPECT_NEAR(device.valueAt(2, value).toDouble(), 1.3, 1e-6);
    EXPECT_NEAR(device.valueAt(4, value).toDouble(), 1.5, 1e-6);
    EXPECT_NEAR(device.valueAt(5, value).toDouble(), 2.25, 1e-6);
    EXPECT_EQ(marks(dm.t_ku_list, "picture"), (QList<bool>{false, false}));
}
