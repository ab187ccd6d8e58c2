#pragma once
#include <QByteArray>
#include <QString>

// A pseudo-terminal pair for tests: the slave is the "device" a port opens by
// name, the test plays the other end of the line on the master.
class PtyPair {
public:
    PtyPair();
    ~PtyPair();
    PtyPair(const PtyPair&) = delete;
    PtyPair& operator=(const PtyPair&) = delete;

    QString devicePath() const { return path_; }
    int master() const { return master_; }

    void send(const QByteArray& bytes);
    QByteArray readAvailable();
    // Reads until `count` bytes have come or `milliseconds` have passed.
    QByteArray readFor(int count, int milliseconds);
    // The line speed the device was given, read back through termios2.
    int lineSpeed() const;
    // Closes the master: the line goes dead for the port.
    void hangUp();

private:
    int master_ = -1;
    QString path_;
};
