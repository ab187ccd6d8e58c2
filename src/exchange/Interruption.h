#pragma once
#include <QString>

namespace exchange {

// How an exchange ended before its last command, as the engine notes it in the
// command list: why, and from which command on nothing finished. The commands
// before that one keep whatever they received whole.
struct Interruption {
    enum class Cause {
        NoAnswer,    // the instrument fell silent
        LineClosed,  // the other end closed the line (a program on a pseudo-terminal)
        AdapterGone, // the serial device went away (an adapter unplugged)
        Stopped,     // the user stopped the exchange or closed its dialog
        LineLost,    // the open line failed: the adapter unplugged or the instrument switched off
        LineError,   // the port failed otherwise; `detail` holds its words
    };

    Cause cause = Cause::NoAnswer;
    QString detail;
    int firstUnfinished = 0;

    // Why, in the user's words, to follow "The exchange was interrupted: ".
    QString reason() const;
    // The whole sentence: "The exchange was interrupted: <reason>."
    QString sentence() const;
};

} // namespace exchange
