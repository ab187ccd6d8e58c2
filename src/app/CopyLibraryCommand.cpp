#include "app/CopyLibraryCommand.h"

#include "app/Language.h"
#include "store/Dataset.h"
#include "store/LibraryCopy.h"

#include <cstdio>

namespace app {

int CopyLibraryCommand::run(const CommandLine& line, int& argc, char** argv) {
    QCoreApplication app(argc, argv);
    installTranslation(app, line.language.value_or(languageOfEnvironment(
                                [](const char* name) { return qEnvironmentVariable(name); })));
    const QString& from = line.copyRequest.from;
    const QString& to = line.copyRequest.to;
    try {
        const qint64 copied = store::LibraryCopy::copy(from, to);
        std::fputs((tr("Copied %1 waveforms from %2 to %3.")
                        .arg(copied)
                        .arg(store::LibraryCopy::shown(from), store::LibraryCopy::shown(to)) +
                    '\n')
                       .toLocal8Bit()
                       .constData(),
                   stdout);
        return 0;
    } catch (const store::StoreError& e) {
        std::fputs(("echolon: " +
                    tr("Nothing was copied from %1 to %2: %3")
                        .arg(store::LibraryCopy::shown(from), store::LibraryCopy::shown(to),
                             QString::fromUtf8(e.what())) +
                    '\n')
                       .toLocal8Bit()
                       .constData(),
                   stderr);
        return 1;
    }
}

} // namespace app
