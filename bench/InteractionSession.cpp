// The interaction session (InteractionSession.h) on the library in a file:
// every kind within a frame at the 99th percentile and within 5 ms at the median.
#include "InteractionSession.h"

#include <QDir>
#include <QTemporaryDir>

namespace {

// A fresh copy of the generated library for every run: the session writes to it.
void copyFolder(const QString& from, const QString& to) {
    const QString name = QStringLiteral("/Data/ecl41_data.db");
    QDir().mkpath(to + QStringLiteral("/Data"));
    if (!QFile::copy(from + name, to + name))
        bench::fail(QStringLiteral("Cannot copy %1 into %2").arg(from + name, to));
}

} // namespace

int main(int argc, char** argv) {
    using namespace bench::interaction;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QString generated = QDir::tempPath() + QStringLiteral("/echolon-bench-interaction-v2");
    QElapsedTimer generation;
    generation.start();
    bench::ensureProgramFolder(generated,
                               {{QStringLiteral("Data/ecl41_data.db"), kLibraryRows, kLibraryLarge}});
    QTemporaryDir home, config;
    if (!home.isValid() || !config.isValid()) bench::fail(QStringLiteral("Cannot make a temporary folder"));
    copyFolder(generated, home.path());
    qputenv("ECHOLON_HOME", home.path().toUtf8());
    qputenv("XDG_CONFIG_HOME", config.path().toUtf8());
    std::fprintf(stderr, "program folder ready in %.1f s\n", double(generation.nsecsElapsed()) / 1e9);

    Goals goals;
    goals.label = QStringLiteral("interaction");
    goals.kinds.fill(Goal{16, 5});
    return run(goals);
}
