// echolon-record FILE...: runs the command list of each recording (its @sim and
// @command lines, kept with the comments above them) through the exchange
// engine on the real serial port against the simulated instrument, and
// rewrites the file below them with the simulator's log and what the engine
// ended with. The tests replay these files without the simulator.
#include "exchange/CommandList.h"
#include "exchange/ExchangeEngine.h"
#include "exchange/RsCommPort.h"
#include "exchange/SimProcess.h"
#include "gui/QtClock.h"
#include "store/IniFile.h"
#include "support/Recording.h"
#include "support/RecordingMessages.h"
#include "support/TempHome.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QFile>
#include <QTimer>
#include <cstdio>

using namespace exchange;

namespace {

constexpr int kWatchdogMs = 120000;

QByteArray hex(const QByteArray& bytes) { return bytes.toHex(' ').toUpper(); }

// The lines a recording starts with: comments, @sim and @command.
QByteArray scriptOf(const QByteArray& text) {
    QByteArray script;
    for (const QByteArray& line : text.split('\n'))
        if (line.startsWith('#') || line.startsWith("@sim") || line.startsWith("@command"))
            script += line + '\n';
    return script;
}

bool record(const QString& path, QString& error) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return error = file.errorString(), false;
    const QByteArray script = scriptOf(file.readAll());
    file.close();
    const auto plan = Recording::parse(script, error);
    if (!plan) return false;
    if (plan->commands.isEmpty()) return error = QStringLiteral("no @command line"), false;

    TempHome home;
    RecordingMessages messages;
    SimProcess sim(plan->simArgs);
    if (sim.device().isEmpty()) return error = QStringLiteral("the simulator did not start"), false;
    store::IniFile settings(home.file("Echolon.v41"));
    settings.writeString("COM", "DeviceName", sim.device());
    settings.writeInteger("COM", "PortNum", 1);
    if (!settings.save()) return error = QStringLiteral("cannot write the settings file"), false;

    CommandList list;
    for (const RecordedCommand& c : plan->commands)
        list.add(c.command, c.command.startsWith("03") ? std::make_unique<dynamicArr>(c.payload) : nullptr);
    RsCommPort port;
    QtClock clock;
    ExchangeEngine engine(port, clock);
    engine.setCommands(&list);
    QEventLoop loop;
    QObject::connect(&engine, &ExchangeEngine::finished, &loop,
                     [&loop](ExchangeEngine::Result) { loop.quit(); });
    QTimer::singleShot(kWatchdogMs, &loop, &QEventLoop::quit);
    QTimer::singleShot(0, &loop, [&engine] { engine.FormActivate(); });
    loop.exec();
    engine.FormDeactivate();
    if (engine.result() == ExchangeEngine::Result::Running)
        return error = QStringLiteral("the exchange did not end"), false;
    sim.stop();

    QByteArray out = script;
    for (const QString& line : sim.log()) out += line.toUtf8() + '\n';
    out += engine.result() == ExchangeEngine::Result::Ok ? "@result ok\n" : "@result cancel\n";
    for (int i = 0; i < list.count(); ++i) {
        if (list.command(i).startsWith("02") && list.object(i))
            out += "@answer " + QByteArray::number(i) + ' ' + hex(list.object(i)->bytes) + '\n';
        if (!list.problem(i).isEmpty())
            out += "@problem " + QByteArray::number(i) + ' ' + list.problem(i).toUtf8() + '\n';
    }
    for (const QString& m : messages.infos) out += "@message info " + m.toUtf8() + '\n';
    for (const QString& m : messages.warnings) out += "@message warning " + m.toUtf8() + '\n';
    for (const QString& m : messages.errors) out += "@message error " + m.toUtf8() + '\n';

    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) return error = file.errorString(), false;
    if (file.write(out) != out.size()) return error = file.errorString(), false;
    return true;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList files = app.arguments().mid(1);
    if (files.isEmpty()) {
        std::fputs("usage: echolon-record FILE...   (tests/data/README.md)\n", stderr);
        return 2;
    }
    int failures = 0;
    for (const QString& path : files) {
        QString error;
        if (record(path, error)) continue;
        std::fprintf(stderr, "echolon-record: %s: %s\n", qPrintable(path), qPrintable(error));
        ++failures;
    }
    return failures == 0 ? 0 : 1;
}
