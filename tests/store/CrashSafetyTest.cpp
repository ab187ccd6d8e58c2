#include "store/Database.h"
#include "store/Dataset.h"
#include "support/TempHome.h"

#include <QSqlQuery>
#include <gtest/gtest.h>
#include <csignal>
#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace store;

namespace {

// Appends waveforms forever, reporting each committed post on `out`.
[[noreturn]] void appendUntilKilled(const QString& file, int out) {
    try {
        Database db("crash", Schema::Kind::Library);
        db.setPath(file);
        Dataset ds(db, "t");
        ds.setTableName("master");
        ds.open();
        const QByteArray points(8512, '\x5a');
        for (qint32 i = 1;; ++i) {
            ds.append();
            ds.fieldByName("REC_ID").setInteger(i);
            ds.fieldByName("POINTS").setBlob(points);
            ds.post();
            if (write(out, &i, sizeof i) != sizeof i) _exit(3);
        }
    } catch (...) {
        _exit(2);
    }
}

} // namespace

TEST(CrashSafety, libraryKilledMidWriteKeepsEveryCommittedPostAndStaysIntact) {
    TempHome home;
    const QString file = home.file("Data/ecl41_data.db");
    Database::createFile(file, Schema::Kind::Library);
    int fds[2];
    ASSERT_EQ(pipe(fds), 0);
    const pid_t pid = fork();
    ASSERT_GE(pid, 0);
    if (pid == 0) {
        close(fds[0]);
        appendUntilKilled(file, fds[1]);
    }
    close(fds[1]);
    qint32 confirmed = 0;
    while (confirmed < 300) {
        pollfd p{fds[0], POLLIN, 0};
        ASSERT_GT(poll(&p, 1, 60000), 0) << "the writer made no progress";
        qint32 i = 0;
        ASSERT_EQ(read(fds[0], &i, sizeof i), static_cast<ssize_t>(sizeof i)) << "the writer stopped";
        confirmed = i;
    }
    kill(pid, SIGKILL);
    int status = 0;
    waitpid(pid, &status, 0);
    qint32 i = 0;
    while (read(fds[0], &i, sizeof i) == static_cast<ssize_t>(sizeof i)) confirmed = i;
    close(fds[0]);

    Database db("check", Schema::Kind::Library);
    db.setPath(file);
    db.connect();
    QSqlQuery q(db.handle());
    ASSERT_TRUE(q.exec("PRAGMA integrity_check"));
    ASSERT_TRUE(q.next());
    EXPECT_EQ(q.value(0).toString(), "ok");
    ASSERT_TRUE(q.exec("SELECT count(*), max(REC_ID) FROM master"));
    ASSERT_TRUE(q.next());
    EXPECT_GE(q.value(0).toInt(), confirmed);
    EXPECT_LE(q.value(0).toInt(), confirmed + 1);
    EXPECT_EQ(q.value(0).toInt(), q.value(1).toInt());
}
