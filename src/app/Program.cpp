#include "app/Program.h"

#include "app/CommandLine.h"
#include "app/CopyLibraryCommand.h"
#include "app/EcholonApplication.h"
#include "app/ExportCommand.h"
#include "app/Language.h"
#include "app/MainProgram.h"
#include "app/ProgramLock.h"
#include "app/QtMessages.h"
#include "app/StartupFolder.h"
#include "exchange/WireLog.h"
#include "store/PrListDefaults.h"
#include "store/ProgramFolder.h"
#include "store/TDataModule1.h"

#include <QFileInfo>
#include <QScreen>
#include <cstdio>
#include <optional>

namespace app {

namespace {
enum ExitCode { Normal = 0, StoreFailed = 1, BadStart = 2, FolderInUse = 3 };

enum class WindowSystem { None, Headless, Screen };

// Whether Qt can open windows at all, and whether somebody sees them to answer
// a question (on the offscreen platform a question box would wait forever).
WindowSystem windowSystem(const QString& platformOption) {
    const QString platform =
        (platformOption.isEmpty() ? qEnvironmentVariable("QT_QPA_PLATFORM") : platformOption)
            .section(':', 0, 0);
    if (platform == QLatin1String("offscreen") || platform == QLatin1String("minimal"))
        return WindowSystem::Headless;
    if (!platform.isEmpty()) return WindowSystem::Screen;
    if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        return WindowSystem::None;
    return WindowSystem::Screen;
}

void say(std::FILE* to, const QString& text) {
    std::fputs(text.toLocal8Bit().constData(), to);
    if (!text.endsWith('\n')) std::fputc('\n', to);
}

// Before the application object exists its applicationDirPath() cannot be
// asked; it reads the same link on Linux.
QString executableFolder() {
    return QFileInfo(QFileInfo(QStringLiteral("/proc/self/exe")).canonicalFilePath()).path();
}

int runMainWindow(QApplication& app, QtMessages& boxes) {
    store::setMessages(&boxes);
    int rc = Normal;
    try {
        store::createDefaultPrList(store::TDataModule1::listPath());
        MainProgram program;
        program.start();
        // Without a window manager "maximised" means nothing; start at the
        // screen's size so the charts get their room either way.
        if (QScreen* screen = QGuiApplication::primaryScreen())
            program.Form1.setGeometry(screen->availableGeometry());
        program.Form1.showMaximized();
        rc = app.exec();
    } catch (const std::exception& e) {
        // The store could not be opened even after restoring the library:
        // say why and end without touching anything else.
        boxes.error(QString::fromUtf8(e.what()));
        rc = StoreFailed;
    }
    store::setMessages(nullptr);
    return rc;
}
} // namespace

int runProgram(int& argc, char** argv) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);
    const CommandLine line = CommandLine::parse(arguments);
    switch (line.action) {
    case CommandLine::Action::Help: say(stdout, CommandLine::usage()); return Normal;
    case CommandLine::Action::Version: say(stdout, CommandLine::version()); return Normal;
    case CommandLine::Action::Error:
        say(stderr, "echolon: " + line.error + "\n\n" + CommandLine::usage());
        return BadStart;
    case CommandLine::Action::Export: return ExportCommand::run(line, argc, argv);
    case CommandLine::Action::CopyLibrary: return CopyLibraryCommand::run(line, argc, argv);
    case CommandLine::Action::Run: break;
    }

    // Open before anything else can fail, so that a wrong path is told at once.
    exchange::WireLogFile wireLog;
    if (!line.logWire.isEmpty()) {
        const QString why = wireLog.open(line.logWire);
        if (!why.isEmpty()) {
            say(stderr, "echolon: " + why);
            return BadStart;
        }
    }

    const WindowSystem windows = windowSystem(line.platform);
    std::optional<EcholonApplication> app;
    QtMessages boxes;
    auto application = [&]() -> EcholonApplication& {
        if (!app) {
            app.emplace(argc, argv);
            app->setApplicationName(CommandLine::version());
            // Before any window or message box, so that all of them speak it.
            const Language language = line.language.value_or(
                languageOfEnvironment([](const char* name) { return qEnvironmentVariable(name); }));
            if (!installTranslation(*app, language))
                say(stderr, QStringLiteral("echolon: the translation is missing from this build; "
                                           "the texts are shown as written"));
        }
        return *app;
    };

    store::FolderHints hints = store::folderHintsOf(executableFolder());
    hints.option = line.home;
    const store::FolderChoice folder = store::chooseProgramFolder(hints);
    const Creation creation = line.noCreate                     ? Creation::Refused
                              : windows == WindowSystem::Screen ? Creation::Ask
                                                                : Creation::NoDisplay;
    const QString notReady = prepareProgramFolder(folder, creation, [&](const QString& question) {
        application();
        return boxes.confirm(question);
    });
    if (!notReady.isEmpty()) {
        say(stderr, "echolon: " + notReady);
        return BadStart;
    }
    if (windows == WindowSystem::None) {
        say(stderr, QStringLiteral("echolon: no display (neither DISPLAY nor WAYLAND_DISPLAY is set); "
                                   "QT_QPA_PLATFORM=offscreen runs the program without one"));
        return BadStart;
    }

    const ProgramLock lock(folder.path);
    if (lock.state() == ProgramLock::State::InUse) {
        say(stderr, "echolon: " + lock.message());
        if (windows == WindowSystem::Screen) {
            application();
            boxes.error(lock.message());
        }
        return FolderInUse;
    }
    // A folder where no lock file can be made (read-only media) cannot be
    // spoilt by a second copy either: start anyway.
    if (lock.state() == ProgramLock::State::Unavailable) say(stderr, "echolon: " + lock.message());

    store::setProgramFolderOverride(folder.path);
    return runMainWindow(application(), boxes);
}

} // namespace app
