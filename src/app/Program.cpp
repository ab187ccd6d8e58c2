#include "app/Program.h"

#include "app/MainProgram.h"
#include "app/QtMessages.h"
#include "store/ProgramFolder.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QScreen>

namespace app {

namespace {
void readCommandLine(QApplication& app) {
    QCommandLineParser parser;
    parser.setApplicationDescription("Echolon 4.1, companion program of the KMX reflectometers");
    parser.addHelpOption();
    QCommandLineOption home("home", "Program folder holding Data/, Save/ and Echolon.v41.", "DIR");
    parser.addOption(home);
    parser.process(app);
    if (parser.isSet(home)) store::setProgramFolderOverride(parser.value(home));
}
} // namespace

int runProgram(QApplication& app) {
    app.setApplicationName("Echolon 4.1");
    readCommandLine(app);
    QtMessages boxes;
    store::setMessages(&boxes);
    int rc = 0;
    try {
        MainProgram program;
        program.start();
        // Without a window manager "maximised" means nothing; start at the
        // screen's size so the charts get their room either way.
        if (QScreen* screen = QGuiApplication::primaryScreen()) program.Form1.setGeometry(screen->availableGeometry());
        program.Form1.showMaximized();
        rc = app.exec();
    } catch (const std::exception& e) {
        // The store could not be opened even after restoring the library:
        // say why and end without touching anything else.
        boxes.error(QString::fromUtf8(e.what()));
        rc = 1;
    }
    store::setMessages(nullptr);
    return rc;
}

} // namespace app
