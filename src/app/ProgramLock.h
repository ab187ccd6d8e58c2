#pragma once
#include <QLockFile>
#include <QString>

namespace app {

// Keeps a second copy of the program off a program folder while it lives:
// the lock file <folder>/.echolon.lock. The lock goes with the process, so a
// copy that crashed does not block the next start.
class ProgramLock {
public:
    enum class State { Held, InUse, Unavailable };

    explicit ProgramLock(const QString& folder);

    State state() const { return state_; }
    // Why the lock is not held, naming the folder (and the holder when known).
    QString message() const { return message_; }

private:
    QLockFile file_;
    State state_ = State::Held;
    QString message_;
};

} // namespace app
