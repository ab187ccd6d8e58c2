#include "EngineFixture.h"

using namespace exchange;

using ExchangeFailures = EngineFixture;

TEST_F(ExchangeFailures, silenceEndsTheExchangeWithTheMessageAndCancel_bytesRestartTheTimer) {
    start({"02010000"});
    clock.advance(1500);
    port.feed(QByteArray(10, '\1'));
    clock.advance(1999);
    EXPECT_EQ(result, Result::Running);
    clock.advance(1);
    EXPECT_EQ(result, Result::Cancel);
    EXPECT_EQ(messages.infos, QStringList{QString::fromUtf8("Устройство не отвечает! Операция прервана.")});
    EXPECT_FALSE(port.active());
    EXPECT_TRUE(engine.stopRequested());
    EXPECT_EQ(clock.untilNext(), -1);
}

TEST_F(ExchangeFailures, unknownCodeOrDeviceTypeInTheFirstCommand_showsTheErrorAndSendsNothing) {
    start({"05010000"});
    EXPECT_EQ(messages.errors, QStringList{QString::fromUtf8("неизвестный код команды CODE_CMD==5")});
    EXPECT_TRUE(port.writes().isEmpty());
    EXPECT_FALSE(port.active());
    EXPECT_EQ(result, Result::Cancel); // nothing left to wait for: the dialog closes

    commands.clear();
    messages.errors.clear();
    start({"020100A5"});
    EXPECT_EQ(messages.errors, QStringList{QString::fromUtf8("неизвестный тип прибора DEV_TYPE==A5")});
    EXPECT_TRUE(port.writes().isEmpty());
}

TEST_F(ExchangeFailures, unknownDeviceTypeInALaterCommand_isSilentAndTheErrorTimerEndsIt) {
    start({"02010000", "02010007"});
    port.feed(shortBlock(0));
    clock.advance(50);
    EXPECT_EQ(port.writes().size(), 1);
    EXPECT_TRUE(messages.errors.isEmpty());
    clock.advance(2000);
    EXPECT_EQ(result, Result::Cancel);
    EXPECT_EQ(messages.infos.size(), 1);
}

TEST_F(ExchangeFailures, laterCommandFailingAfterAWriteAcknowledgement_stillEndsTheExchange) {
    // The acknowledgement starts the next command at once, not through the command timer.
    start({"03010000", "03010007"}, QByteArray(384, '\1'));
    port.feed(QByteArray(1, char(384 % 256)));
    EXPECT_EQ(port.writes().size(), 1);
    EXPECT_TRUE(messages.errors.isEmpty());
    clock.advance(30000);
    EXPECT_EQ(result, Result::Cancel);
    EXPECT_EQ(messages.infos.size(), 1);
    EXPECT_FALSE(port.active());
}

TEST_F(ExchangeFailures, portThatCannotOpen_showsThePortErrorStartsNothingAndEndsCancelled) {
    port.openError = "Specified device not found (/dev/ttyS0).";
    start({"02010000"});
    EXPECT_EQ(messages.errors, QStringList{port.openError});
    EXPECT_TRUE(port.writes().isEmpty());
    EXPECT_EQ(result, Result::Cancel);
    EXPECT_EQ(finishes, 1);
    clock.advance(60000);
    EXPECT_TRUE(messages.infos.isEmpty()) << "no silence message after the port error";
}

TEST_F(ExchangeFailures, emptyListFinishesAtOnceWithoutOpeningThePort) {
    start({});
    EXPECT_EQ(result, Result::Ok);
    EXPECT_EQ(port.opens(), 0);
}

TEST_F(ExchangeFailures, deactivationStopsTimersAndClosesThePort) {
    start({"02010000", "02010100"});
    port.feed(shortBlock(0));
    engine.FormDeactivate();
    EXPECT_FALSE(port.active());
    EXPECT_EQ(clock.untilNext(), -1);
    EXPECT_EQ(port.writes().size(), 1);
}

TEST_F(ExchangeFailures, captionOfObjectZeroIsTheCodeWordAndTheNumber) {
    start({"02000500"});
    EXPECT_EQ(engine.view().lbFileNum, QString::fromUtf8("Чтение 5"));
}
