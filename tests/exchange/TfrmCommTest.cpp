#include "exchange/TfrmComm.h"
#include "fakes/ManualClock.h"
#include "fakes/MemoryPort.h"
#include "store/encoding/WaveformConversions.h"
#include "support/RecordingMessages.h"
#include "support/TempHome.h"
#include "support/WindowSystem.h"

#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

using namespace exchange;

namespace {
// A short answer of `fill` bytes with its checksum.
QByteArray block(char fill) {
    QByteArray b(385, fill);
    b[384] = char(store::ByteSum(b, 384));
    return b;
}

struct Dialog {
    Dialog() {
        auto p = std::make_unique<MemoryPort>();
        auto c = std::make_unique<ManualClock>();
        port = p.get();
        clock = c.get();
        form = std::make_unique<TfrmComm>(std::move(p), std::move(c));
        form->setCommands(&commands);
    }
    // Shows the dialog and lets its activation run.
    void show() {
        form->show();
        QTRY_VERIFY_WITH_TIMEOUT(
            !port->writes().isEmpty() || !form->isVisible() || !messages.errors.isEmpty(), 5000);
    }
    TempHome home;
    RecordingMessages messages;
    CommandList commands;
    MemoryPort* port;
    ManualClock* clock;
    std::unique_ptr<TfrmComm> form;
};
} // namespace

TEST(TfrmComm, controlsCarryTheirNamesAndTexts) {
    Dialog d;
    EXPECT_EQ(d.form->windowTitle(), QString::fromUtf8("Идет обмен данными..."));
    for (const char* name : {"lbFrameNum", "lbFileNum", "pbFile", "pbTotal", "btStop"})
        EXPECT_NE(d.form->findChild<QWidget*>(name), nullptr) << name;
    EXPECT_EQ(d.form->btStop->text(), QString::fromUtf8("Стоп"));
    EXPECT_FALSE(d.form->btStop->isEnabled());
    // The captions are read by their own text, never hidden behind a fixed name.
    EXPECT_TRUE(d.form->lbFileNum->accessibleName().isEmpty());
    EXPECT_TRUE(d.form->lbFrameNum->accessibleName().isEmpty());
}

TEST(TfrmComm, showingRunsTheListAndAcceptsWhenItCompletes) {
    Dialog d;
    d.commands.add("02010400");
    d.show();
    EXPECT_TRUE(d.form->btStop->isEnabled());
    EXPECT_EQ(d.form->lbFileNum->text(), QString::fromUtf8("Чтение рефлектограммы № 4"));
    EXPECT_EQ(d.form->pbTotal->maximum(), 1);
    d.port->feed(block('\2'));
    EXPECT_FALSE(d.form->isVisible());
    EXPECT_EQ(d.form->result(), QDialog::Accepted);
    EXPECT_EQ(d.form->pbTotal->value(), 1);
    EXPECT_FALSE(d.form->btStop->isEnabled());
}

TEST(TfrmComm, minimisedAndRestoredInTheMiddle_theRunningListGoesOnUndisturbed) {
    Dialog d;
    d.commands.add("02010400");
    d.commands.add("02010500");
    d.show();
    d.port->feed(block('\2'));
    minimiseAndRestore(*d.form);
    d.clock->advance(50);
    minimiseAndRestore(*d.form);
    d.port->feed(block('\3'));
    EXPECT_EQ(d.form->result(), QDialog::Accepted);
    EXPECT_EQ(d.port->writes().size(), 2) << "no request sent again";
    ASSERT_NE(d.commands.object(1), nullptr);
    EXPECT_EQ(d.commands.object(0)->bytes, block('\2'));
    EXPECT_EQ(d.commands.object(1)->bytes, block('\3'));

    // The next opening runs its list from the start again.
    d.commands.clear();
    d.commands.add("02010600");
    d.form->show();
    EXPECT_TRUE(QTest::qWaitFor([&] { return d.port->writes().size() == 3; }, 5000));
}

TEST(TfrmComm, stopButtonOnlyRequestsTheStop_closingTheDialogCancels) {
    Dialog d;
    d.commands.add("02010400");
    d.show();
    QTest::mouseClick(d.form->btStop, Qt::LeftButton);
    EXPECT_TRUE(d.form->engine().stopRequested());
    EXPECT_TRUE(d.form->isVisible());
    d.form->reject();
    EXPECT_EQ(d.form->result(), QDialog::Rejected);
    EXPECT_FALSE(d.port->active());
    EXPECT_EQ(d.clock->untilNext(), -1);
}

TEST(TfrmComm, listReadShowsHowManyOfTheListAndTheTimeLeft) {
    Dialog d;
    for (int bank = 0; bank < 100; ++bank)
        d.commands.add(QStringLiteral("0204%1").arg(bank, 2, 16, QLatin1Char('0')) + "00");
    d.show();
    // Each answer takes the 0.4 s its 385 bytes need at 9600 bit/s, then the 50 ms pause.
    for (int bank = 0; bank < 41; ++bank) {
        d.clock->advance(400);
        d.port->feed(block('\1'));
        d.clock->advance(50);
    }
    QTRY_VERIFY(d.form->lbProgress->text().startsWith("41 of 100, about "));
    // 59 commands at the measured 0.45 s each.
    EXPECT_EQ(d.form->lbProgress->text(), "41 of 100, about 27 s left");
    EXPECT_TRUE(d.form->lbProgress->isVisible());
}

TEST(TfrmComm, stoppedByTheUser_theMessageSaysSoNotThatTheInstrumentIsSilent) {
    Dialog d;
    d.commands.add("02010400");
    d.commands.add("02010500");
    d.show();
    d.port->feed(block('\2'));
    d.clock->advance(50);
    QTest::mouseClick(d.form->btStop, Qt::LeftButton);
    d.port->feed(block('\3'));
    d.clock->advance(2000);
    EXPECT_FALSE(d.form->isVisible());
    EXPECT_EQ(d.form->result(), QDialog::Rejected);
    EXPECT_EQ(d.messages.infos, QStringList{"The exchange was stopped by the user: 1 of 2 done."});
    EXPECT_EQ(d.form->lbProgress->text(), "1 of 2") << "no time left once stopped";
}

TEST(TfrmComm, portThatCannotOpen_closesTheDialogAfterTheError) {
    Dialog d;
    d.port->openError = "Specified device not found (/dev/ttyS0).";
    d.commands.add("02010400");
    d.show();
    QTRY_VERIFY(!d.form->isVisible());
    EXPECT_EQ(d.messages.errors, QStringList{d.port->openError});
    EXPECT_EQ(d.form->result(), QDialog::Rejected);
}

TEST(TfrmComm, silenceClosesWithCancel) {
    Dialog d;
    d.commands.add("02010400");
    d.show();
    d.clock->advance(2000);
    EXPECT_FALSE(d.form->isVisible());
    EXPECT_EQ(d.form->result(), QDialog::Rejected);
    EXPECT_EQ(d.messages.infos.size(), 1);
}
