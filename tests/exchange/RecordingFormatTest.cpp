// The reader of recorded exchanges: the simulator's log lines may start with a
// time stamp, and a damaged file is refused with the line that is wrong.
#include "support/Recording.h"

#include <QFile>
#include <QRegularExpression>
#include <gtest/gtest.h>

TEST(RecordingFormat, stampedLogLinesReadAsUnstamped_damagedLinesAreRefusedWithTheirNumber) {
    QFile f(QStringLiteral(ECHOLON_TEST_DATA_DIR "/short-write-read.rec"));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray plain = f.readAll();
    QString text = QString::fromUtf8(plain);
    text.replace(QRegularExpression("^(rx|tx|note) ", QRegularExpression::MultilineOption),
                 "2026-12-08T12:00:00.250Z \\1 ");
    ASSERT_NE(text.toUtf8(), plain);

    QString error;
    const auto a = Recording::parse(plain, error);
    const auto b = Recording::parse(text.toUtf8(), error);
    ASSERT_TRUE(a && b) << error.toStdString();
    ASSERT_EQ(a->frames.size(), 6);
    EXPECT_EQ(a->programBytes(), b->programBytes());
    EXPECT_EQ(a->instrumentFrames(), b->instrumentFrames());
    EXPECT_EQ(a->notes, b->notes);
    EXPECT_EQ(a->commands.size(), 3);
    EXPECT_EQ(a->commands[1].payload.size(), 384);
    EXPECT_TRUE(a->ok);

    for (const char* bad : {"tx 5", "rx 9600", "rx 0 55 00", "rx fast 55 00", "@command 0201", "@answer 9 00",
                            "@result maybe", "@frobnicate"}) {
        const QByteArray damaged = "@command 02010000\n" + QByteArray(bad) + "\n@result ok\n";
        EXPECT_FALSE(Recording::parse(damaged, error)) << bad;
        EXPECT_TRUE(error.startsWith("line 2: ")) << bad << ": " << error.toStdString();
    }
}
