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
    const QString source = store::LibraryCopy::shown(from), target = store::LibraryCopy::shown(to);
    auto say = [](std::FILE* stream, const QString& text) {
        std::fputs((text + '\n').toLocal8Bit().constData(), stream);
    };
    try {
        const qint64 copied = store::LibraryCopy::copy(from, to);
        say(stdout, copied == 1 ? tr("Copied 1 waveform from %1 to %2.").arg(source, target)
                                : tr("Copied %1 waveforms from %2 to %3.").arg(copied).arg(source, target));
        return 0;
    } catch (const store::StoreError& e) {
        say(stderr,
            "echolon: " +
                tr("Nothing was copied from %1 to %2: %3").arg(source, target, QString::fromUtf8(e.what())));
        return 1;
    }
}

} // namespace app
