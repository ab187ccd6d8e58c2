#pragma once
// The program and the simulator started as a user starts them: a child process
// in an environment of fresh temporary folders and without a display.
#include "support/ChildProcess.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>
#include <QThread>
#include <functional>

struct Finished {
    bool ended = false;
    int exitCode = -1;
    QString out, err;
};

class CleanProcess {
public:
    CleanProcess() {
        env_ = QProcessEnvironment::systemEnvironment();
        for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "ECHOLON_HOME"})
            env_.remove(name);
        for (const char* name : {"HOME", "XDG_DATA_HOME", "XDG_CONFIG_HOME"}) {
            const QString dir = root_.filePath(name);
            QDir().mkpath(dir);
            env_.insert(name, dir);
        }
    }

    QString dir(const char* name) const { return root_.filePath(name); }
    void setEnv(const QString& name, const QString& value) { env_.insert(name, value); }
    // For a process started some other way (through a wrapper).
    const QProcessEnvironment& environment() const { return env_; }

    // Runs to the end (60 s at most, for a loaded machine).
    Finished run(const QString& program, const QStringList& args) {
        QProcess p;
        p.setProcessEnvironment(env_);
        endWithThisProcess(p);
        p.start(binary(program), arguments(program, args));
        Finished f;
        f.ended = p.waitForFinished(60000) && p.exitStatus() == QProcess::NormalExit;
        if (!f.ended) {
            p.kill();
            p.waitForFinished();
        }
        f.exitCode = p.exitCode();
        f.out = QString::fromLocal8Bit(p.readAllStandardOutput());
        f.err = QString::fromLocal8Bit(p.readAllStandardError());
        return f;
    }

    // Starts one that keeps running, on the offscreen platform.
    void start(QProcess& p, const QString& program, const QStringList& args) {
        QProcessEnvironment env = env_;
        env.insert("QT_QPA_PLATFORM", "offscreen");
        p.setProcessEnvironment(env);
        endWithThisProcess(p);
        p.start(binary(program), arguments(program, args));
    }

    static QString binary(const QString& program) { return QStringLiteral(ECHOLON_BIN_DIR "/") + program; }

    // The program shows the texts as written, whatever the machine's locale.
    static QStringList arguments(const QString& program, const QStringList& args) {
        return program == QLatin1String("echolon") ? QStringList{"--lang", "described"} + args : args;
    }

private:
    QTemporaryDir root_;
    QProcessEnvironment env_;
};

// Checks `done` every 100 ms for up to 60 s.
inline bool eventually(const std::function<bool()>& done) {
    for (int i = 0; i < 600; ++i) {
        if (done()) return true;
        QThread::msleep(100);
    }
    return done();
}

// The process named in a program folder's lock file, 0 when there is none.
inline qint64 lockHolder(const QString& folder) {
    QFile f(folder + "/.echolon.lock");
    if (!f.open(QIODevice::ReadOnly)) return 0;
    return f.readLine().trimmed().toLongLong();
}
