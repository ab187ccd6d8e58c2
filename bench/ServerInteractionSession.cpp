// The interaction session (InteractionSession.h) on the library on a server:
// a test PostgreSQL of the server's default durability, reached over TCP on
// loopback as a crew's server is, holding the same 120,000 waveforms. Every
// kind within a frame at the 99th percentile, but the type switch, which lists
// the other type from the server, within 50 ms.
#include "InteractionSession.h"
#include "ServerLibrary.h"
#include "store/OdbcRegistry.h"
#include "store/TDataModule1.h"
#include "support/PgServer.h"

#include <QTemporaryDir>
#include <QUrl>

int main(int argc, char** argv) {
    using namespace bench::interaction;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QString loopback = QStringLiteral("127.0.0.1");
    PgServer server(PgServer::Durability::Durable, loopback);
    if (!server.available()) {
        std::printf("BENCH\tserver interaction\tskipped: %s\t-\t-\n", qPrintable(server.unavailableReason()));
        return 0;
    }
    const QString direct = server.createDatabase();
    if (direct.isEmpty()) bench::fail(server.error());
    QElapsedTimer made;
    made.start();
    bench::fillServerLibrary(direct, kLibraryRows, kLibraryLarge);
    const QString url = QStringLiteral("postgresql://echolon@%1:%2/%3")
                            .arg(loopback)
                            .arg(server.port())
                            .arg(QUrl(direct).path().mid(1));
    std::fprintf(stderr, "server library ready in %.1f s\n", double(made.nsecsElapsed()) / 1e9);

    QTemporaryDir home, config;
    if (!home.isValid() || !config.isValid()) bench::fail(QStringLiteral("Cannot make a temporary folder"));
    qputenv("ECHOLON_HOME", home.path().toUtf8());
    qputenv("XDG_CONFIG_HOME", config.path().toUtf8());
    store::OdbcRegistry().writeDbq(store::TDataModule1::kLibraryAlias, url);

    Goals goals;
    goals.label = QStringLiteral("server interaction");
    goals.kinds.fill(Goal{16, 0});
    goals.kinds[TypeSwitch] = Goal{50, 0};
    return run(goals);
}
