#pragma once
// A recorded exchange between the program and the simulated instrument
// (tests/data/*.rec, made by echolon-record; tests/data/README.md). Lines:
//   # TEXT                 a comment
//   @sim ARGS...           the simulator's options
//   @command CMD [HEX]     a command of the list, a write with its payload
//   [STAMP] rx SPEED HEX   a frame from the program, as the simulator logged it
//   [STAMP] tx HEX         bytes from the instrument, as sent
//   [STAMP] note TEXT      anything else the simulator logged
//   @result ok|cancel      how the exchange ended
//   @answer N [HEX]        the bytes read command N ended with
//   @problem N TEXT        why command N ended without a result
//   @message KIND TEXT     a message shown to the user (info, warning, error)
// The optional STAMP is any one token before rx, tx or note.
#include <QByteArray>
#include <QMap>
#include <QString>
#include <QStringList>
#include <QVector>
#include <optional>

struct RecordedCommand {
    QString command;
    QByteArray payload; // of a write
};

struct RecordedFrame {
    bool fromProgram = false; // rx in the log; otherwise tx, from the instrument
    int speed = 0;            // line speed of an rx frame
    QByteArray bytes;
};

struct Recording {
    QStringList simArgs;
    QVector<RecordedCommand> commands;
    QVector<RecordedFrame> frames; // in the order of the log
    QStringList notes;
    bool ok = false; // @result ok
    bool hasResult = false;
    QMap<int, QByteArray> answers;
    QMap<int, QString> problems;
    QStringList messages; // "KIND TEXT"

    // Everything the program sent, in order.
    QByteArray programBytes() const;
    // The frames of one side.
    QVector<QByteArray> instrumentFrames() const;

    // Parses the text of a recording; on a malformed line returns nothing and
    // sets `error` to the line and what is wrong with it.
    static std::optional<Recording> parse(const QByteArray& text, QString& error);
    // Reads tests/data/`name`.
    static std::optional<Recording> load(const QString& name, QString& error);
};
