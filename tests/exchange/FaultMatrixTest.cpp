// Line faults against the simulated instrument, one case per fault: the
// exchange window reads or writes through its own engine dialog on the real
// serial port. Every case checks what the user is told and that the library
// keeps exactly the rows it had, or gains only whole ones; a bank read but not
// stored stays marked.
#include "Form2Fixture.h"
#include "SimProcess.h"

#include "exchange/ExchangeEngine.h"
#include "exchange/RsCommPort.h"
#include "exchange/TForm2.h"
#include "exchange/TfrmComm.h"
#include "gui/QtClock.h"
#include "store/IniFile.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QSqlQuery>
#include <QTimer>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

using exchange::ExchangeEngine;
using exchange::TForm2;

namespace {

// Real timers, with the 30-second silence after a write cut to the 2 seconds
// of a read, so a refused write ends in the time of a read.
class CappedClock final : public gui::Clock {
public:
    std::unique_ptr<gui::Timer> createTimer(std::function<void()> onTimeout) override {
        return std::make_unique<Capped>(real_.createTimer(std::move(onTimeout)));
    }
    std::int64_t now() const override { return real_.now(); }

private:
    class Capped final : public gui::Timer {
    public:
        explicit Capped(std::unique_ptr<gui::Timer> inner) : Timer([] {}), inner_(std::move(inner)) {}
        void start(int ms) override { inner_->start(std::min(ms, ExchangeEngine::kReadSilence)); }
        void stop() override { inner_->stop(); }
        bool isActive() const override { return inner_->isActive(); }

    private:
        std::unique_ptr<gui::Timer> inner_;
    };
    gui::QtClock real_;
};

struct Row {
    qint64 recId;
    int bank;
    QByteArray points;
    bool operator==(const Row&) const = default;
};

class FaultMatrix : public Form2Fixture {
protected:
    // Two waveforms already in the library before any exchange.
    void SetUp() override {
        addWaveform(1, 40, false, type0Block(40));
        addWaveform(2, 41, false, type0Block(41));
        reopenLibraryView();
    }

    // The whole-library view numbers new rows from its last one, so it is read
    // afresh after rows were added through the filtered view, as a restart does.
    void reopenLibraryView() {
        dm.t_master2.close();
        dm.t_master2.open();
        before = libraryRows();
    }

    void startSim(const QStringList& args) {
        sim = std::make_unique<SimProcess>(args);
        ASSERT_FALSE(sim->device().isEmpty()) << "the simulator did not start";
        pointAt(sim->device());
    }

    void pointAt(const QString& device) {
        store::IniFile settings(home.file("Echolon.v41"));
        settings.writeInteger("COM", "PortNum", 1);
        settings.writeInteger("COM", "Show", 0);
        settings.writeString("COM", "DeviceName", device);
        ASSERT_TRUE(settings.save());
        // A hung exchange must fail the case, not the whole run.
        watchdog.setInterval(90000);
        QObject::connect(&watchdog, &QTimer::timeout, [this] {
            hung = true;
            if (QWidget* modal = QApplication::activeModalWidget()) modal->close();
        });
        watchdog.start();
    }

    // When the port cannot be opened the engine dialog stays up after the error
    // box until the user stops it; this plays that user.
    void stopAfterAnError() {
        QObject::connect(&user, &QTimer::timeout, [this] {
            QWidget* modal = QApplication::activeModalWidget();
            if (modal && !messages.errors.isEmpty()) modal->close();
        });
        user.start(100);
    }

    // Marks banks in the instrument's list and reads them; returns the seconds it took.
    double readBanks(std::initializer_list<int> banks) {
        TForm2 form(dm, state, host);
        if (state.typeIndex() != 0)
            form.core().Refresh(); // takes the type; only the short-frame type reads a list
        for (int bank : banks) addDeviceEntry(bank, true);
        QElapsedTimer t;
        t.start();
        // The window answers all along: the longest wait between two turns of its event loop.
        QElapsedTimer sinceTurn;
        sinceTurn.start();
        QTimer turns;
        QObject::connect(&turns, &QTimer::timeout,
                         [&] { longestStall = std::max(longestStall, sinceTurn.restart()); });
        turns.start(10);
        form.core().ReadSelectedWaveforms();
        return t.elapsed() / 1000.0;
    }

    // What the library file holds, read past the data module's views.
    std::vector<Row> libraryRows() {
        std::vector<Row> rows;
        QSqlQuery q(dm.Database1.handle());
        EXPECT_TRUE(q.exec("SELECT REC_ID, BANK_NUM, POINTS FROM master ORDER BY REC_ID"));
        while (q.next())
            rows.push_back({q.value(0).toLongLong(), q.value(1).toInt(), q.value(2).toByteArray()});
        return rows;
    }

    void expectLibraryUnchanged() { EXPECT_TRUE(libraryRows() == before) << "the library changed"; }

    // Bank 0 asked for twice, damaged both times: not stored, still marked, named in one message.
    void expectDamagedTwiceNotStored() {
        EXPECT_EQ(sim->received(), (QStringList{"rx 9600 55 00", "rx 9600 55 00"}));
        ASSERT_EQ(messages.warnings.size(), 1) << said().toStdString();
        EXPECT_TRUE(messages.warnings[0].contains(
            QString::fromUtf8("рефлектограмма № 0 — the answer was damaged twice")))
            << said().toStdString();
        EXPECT_TRUE(messages.infos.isEmpty() && messages.errors.isEmpty()) << said().toStdString();
        expectLibraryUnchanged();
        EXPECT_EQ(marks(dm.t_refl_list), QList<bool>{true});
    }

    // The one message of an interrupted read: why, and which banks were not read.
    void expectInterrupted(const QString& reason, const QString& notRead) {
        ASSERT_EQ(messages.warnings.size(), 1) << said().toStdString();
        EXPECT_TRUE(messages.warnings[0].startsWith("The exchange was interrupted: " + reason + "."))
            << said().toStdString();
        EXPECT_TRUE(messages.warnings[0].contains(notRead + QString::fromUtf8(" — not read")))
            << said().toStdString();
        EXPECT_TRUE(messages.infos.isEmpty() && messages.errors.isEmpty()) << said().toStdString();
    }

    QString said() const { return (messages.infos + messages.warnings + messages.errors).join(" | "); }

    std::unique_ptr<SimProcess> sim;
    QTimer watchdog, user;
    bool hung = false;
    qint64 longestStall = 0; // ms
    std::vector<Row> before;
};

} // namespace

TEST_F(FaultMatrix, silenceAtTheFirstByte) {
    startSim({"--fault", "silence"});
    const double seconds = readBanks({0, 5});
    EXPECT_FALSE(hung);
    EXPECT_LT(seconds, 30.0);
    expectInterrupted("the instrument stopped answering", QString::fromUtf8("рефлектограммы № 0, 5"));
    expectLibraryUnchanged();
    EXPECT_EQ(marks(dm.t_refl_list), (QList<bool>{true, true}));
}

TEST_F(FaultMatrix, silenceInTheMiddleOfAnAnswer_theWholeAnswerBeforeIsStored) {
    startSim({"--fault", "stall=200", "--fault-at", "1"});
    readBanks({0, 5});
    EXPECT_FALSE(hung);
    expectInterrupted("the instrument stopped answering", QString::fromUtf8("рефлектограмма № 5"));
    EXPECT_EQ(sim->received().size(), 2);
    const std::vector<Row> after = libraryRows();
    ASSERT_EQ(after.size(), 3u);
    EXPECT_EQ(after[2].bank, 0);
    EXPECT_EQ(after[2].points.size(), 385);
    EXPECT_EQ(marks(dm.t_refl_list), (QList<bool>{false, true}));
}

TEST_F(FaultMatrix, wrongWriteAcknowledgement) {
    startSim({"--fault", "bad-ack"});
    addWaveform(3, 7, true, type0Block(7));
    reopenLibraryView();
    TForm2 form(dm, state, host);
    exchange::TfrmComm engine(std::make_unique<exchange::RsCommPort>(), std::make_unique<CappedClock>());
    form.setEngineDialog(&engine);
    form.core().WriteSelectedWaveforms();
    EXPECT_FALSE(hung);
    EXPECT_EQ(messages.infos, QStringList{ExchangeEngine::kNoAnswer})
        << "a refused write must not pass in silence";
    EXPECT_EQ(sim->received().size(), 1) << "the exchange went on after a wrong acknowledgement";
    EXPECT_EQ(dm.t_refl_list.recordCount(), 0);
    expectLibraryUnchanged();
}

TEST_F(FaultMatrix, answersSplitIntoSingleBytesStillArriveWhole) {
    startSim({"--fault", "split=1"});
    readBanks({0, 5});
    EXPECT_FALSE(hung);
    EXPECT_TRUE(said().isEmpty()) << said().toStdString();
    const std::vector<Row> after = libraryRows();
    ASSERT_EQ(after.size(), 4u);
    EXPECT_TRUE(std::equal(before.begin(), before.end(), after.begin()));
    EXPECT_EQ(after[2].recId, 3);
    EXPECT_EQ(after[2].bank, 0);
    EXPECT_EQ(after[2].points.size(), 385);
    EXPECT_EQ(after[3].bank, 5);
}

// The block arrives shifted by the junk, every time: its checksum never matches.
TEST_F(FaultMatrix, garbageBeforeEveryAnswer_isNeverStored) {
    startSim({"--fault", "garbage=40"});
    readBanks({0});
    EXPECT_FALSE(hung);
    expectDamagedTwiceNotStored();
}

// Two waveforms whole, then the simulator hangs up halfway through the third and ends.
TEST_F(FaultMatrix, lineClosedMidTransfer_theWaveformsBeforeAreStored) {
    startSim({"--fault", "hangup", "--fault-at", "2"});
    readBanks({0, 5, 10, 15});
    EXPECT_FALSE(hung);
    expectInterrupted("the line to the instrument was closed", QString::fromUtf8("рефлектограммы № 10, 15"));
    const std::vector<Row> after = libraryRows();
    ASSERT_EQ(after.size(), 4u);
    EXPECT_EQ(after[2].bank, 0);
    EXPECT_EQ(after[3].bank, 5);
    EXPECT_EQ(marks(dm.t_refl_list), (QList<bool>{false, false, true, true}));
}

TEST_F(FaultMatrix, nothingToSendFromAPacketInstrument) {
    startSim({"--model", "52a1", "--fault", "nothing"});
    state.setTypeIndex(4);
    readBanks({0});
    EXPECT_FALSE(hung);
    ASSERT_EQ(messages.warnings.size(), 1) << said().toStdString();
    EXPECT_TRUE(messages.warnings[0].startsWith(QString::fromUtf8("Не сохранены данные прибора:")));
    EXPECT_TRUE(messages.warnings[0].contains(QString::fromUtf8("рефлектограмма № 0")));
    EXPECT_TRUE(messages.warnings[0].contains(QString::fromUtf8("прибор не передал данных")));
    expectLibraryUnchanged();
}

TEST_F(FaultMatrix, damagedChecksum) {
    startSim({"--fault", "bad-checksum", "--pace"});
    readBanks({0});
    EXPECT_FALSE(hung);
    // At the line's own pace, the question again and its answer never hold the window.
    EXPECT_LT(longestStall, 1000) << "the window stood still for " << longestStall << " ms";
    expectDamagedTwiceNotStored();
}

TEST_F(FaultMatrix, portHeldByAnotherProgram) {
    startSim({});
    const int fd = ::open(sim->device().toLocal8Bit().constData(), O_RDWR | O_NOCTTY);
    ASSERT_GE(fd, 0);
    ASSERT_EQ(::flock(fd, LOCK_EX | LOCK_NB), 0);
    stopAfterAnError();
    readBanks({0});
    ::close(fd);
    EXPECT_FALSE(hung);
    ASSERT_EQ(messages.errors.size(), 1);
    EXPECT_TRUE(messages.errors[0].contains("in use by another program")) << messages.errors[0].toStdString();
    EXPECT_TRUE(sim->received().isEmpty());
    expectLibraryUnchanged();
}

TEST_F(FaultMatrix, deviceMissing) {
    pointAt(home.file("no-such-tty"));
    stopAfterAnError();
    readBanks({0});
    EXPECT_FALSE(hung);
    ASSERT_EQ(messages.errors.size(), 1);
    EXPECT_TRUE(messages.errors[0].contains("no-such-tty")) << messages.errors[0].toStdString();
    expectLibraryUnchanged();
    EXPECT_EQ(marks(dm.t_refl_list), QList<bool>{true}) << "the bank to read again stays marked";
}
