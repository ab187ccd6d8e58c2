// Reading from the instrument through the exchange window when answers go
// wrong: the window's engine dialog on the in-memory port, with the instrument
// played from the dialog's own event loop. What the library gains, which rows
// stay marked and the one message the user gets.
#include "Form2Fixture.h"
#include "RecordedPackets.h"

#include "exchange/TForm2.h"
#include "exchange/TfrmComm.h"
#include "fakes/ManualClock.h"
#include "fakes/MemoryPort.h"

#include <QTimer>
#include <QToolButton>
#include <functional>

using namespace exchange;

namespace {

class Form2ReadFaults : public Form2Fixture {
protected:
    Form2ReadFaults() {
        auto p = std::make_unique<MemoryPort>();
        auto c = std::make_unique<ManualClock>();
        port = p.get();
        clock = c.get();
        engine = std::make_unique<TfrmComm>(std::move(p), std::move(c));
        form.setEngineDialog(engine.get());
        QObject::connect(&line, &QTimer::timeout, [this] { play(); });
        line.start(0);
    }

    // One step of the instrument while the engine dialog is up: the answer to
    // the next thing the program sent, or else the clock moves to the engine's
    // next timer, so a silence costs no real time.
    void play() {
        if (!engine->isVisible()) return;
        if (++steps > 100000) {
            ADD_FAILURE() << "the exchange did not end";
            engine->reject();
            return;
        }
        if (answered < port->writes().size()) {
            const QByteArray reply = instrument(port->writes()[answered++]);
            if (!reply.isEmpty()) port->feed(reply);
            return;
        }
        clock->fireNext();
    }

    // Marks the instrument's rows of `banks` and presses ▲.
    void read(std::initializer_list<int> banks) {
        for (int bank : banks) addDeviceEntry(bank, true);
        form.SpeedButton2->click();
    }

    QList<int> storedBanks() {
        QList<int> banks;
        const int f = dm.t_master2.fieldIndex("BANK_NUM");
        for (int row = 0; row < dm.t_master2.recordCount(); ++row)
            banks << dm.t_master2.valueAt(row, f).toInt();
        return banks;
    }

    // The one message of the read; a failure when there is not exactly one.
    QString theMessage() const {
        const QStringList all = messages.infos + messages.warnings + messages.errors;
        EXPECT_EQ(all.size(), 1) << all.join("\n---\n").toStdString();
        EXPECT_EQ(messages.warnings.size(), 1);
        return all.value(0);
    }

    static QByteArray damaged(QByteArray block) {
        block[384] = char(block[384] ^ 0x5A);
        return block;
    }

    TForm2 form{dm, state, host};
    std::unique_ptr<TfrmComm> engine;
    MemoryPort* port = nullptr;
    ManualClock* clock = nullptr;
    std::function<QByteArray(const QByteArray& sent)> instrument = [](const QByteArray&) {
        return QByteArray();
    };
    QTimer line;
    int answered = 0;
    int steps = 0;
};

} // namespace

// Bank 0 comes damaged once and whole when asked again; bank 5 comes damaged both times.
TEST_F(Form2ReadFaults, damagedAnswerIsAskedForAgain_aBankDamagedTwiceIsNotStoredAndStaysMarked) {
    QMap<int, int> asked;
    instrument = [&](const QByteArray& sent) {
        const int bank = static_cast<unsigned char>(sent[1]);
        const bool first = asked[bank]++ == 0;
        return bank == 5 || first ? damaged(type0Block(bank)) : type0Block(bank);
    };
    read({0, 5});

    EXPECT_EQ(port->writes(), (QVector<QByteArray>{QByteArray("\x55\x00", 2), QByteArray("\x55\x00", 2),
                                                   QByteArray("\x55\x05", 2), QByteArray("\x55\x05", 2)}));
    EXPECT_EQ(storedBanks(), QList<int>{0});
    EXPECT_EQ(dm.t_master2.fieldByName("POINTS").asBlob(), type0Block(0));
    EXPECT_EQ(marks(dm.t_refl_list), (QList<bool>{false, true}));
    const QString message = theMessage();
    EXPECT_TRUE(message.contains(QString::fromUtf8("рефлектограмма № 5 — the answer was damaged twice")))
        << message.toStdString();
    EXPECT_FALSE(message.contains(QString::fromUtf8("№ 0")));
}

// The last packet of bank 0's answer is one of bank 10's: count and index fit, the answer does not.
TEST_F(Form2ReadFaults, packetOfAnotherAnswerSpoilsTheAnswer_nothingIsStoredFromIt) {
    const QVector<QByteArray> packets = answerPackets(loadRecording("packet-52a1-waveform.rec"));
    ASSERT_EQ(packets.size(), 6); // banks 0 and 10, three packets each
    const QVector<QByteArray> mixed = {packets[0], packets[1], packets[5]};
    state.setTypeIndex(4);
    form.core().Refresh(); // takes the type: a packet instrument
    int next = 0;
    instrument = [&](const QByteArray&) { return mixed.value(next++); };
    read({0});

    EXPECT_TRUE(storedBanks().isEmpty());
    EXPECT_EQ(marks(dm.t_refl_list), QList<bool>{true});
    const QString message = theMessage();
    EXPECT_TRUE(message.contains(QString::fromUtf8("рефлектограмма № 0 — ")));
    EXPECT_TRUE(message.contains("packet 3 of 3 belongs to another answer")) << message.toStdString();
}

namespace {

struct LineFailure {
    const char* name;
    const char* reason;
    // Done as bank 5's answer goes out; afterwards the instrument says nothing.
    std::function<void(MemoryPort&, QDialog& engine)> fail;
};

void PrintTo(const LineFailure& failure, std::ostream* out) { *out << failure.name; }

class Form2InterruptedRead : public Form2ReadFaults, public ::testing::WithParamInterface<LineFailure> {};

const LineFailure kFailures[] = {
    {"silence", "the instrument stopped answering", [](MemoryPort&, QDialog&) {}},
    {"lineClosed", "the line to the instrument was closed",
     [](MemoryPort& p, QDialog&) { p.loss = LineLoss::Closed; }},
    {"adapterUnplugged", "the serial adapter was unplugged",
     [](MemoryPort& p, QDialog&) {
         p.loss = LineLoss::Gone;
         p.purgeError = "Error clearing buffers (5), Input/output error";
     }},
    // The line fails with the node still there (an instrument switched off behind an adapter).
    {"lineLost",
     "the connection to the instrument was lost: the adapter was unplugged or the instrument switched off",
     [](MemoryPort& p, QDialog&) {
         p.purgeError = "Error clearing buffers (5), Input/output error";
         p.purgeErrorKind = serial::ERsCommError::Kind::LineLost;
     }},
    {"dialogClosedByTheUser", "stopped by the user",
     [](MemoryPort&, QDialog& engine) { QTimer::singleShot(0, &engine, [&engine] { engine.reject(); }); }},
};

} // namespace

TEST_P(Form2InterruptedRead, whatArrivedWholeIsStored_theRestStaysMarked_oneMessageSaysWhy) {
    instrument = [this](const QByteArray& sent) {
        const int bank = static_cast<unsigned char>(sent[1]);
        if (bank == 5) GetParam().fail(*port, *engine);
        return bank <= 5 ? type0Block(bank) : QByteArray();
    };
    read({0, 5, 10, 15});

    EXPECT_EQ(storedBanks(), (QList<int>{0, 5}));
    EXPECT_EQ(marks(dm.t_refl_list), (QList<bool>{false, false, true, true}));
    const QString message = theMessage();
    EXPECT_TRUE(
        message.startsWith(QStringLiteral("The exchange was interrupted: %1.\n").arg(GetParam().reason)))
        << message.toStdString();
    EXPECT_TRUE(message.contains(QString::fromUtf8("Stored in the library: waveforms № 0, 5.")));
    EXPECT_TRUE(message.contains(QString::fromUtf8("рефлектограммы № 10, 15 — not read")));
}

INSTANTIATE_TEST_SUITE_P(Failures, Form2InterruptedRead, ::testing::ValuesIn(kFailures),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(Form2ReadFaults, adapterUnpluggedWhileTheListIsRead_isToldInTheUsersWords) {
    instrument = [this](const QByteArray& sent) {
        const int bank = static_cast<unsigned char>(sent[1]);
        if (bank == 2) kFailures[2].fail(*port, *engine);
        return type0Block(bank, bank % 5 == 0 ? 1 : 0xFF);
    };
    form.SpeedButtonCom->click();

    EXPECT_EQ(port->writes().size(), 3);
    EXPECT_TRUE(messages.errors.isEmpty()) << messages.errors.join('\n').toStdString();
    EXPECT_EQ(messages.infos, QStringList{"The exchange was interrupted: the serial adapter was unplugged."});
}

// An instrument need not seal the banks it never wrote: their list entries are
// taken once, as empty, while a written bank's damaged entry is asked for again.
TEST_F(Form2ReadFaults, listEntriesOfEmptyBanksAreNotCheckedForDamage) {
    instrument = [](const QByteArray& sent) {
        const int bank = static_cast<unsigned char>(sent[1]);
        return damaged(type0Block(bank, bank == 7 ? 1 : 0xFF));
    };
    form.SpeedButtonCom->click();

    int asked7 = 0;
    for (const QByteArray& sent : port->writes()) asked7 += sent == QByteArray("\x55\x07", 2);
    EXPECT_EQ(port->writes().size(), 101);
    EXPECT_EQ(asked7, 2);
    EXPECT_EQ(dm.t_refl_list.recordCount(), 0);
}
