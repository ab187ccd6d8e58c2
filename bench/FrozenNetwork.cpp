// The main window on a server library whose network stalls without closing
// (a relay that stops forwarding and keeps its connections open, as a mobile
// link out of coverage does): for 20 s of freeze the user presses Down and Up
// in the library grid every 50 ms, each press timed from when it was due to
// the grid's next paint, so that a window held by a query waiting on the
// network counts every press that queued up behind it. The goal is the 99th
// percentile within 0.25 s, and the "not reachable" mark within 2 s.
#include "WaveformLibraries.h"
#include "app/LibraryConnectionNotice.h"
#include "app/MainProgram.h"
#include "store/Messages.h"
#include "store/OdbcRegistry.h"
#include "support/Named.h"
#include "support/PaintCounter.h"
#include "support/PgServer.h"
#include "support/TcpRelay.h"

#include <QAbstractItemModel>
#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QSqlError>
#include <QSqlQuery>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>
#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

constexpr int kRows = 40;
constexpr int kFreezeMs = 20000;
constexpr int kEveryMs = 50;
constexpr double kGoalSeconds = 0.25;
constexpr double kMarkGoalSeconds = 2.0;

class QuietMessages : public store::Messages {
public:
    void information(const QString&) override {}
    void warning(const QString&) override { ++warnings; }
    void error(const QString& text) override { bench::fail(QStringLiteral("The program reported: ") + text); }
    bool confirm(const QString&) override { return false; }
    int warnings = 0;
};

void fillLibrary(const QString& url) {
    store::Database library(QStringLiteral("ecl41_data"), store::Schema::Kind::Library);
    library.setPath(url);
    library.connect();
    {
        QSqlQuery q(library.handle());
        q.prepare(QStringLiteral(
            R"(INSERT INTO master ("REC_ID", "BANK_NUM", "MEMO", "SCALE", "ZOOM_L", "SPEED", "SDVIG", )"
            R"("START_PLAN", "DEVICE_TYPE", "POINTS") )"
            "SELECT i, 1, 'cable ' || i, 250, 1, '2,000', 0, 0, 'KM-41A1 ver.5', ? "
            "FROM generate_series(1, ?) AS i"));
        q.addBindValue(QByteArray(385, '\x05'));
        q.addBindValue(kRows);
        if (!q.exec()) bench::fail(q.lastError().text());
    }
    library.disconnect();
}

double percentile(std::vector<double> v, double p) {
    const auto at = v.begin() + std::ptrdiff_t(double(v.size() - 1) * p);
    std::nth_element(v.begin(), at, v.end());
    return *at;
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    PgServer server;
    if (!server.available()) bench::fail(server.unavailableReason());
    if (!server.start()) bench::fail(server.error());
    const QString direct = server.createDatabase();
    if (direct.isEmpty()) bench::fail(server.error());
    fillLibrary(direct);
    TcpRelay relay(server.socketFolder() + QStringLiteral("/.s.PGSQL.") + QString::number(server.port()));
    if (!relay.listening()) bench::fail(relay.error());
    const QString url = QStringLiteral("postgresql://echolon@127.0.0.1:%1/%2")
                            .arg(relay.port())
                            .arg(QUrl(direct).path().mid(1));

    QTemporaryDir home, config;
    if (!home.isValid() || !config.isValid()) bench::fail(QStringLiteral("Cannot make a temporary folder"));
    qputenv("ECHOLON_HOME", home.path().toUtf8());
    qputenv("XDG_CONFIG_HOME", config.path().toUtf8());
    store::OdbcRegistry().writeDbq(store::TDataModule1::kLibraryAlias, url);
    QuietMessages messages;
    store::setMessages(&messages);
    {
        app::MainProgram program;
        program.start();
        program.Form1.resize(1280, 900);
        program.Form1.show();
        if (!QTest::qWaitForWindowExposed(&program.Form1)) bench::fail(QStringLiteral("No window shown"));
        QTableView* grid = named<QTableView>(program.Form1, "DBGridEh1");
        if (grid->model()->rowCount() != kRows)
            bench::fail(QStringLiteral("The grid does not list the library"));
        grid->setCurrentIndex(grid->model()->index(0, 1));
        grid->setFocus();
        PaintCounter painted(grid->viewport());
        QTest::qWait(500);

        relay.freeze(std::chrono::milliseconds(3 * kFreezeMs));
        QElapsedTimer frozen;
        frozen.start();
        std::vector<double> stalls;
        double markedAfter = -1;
        for (qint64 due = kEveryMs; due <= kFreezeMs; due += kEveryMs) {
            QTest::qWait(static_cast<int>(std::max<qint64>(0, due - frozen.elapsed())));
            const int before = painted.paints;
            QTest::keyClick(grid, (due / kEveryMs) % 2 ? Qt::Key_Down : Qt::Key_Up);
            if (!QTest::qWaitFor([&] { return painted.paints > before; }, 3 * kFreezeMs))
                bench::fail(QStringLiteral("A key press was never painted"));
            stalls.push_back(double(frozen.elapsed() - due) / 1e3);
            if (markedAfter < 0 && program.connectionNotice->mark->isVisibleTo(&program.Form1))
                markedAfter = double(frozen.elapsed()) / 1e3;
        }
        relay.thaw();
        QElapsedTimer back;
        back.start();
        if (!QTest::qWaitFor([&] { return !program.connectionNotice->isLost(); }, kFreezeMs))
            bench::fail(QStringLiteral("The program did not reconnect after the thaw"));
        const double reconnected = double(back.elapsed()) / 1e3;
        if (grid->model()->rowCount() != kRows)
            bench::fail(QStringLiteral("The grid lost rows over the freeze"));

        const double p99 = percentile(stalls, 0.99);
        const double longest = *std::max_element(stalls.begin(), stalls.end());
        std::fprintf(stderr,
                     "%zu presses over %d s of freeze: p50 %.3f s, p99 %.3f s, longest %.3f s; "
                     "marked after %.2f s, %d warning(s); reconnected %.2f s after the thaw\n",
                     stalls.size(), kFreezeMs / 1000, percentile(stalls, 0.5), p99, longest, markedAfter,
                     messages.warnings, reconnected);
        std::printf("BENCH\tfrozen network: window stall p99\t%.3f s\t<= %.2f s\t%s\n", p99, kGoalSeconds,
                    p99 <= kGoalSeconds ? "yes" : "no");
        std::printf("BENCH\tfrozen network: longest stall\t%.3f s\t-\t-\n", longest);
        std::printf("BENCH\tfrozen network: marked not reachable\t%.2f s\t<= %.0f s\t%s\n", markedAfter,
                    kMarkGoalSeconds, markedAfter >= 0 && markedAfter <= kMarkGoalSeconds ? "yes" : "no");
    }
    store::setMessages(nullptr);
    return 0;
}
