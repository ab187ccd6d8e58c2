// One copy of the program per program folder, seen from outside: the real
// program on the offscreen platform.
#include "CleanProcess.h"

#include <QDir>
#include <QFileInfo>
#include <gtest/gtest.h>

namespace {

// A running copy of the program that holds its program folder.
class RunningCopy {
public:
    RunningCopy(CleanProcess& env, const QString& home) {
        env.start(process_, "echolon", {"--home", home});
        holds_ = eventually([&] {
            return process_.state() != QProcess::NotRunning && lockHolder(home) == process_.processId();
        });
    }
    ~RunningCopy() {
        process_.kill();
        process_.waitForFinished();
    }
    bool holds() const { return holds_; }
    qint64 pid() const { return process_.processId(); }
    QString output() { return QString::fromLocal8Bit(process_.readAllStandardError()); }
    // Ends it as a crash would: no chance to remove its lock file.
    void crash() {
        process_.kill();
        process_.waitForFinished();
    }

private:
    QProcess process_;
    bool holds_ = false;
};

TEST(FolderLock, aSecondCopyOnTheSameFolderEndsNamingTheFolderAndTheHolder) {
    CleanProcess env;
    const QString home = env.dir("HOME") + "/library";
    QDir().mkpath(home);
    RunningCopy first(env, home);
    ASSERT_TRUE(first.holds()) << first.output().toStdString();

    env.setEnv("QT_QPA_PLATFORM", "offscreen");
    const Finished second = env.run("echolon", {"--home", home});
    ASSERT_TRUE(second.ended) << "the second copy must not wait for the first";
    EXPECT_EQ(second.exitCode, 3);
    EXPECT_TRUE(second.err.contains(home)) << second.err.toStdString();
    EXPECT_TRUE(second.err.contains(QString::number(first.pid()))) << second.err.toStdString();
    EXPECT_EQ(lockHolder(home), first.pid()) << "the refused copy leaves the lock alone";

    const QString other = env.dir("HOME") + "/other";
    QDir().mkpath(other);
    RunningCopy beside(env, other);
    EXPECT_TRUE(beside.holds()) << "another folder is free: " << beside.output().toStdString();
}

TEST(FolderLock, theLockOfACrashedCopyDoesNotBlockTheNext) {
    CleanProcess env;
    const QString home = env.dir("HOME") + "/library";
    QDir().mkpath(home);
    RunningCopy crashed(env, home);
    ASSERT_TRUE(crashed.holds()) << crashed.output().toStdString();
    crashed.crash();
    ASSERT_TRUE(QFileInfo::exists(home + "/.echolon.lock")) << "a crash leaves the lock file behind";

    RunningCopy next(env, home);
    EXPECT_TRUE(next.holds()) << next.output().toStdString();
}

} // namespace
