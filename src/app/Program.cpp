#include "app/Program.h"

#include "app/QtMessages.h"
#include "app/TForm1.h"
#include "store/MainState.h"
#include "store/ProgramFolder.h"

#include <QApplication>
#include <QCommandLineParser>

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
        store::MainState state;
        TForm1 form1(state);
        form1.FormCreate();
        form1.showMaximized();
        rc = app.exec();
    } catch (const std::exception& e) {
        boxes.error(QString::fromUtf8(e.what()));
        rc = 1;
    }
    store::setMessages(nullptr);
    return rc;
}

} // namespace app
