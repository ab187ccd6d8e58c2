// Two crew members reading their instruments into one server library at the
// same moment.
#include "Form2Fixture.h"

#include "store/OdbcRegistry.h"
#include "support/PgServer.h"

#include <QSqlQuery>
#include <QTemporaryDir>
#include <algorithm>
#include <numeric>
#include <utility>

using exchange::CommandList;
using exchange::DeviceTransfers;
using store::TDataModule1;

namespace {

// One member's program on the crew's library: its own instrument, with a
// waveform in every `step`-th bank, and its exchange window's core. The
// instrument lists live in `listFile`, on that member's machine.
struct Member {
    Member(const QString& listFile, int step)
        : host(state), dm(state, host), transfers(dm, state, host, window) {
        host.module = &dm;
        dm.Database4.setPath(listFile);
        dm.openStore();
        dm.applyTypeQuery(TDataModule1::deviceTypeOf(0));
        window.engine = [this, step](CommandList& list) {
            if (during) std::exchange(during, nullptr)();
            for (int i = 0; i < list.count(); ++i) {
                const int bank = list.command(i).mid(4, 2).toInt(nullptr, 16);
                list.setObject(
                    i, std::make_unique<exchange::dynamicArr>(type0Block(bank, bank % step ? 0xFF : 1)));
            }
            return true;
        };
    }

    // The banks of the instrument list as the exchange window shows it when opened again.
    QList<int> listedBanks() {
        store::Dataset& list = dm.t_refl_list;
        list.close();
        list.open();
        QList<int> banks;
        for (int row = 0; row < list.recordCount(); ++row)
            banks << list.valueAt(row, list.fieldIndex("BANK_NUM")).toInt();
        return banks;
    }

    void markAll() {
        store::Dataset& list = dm.t_refl_list;
        for (int row = 0; row < list.recordCount(); ++row)
            list.setValueAt(row, list.fieldIndex("PICTURE"), true);
    }

    store::ViewState state;
    RecordingHost host;
    TDataModule1 dm;
    ScriptedTransfersWindow window;
    DeviceTransfers transfers;
    std::function<void()> during; // what happens elsewhere while this instrument answers
};

QList<int> multiplesOf(int step) {
    QList<int> out;
    for (int bank = 0; bank < 100; bank += step) out << bank;
    return out;
}

} // namespace

TEST(CrewExchange, twoMembersReadingAtOnce_eachSeesOnlyTheirInstrument_andEveryWaveformGetsItsOwnNumber) {
    if (!PgServer::shared().available()) GTEST_SKIP() << PgServer::shared().unavailableReason().toStdString();
    const QString url = PgServer::shared().createDatabase();
    ASSERT_FALSE(url.isEmpty()) << PgServer::shared().error().toStdString();
    TempHome home;
    RecordingMessages messages;
    store::OdbcRegistry().writeDbq(TDataModule1::kLibraryAlias, url);
    QTemporaryDir otherMachine;
    Member mine(TDataModule1::listPath(), 5);
    Member theirs(otherMachine.filePath("ecl41_list.db"), 7);

    // While my instrument sends its list, theirs sends its own.
    mine.during = [&] { theirs.transfers.Refresh(); };
    mine.transfers.Refresh();
    EXPECT_EQ(mine.listedBanks(), multiplesOf(5));
    EXPECT_EQ(theirs.listedBanks(), multiplesOf(7));

    mine.markAll();
    theirs.markAll();
    mine.during = [&] { theirs.transfers.ReadSelectedWaveforms(); };
    mine.transfers.ReadSelectedWaveforms();
    EXPECT_EQ(mine.listedBanks(), multiplesOf(5));
    EXPECT_EQ(theirs.listedBanks(), multiplesOf(7));
    EXPECT_TRUE(messages.warnings.isEmpty()) << messages.warnings.join('\n').toStdString();

    QSqlQuery q(mine.dm.Database1.handle());
    ASSERT_TRUE(q.exec(R"(SELECT "REC_ID", "BANK_NUM" FROM master ORDER BY "REC_ID")"));
    QList<int> numbers, banks;
    while (q.next()) {
        numbers << q.value(0).toInt();
        banks << q.value(1).toInt();
    }
    QList<int> expectedNumbers(int(multiplesOf(5).size() + multiplesOf(7).size()));
    std::iota(expectedNumbers.begin(), expectedNumbers.end(), 1);
    EXPECT_EQ(numbers, expectedNumbers);
    QList<int> expectedBanks = multiplesOf(5) + multiplesOf(7);
    std::sort(banks.begin(), banks.end());
    std::sort(expectedBanks.begin(), expectedBanks.end());
    EXPECT_EQ(banks, expectedBanks);
}
