#include "EngineFixture.h"

#include <QFile>

using namespace exchange;

using ShortFrames = EngineFixture;

TEST_F(ShortFrames, read_sendsTwoBytesAt9600_andTakesTheAnswerInPieces) {
    start({"02010500"});
    EXPECT_EQ(port.lineSpeed(), LineSpeed::Baud9600);
    ASSERT_EQ(port.writes().size(), 1);
    EXPECT_EQ(port.lastWrite(), QByteArray("\x55\x05", 2));
    EXPECT_EQ(engine.view().lbFileNum, QString::fromUtf8("Чтение рефлектограммы № 5"));
    EXPECT_TRUE(engine.view().btStopEnabled);

    const QByteArray block = shortBlock(5);
    port.feed(block.left(1));
    port.feed(block.mid(1, 200));
    EXPECT_EQ(result, Result::Running);
    port.feed(block.mid(201));

    EXPECT_EQ(result, Result::Ok);
    EXPECT_EQ(finishes, 1);
    EXPECT_EQ(bytesOf(0), block);
    EXPECT_FALSE(port.active());
    EXPECT_FALSE(engine.view().btStopEnabled);
    EXPECT_EQ(engine.view().lbFrameNum, QString::fromUtf8("( пакет 1 из 1 )"));
    EXPECT_EQ(engine.view().lbFileNum, QString::fromUtf8("Чтение рефлектограммы № 5 - успешно"));
    EXPECT_EQ(engine.view().pbTotalPosition, 1);
    EXPECT_TRUE(messages.infos.isEmpty());
}

TEST_F(ShortFrames, read_extraBytesAreDroppedAndNeverCountForTheNextCommand) {
    start({"02040000", "02040100"});
    const QByteArray first = shortBlock(1);
    port.feed(first + QByteArray(40, 'x')); // more than the answer in one arrival
    EXPECT_EQ(bytesOf(0), first);
    port.feed(shortBlock(9)); // stray bytes before the next request
    EXPECT_EQ(port.writes().size(), 1);
    EXPECT_EQ(result, Result::Running);

    clock.advance(49);
    EXPECT_EQ(port.writes().size(), 1);
    clock.advance(1);
    ASSERT_EQ(port.writes().size(), 2);
    EXPECT_EQ(port.lastWrite(), QByteArray("\x55\x01", 2));
    EXPECT_EQ(port.purges(), 1);
    EXPECT_EQ(engine.view().lbFileNum, QString::fromUtf8("Чтение списка рефлектограмм 1"));

    const QByteArray second = shortBlock(2);
    port.feed(second);
    EXPECT_EQ(result, Result::Ok);
    EXPECT_EQ(bytesOf(1), second);
    EXPECT_EQ(engine.view().pbTotalPosition, 2);
}

TEST_F(ShortFrames, write_sends387BytesWithTheirChecksum_andTheEchoedSumCompletesIt) {
    // 384 bytes of 0x03 sum to 1152 = 4 × 256 + 128: the checksum is 0x80.
    QByteArray block(385, '\x03');
    block[384] = char(0x77); // the stored checksum byte is not sent: it is computed afresh
    start({"03010700", "03010800"}, block);
    ASSERT_EQ(port.writes().size(), 1);
    const QByteArray frame = port.lastWrite();
    ASSERT_EQ(frame.size(), 387);
    EXPECT_EQ(frame.left(2), QByteArray("\x56\x07", 2));
    EXPECT_EQ(frame.mid(2, 384), block.left(384));
    EXPECT_EQ(static_cast<unsigned char>(frame[386]), 0x80);

    port.feed(QByteArray(1, char(0x80)));
    // The next write goes out at once, without the command timer.
    ASSERT_EQ(port.writes().size(), 2);
    EXPECT_EQ(port.lastWrite().left(2), QByteArray("\x56\x08", 2));
    EXPECT_EQ(engine.view().lbFileNum, QString::fromUtf8("Запись рефлектограммы № 8"));
    port.feed(QByteArray(1, char(0x80)));
    EXPECT_EQ(result, Result::Ok);
}

TEST_F(ShortFrames, write_wrongAcknowledgementWaitsForTheThirtySecondTimer) {
    start({"03010700"}, shortBlock(3));
    port.feed(QByteArray("\x00\x00", 2));
    clock.advance(29999);
    EXPECT_EQ(result, Result::Running);
    clock.advance(1);
    EXPECT_EQ(result, Result::Cancel);
    EXPECT_EQ(messages.infos, QStringList{ExchangeEngine::kNoAnswer});
    EXPECT_FALSE(port.active());
}

TEST_F(ShortFrames, write_blockShorterThanTheFrameIsRefusedBeforeAnythingIsSent) {
    start({"03010700"}, QByteArray(100, '\1'));
    EXPECT_TRUE(port.writes().isEmpty());
    ASSERT_EQ(messages.errors.size(), 1);
    EXPECT_TRUE(messages.errors[0].contains("384"));
    EXPECT_FALSE(port.active());
}

TEST_F(ShortFrames, lineSpeedIsSetByTheFirstCommandForTheWholeList) {
    start({"02010000", "02020003"});
    EXPECT_EQ(port.lineSpeed(), LineSpeed::Baud9600);
    port.feed(shortBlock(0));
    clock.advance(50);
    EXPECT_EQ(port.opens(), 1);
    EXPECT_EQ(port.lineSpeed(), LineSpeed::Baud9600);
    EXPECT_EQ(port.lastWrite().size(), 9); // the second command still speaks packets
}

TEST_F(ShortFrames, portNumberComesFromTheSettingsFile) {
    start({"02010000"});
    EXPECT_EQ(port.portNum(), 1);
    engine.FormDeactivate();

    QFile f(home.file("Echolon.v41"));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("[COM]\nPortNum=3\n");
    f.close();
    engine.FormActivate();
    EXPECT_EQ(port.portNum(), 3);
}

TEST_F(ShortFrames, stopDuringAWrite_closesAtTheAcknowledgementAndWaitsForTheErrorTimer) {
    const QByteArray block = shortBlock(4);
    start({"03010100", "03010200"}, block);
    engine.btStopClick();
    EXPECT_TRUE(port.active());
    port.feed(QByteArray(1, port.lastWrite().back()));
    EXPECT_FALSE(port.active());
    EXPECT_EQ(port.writes().size(), 1);
    clock.advance(29999);
    EXPECT_EQ(result, Result::Running);
    clock.advance(1);
    EXPECT_EQ(result, Result::Cancel);
    // The ending names the user's stop, not a silent instrument.
    EXPECT_EQ(messages.infos, QStringList{engine.stoppedByUser()});
}
