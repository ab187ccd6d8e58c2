// The exchange engine against recorded exchanges with the simulated instrument
// (tests/data/*.rec): the instrument's bytes played back on the in-memory port,
// whole and cut anywhere, must draw from the program exactly the bytes it sent
// to the instrument, and the same answers, problems, messages and result.
#include "Replay.h"
#include "support/TempHome.h"

#include <gtest/gtest.h>

namespace {

const char* const kRecordings[] = {
    "short-list.rec",
    "short-write-read.rec",
    "short-bad-checksum.rec",
    "short-silence.rec",
    "short-bad-ack.rec",
    "packet-52a-waveform.rec",
    "packet-52a-write-read.rec",
    "packet-52a1-waveform.rec",
    "packet-52a1-list.rec",
    "packet-pr-table.rec",
    "packet-stall.rec",
    "packet-garbage.rec",
};

class RecordedExchange : public ::testing::TestWithParam<const char*> {
protected:
    void SetUp() override {
        QString error;
        auto r = Recording::load(GetParam(), error);
        ASSERT_TRUE(r) << error.toStdString();
        ASSERT_TRUE(r->hasResult) << "no @result line";
        ASSERT_FALSE(r->programBytes().isEmpty());
        recording = *r;
    }

    TempHome home;
    Recording recording;
};

} // namespace

TEST_P(RecordedExchange, replaysAsRecorded) {
    const QString why = departure(recording, replay(recording, whole()));
    EXPECT_TRUE(why.isEmpty()) << why.toStdString();
}

// However the line delivers the instrument's bytes: each frame cut at every
// position in turn, then all frames in random pieces.
TEST_P(RecordedExchange, replaysWithTheInstrumentBytesCutAnywhere) {
    const QVector<QByteArray> frames = recording.instrumentFrames();
    for (int f = 0; f < frames.size(); ++f) {
        for (int at = 1; at < frames[f].size(); ++at) {
            const QString why = departure(recording, replay(recording, cutAt(f, at)));
            ASSERT_TRUE(why.isEmpty()) << "frame " << f << " cut at " << at << ": " << why.toStdString();
        }
    }
    for (unsigned seed = 1; seed <= 20; ++seed) {
        const QString why = departure(recording, replay(recording, randomPieces(seed, 1 + int(seed) * 3)));
        ASSERT_TRUE(why.isEmpty()) << "seed " << seed << ": " << why.toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(Recordings, RecordedExchange, ::testing::ValuesIn(kRecordings),
                         [](const auto& info) {
                             std::string name = info.param;
                             name = name.substr(0, name.find('.'));
                             for (char& c : name)
                                 if (c == '-') c = '_';
                             return name;
                         });
