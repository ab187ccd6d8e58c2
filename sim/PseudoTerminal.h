#pragma once
#include <QByteArray>
#include <QString>

namespace sim {

// The master side of a pseudo-terminal whose slave plays the instrument's
// serial port. The slave starts in raw mode so nothing is echoed before the
// program sets the line up itself.
class PseudoTerminal {
public:
    PseudoTerminal() = default;
    ~PseudoTerminal();
    PseudoTerminal(const PseudoTerminal&) = delete;
    PseudoTerminal& operator=(const PseudoTerminal&) = delete;

    // Returns false with `error` set when no pseudo-terminal can be had.
    bool open(QString& error);
    // Makes `path` a symbolic link to the slave, replacing an older link.
    bool makeLink(const QString& path, QString& error);
    void close();

    int fd() const { return fd_; }
    const QString& slavePath() const { return slave_; }
    // The speed the program set on the line, in bit/s; 0 when unknown.
    int slaveSpeed() const;

private:
    int fd_ = -1;
    QString slave_;
    QString link_;
};

} // namespace sim
