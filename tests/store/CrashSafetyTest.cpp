#include "store/Database.h"
#include "store/Dataset.h"
#include "support/TempHome.h"

#include <QSqlQuery>
#include <csignal>
#include <gtest/gtest.h>
#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace store;

namespace {

// Each row's waveform is filled with a byte of its own, so a row whose
// waveform was cut or mixed with another's shows.
QByteArray pointsOf(qint32 recId) { return QByteArray(8512, char(recId * 37 + 1)); }

// Appends waveforms after the last stored one forever, reporting each committed post on `out`.
[[noreturn]] void appendUntilKilled(const QString& file, int out) {
    try {
        Database db("crash", Schema::Kind::Library);
        db.setPath(file);
        db.connect();
        QSqlQuery last(db.handle());
        if (!last.exec("SELECT coalesce(max(REC_ID), 0) FROM master") || !last.next()) _exit(4);
        qint32 i = last.value(0).toInt();
        last.finish();
        Dataset ds(db, "t");
        ds.setTableName("master");
        ds.open();
        for (;;) {
            ++i;
            ds.append();
            ds.fieldByName("REC_ID").setInteger(i);
            ds.fieldByName("POINTS").setBlob(pointsOf(i));
            ds.post();
            if (write(out, &i, sizeof i) != sizeof i) _exit(3);
        }
    } catch (...) {
        _exit(2);
    }
}

// Starts a writer, lets it commit `posts` more rows, kills it mid-write and
// returns the last row it reported committed.
qint32 killWriterAfter(const QString& file, int posts) {
    int fds[2];
    if (pipe(fds) != 0) return -1;
    const pid_t pid = fork();
    if (pid < 0) return -1;
    if (pid == 0) {
        close(fds[0]);
        appendUntilKilled(file, fds[1]);
    }
    close(fds[1]);
    qint32 confirmed = -1;
    for (int n = 0; n < posts; ++n) {
        pollfd p{fds[0], POLLIN, 0};
        qint32 i = 0;
        if (poll(&p, 1, 60000) <= 0 || read(fds[0], &i, sizeof i) != static_cast<ssize_t>(sizeof i)) break;
        confirmed = i;
    }
    kill(pid, SIGKILL);
    int status = 0;
    waitpid(pid, &status, 0);
    qint32 i = 0;
    while (read(fds[0], &i, sizeof i) == static_cast<ssize_t>(sizeof i)) confirmed = i;
    close(fds[0]);
    return confirmed;
}

} // namespace

TEST(CrashSafety, libraryKilledMidWriteTwentyTimesKeepsEveryCommittedPostAndStaysIntact) {
    TempHome home;
    const QString file = home.file("Data/ecl41_data.db");
    Database::createFile(file, Schema::Kind::Library);

    qint32 confirmed = 0;
    for (int round = 0; round < 20; ++round) {
        const qint32 now = killWriterAfter(file, 5 + (round * 7) % 23);
        ASSERT_GT(now, confirmed) << "the writer made no progress in round " << round;
        confirmed = now;
    }

    Database db("check", Schema::Kind::Library);
    db.setPath(file);
    db.connect();
    QSqlQuery q(db.handle());
    ASSERT_TRUE(q.exec("PRAGMA integrity_check"));
    ASSERT_TRUE(q.next());
    EXPECT_EQ(q.value(0).toString(), "ok");

    // Every committed row is there and whole; at most the post under way at the kill may have landed too.
    ASSERT_TRUE(q.exec("SELECT REC_ID, POINTS FROM master ORDER BY REC_ID"));
    qint32 expected = 1;
    while (q.next()) {
        ASSERT_EQ(q.value(0).toInt(), expected) << "a row is missing or repeated";
        ASSERT_EQ(q.value(1).toByteArray(), pointsOf(expected)) << "row " << expected << " is damaged";
        ++expected;
    }
    EXPECT_GE(expected - 1, confirmed);
    EXPECT_LE(expected - 1, confirmed + 1);
}
