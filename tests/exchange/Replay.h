#pragma once
// The instrument's side of a recorded exchange played to the exchange engine on
// the in-memory port, the program's timers run on a manual clock whenever the
// recording shows the program sending next.
#include "support/Recording.h"

#include <QByteArray>
#include <QMap>
#include <QString>
#include <QStringList>
#include <QVector>
#include <functional>

// What the engine sent and ended with.
struct ReplayOutcome {
    QByteArray sent;
    int speed = 0; // bit/s the port was set to
    bool finished = false;
    bool ok = false;
    QMap<int, QByteArray> answers; // of the read commands
    QMap<int, QString> problems;
    QStringList messages; // "KIND TEXT", as recorded
    // The first instrument frame before which the program had already sent more
    // than the recording shows; -1 when it never ran ahead.
    int aheadAtFrame = -1;
};

// Cuts instrument frame number `frame` (counting the instrument's frames only)
// into the pieces the port receives one after the other.
using FrameCutter = std::function<QVector<QByteArray>(int frame, const QByteArray& bytes)>;

// Needs a temporary home (the engine reads its settings file).
ReplayOutcome replay(const Recording& recording, const FrameCutter& cut);

// Where the outcome departs from the recording; empty when it matches.
QString departure(const Recording& recording, const ReplayOutcome& outcome);

// Cutters: every frame whole; frame `frame` cut at `position`; every frame in
// pieces of 1 to `longest` bytes drawn from `seed`.
FrameCutter whole();
FrameCutter cutAt(int frame, int position);
FrameCutter randomPieces(unsigned seed, int longest);
