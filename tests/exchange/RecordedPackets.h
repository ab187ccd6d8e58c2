#pragma once
// Answer packets as the simulated instrument sent them, taken from the
// recordings in tests/data rather than built here the way the program does.
#include "exchange/PacketFormat.h"
#include "support/Recording.h"

#include <gtest/gtest.h>

// tests/data/`name`; an empty recording and a test failure when it cannot be read.
inline Recording loadRecording(const char* name) {
    QString error;
    auto r = Recording::load(name, error);
    if (!r) ADD_FAILURE() << error.toStdString();
    return r.value_or(Recording());
}

// The instrument's answer packets (code 2 in byte 4), not the write
// acknowledgements nor the "nothing to send" answers.
inline QVector<QByteArray> answerPackets(const Recording& r) {
    QVector<QByteArray> out;
    for (const QByteArray& f : r.instrumentFrames())
        if (f.size() >= exchange::wire::kAnswerHeaderBytes && f[4] == 2) out << f;
    return out;
}
