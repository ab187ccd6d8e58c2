#pragma once
// The simulated instrument as a child process on its own pseudo-terminal.
#include "support/ChildProcess.h"

#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QStringList>
#include <QTemporaryDir>

class SimProcess {
public:
    explicit SimProcess(QStringList args) {
        logPath_ = dir_.filePath("sim.log");
        args << "--log" << logPath_;
        endWithThisProcess(process_);
        process_.start(QStringLiteral(ECHOLON_BIN_DIR "/echolon-sim"), args);
        if (process_.waitForStarted(10000) && process_.waitForReadyRead(10000))
            device_ = QString::fromLocal8Bit(process_.readLine()).trimmed();
    }
    ~SimProcess() { stop(); }

    // Ends the simulator; its log stays readable.
    void stop() {
        if (process_.state() == QProcess::NotRunning) return;
        process_.terminate();
        if (!process_.waitForFinished(5000)) process_.kill();
    }

    // The slave device, empty when the simulator did not start.
    const QString& device() const { return device_; }

    // The log's lines without the time each starts with.
    QStringList log() const {
        QFile f(logPath_);
        if (!f.open(QIODevice::ReadOnly)) return {};
        QStringList lines = QString::fromUtf8(f.readAll()).split('\n', Qt::SkipEmptyParts);
        static const QRegularExpression stamp("^\\S+ (?=(rx|tx|note) )");
        for (QString& line : lines) line.remove(stamp);
        return lines;
    }
    QStringList received() const { return log().filter(QRegularExpression("^rx ")); }

private:
    QTemporaryDir dir_;
    QString logPath_;
    QProcess process_;
    QString device_;
};
