// The exchange engine against the simulated instrument, through the dialog and
// the real serial port on a pseudo-terminal:
//  1. reading the list of 100 banks with the simulator paced at 9600 bit/s. The
//     bound set by the line and the 50 ms command timer is
//     100 × (387 × 10 / 9600 s + 0.05 s) = 45.3 s; goal: within 2 % of it.
//  2. the engine's own time per command beyond its 50 ms timer, pacing off
//     (port, threads and simulator included); goal: under 1 ms.
//  3. the same for the engine alone, on an in-memory port and a manual clock.
#include "exchange/ExchangeEngine.h"
#include "exchange/CommandList.h"
#include "exchange/TfrmComm.h"
#include "fakes/ManualClock.h"
#include "fakes/MemoryPort.h"
#include "store/IniFile.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>
#include <cstdio>

using namespace exchange;

namespace {

constexpr int kBanks = 100;
constexpr double kBoundSeconds = kBanks * (387 * 10 / 9600.0 + 0.05);

void report(const char* name, const QString& figure, const QString& goal, bool met) {
    std::printf("BENCH\t%s\t%s\t%s\t%s\n", name, figure.toUtf8().constData(), goal.toUtf8().constData(),
                met ? "yes" : "no");
    std::fflush(stdout);
}

void fillList(CommandList& list) {
    list.clear();
    for (int i = 0; i < kBanks; ++i)
        list.add("0204" + QStringLiteral("%1").arg(i, 2, 16, QLatin1Char('0')).toUpper() + "00");
}

// Seconds to read the list from a simulator started with `args`; -1 on failure.
double readList(const QString& home, const QStringList& args) {
    QProcess sim;
    sim.start(QStringLiteral(ECHOLON_BIN_DIR "/echolon-sim"), args);
    if (!sim.waitForStarted(10000) || !sim.waitForReadyRead(10000)) return -1;
    store::IniFile settings(home + "/Echolon.v41");
    settings.writeInteger("COM", "PortNum", 1);
    settings.writeString("COM", "DeviceName", QString::fromLocal8Bit(sim.readLine()).trimmed());
    if (!settings.save()) return -1;

    CommandList list;
    fillList(list);
    TfrmComm form;
    form.setCommands(&list);
    QElapsedTimer t;
    t.start();
    const int result = form.exec();
    const double seconds = t.nsecsElapsed() / 1e9;
    sim.terminate();
    sim.waitForFinished(5000);
    return result == QDialog::Accepted ? seconds : -1;
}

// Milliseconds per command of the engine alone: each answer is fed at once and
// every timer fires as soon as it is due.
double engineAlone(int rounds) {
    MemoryPort port;
    ManualClock clock;
    CommandList list;
    ExchangeEngine engine(port, clock);
    engine.setCommands(&list);
    // 384 bytes of 0x01 sum to 0x180: the checksum byte is 0x80.
    QByteArray block(385, '\x01');
    block[384] = char(0x80);
    QElapsedTimer t;
    t.start();
    for (int r = 0; r < rounds; ++r) {
        fillList(list);
        engine.FormActivate();
        while (engine.result() == ExchangeEngine::Result::Running) {
            port.feed(block);
            clock.fireNext();
        }
    }
    return t.nsecsElapsed() / 1e6 / (rounds * kBanks);
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTemporaryDir home, config;
    qputenv("ECHOLON_HOME", home.path().toUtf8());
    qputenv("XDG_CONFIG_HOME", config.path().toUtf8());

    const double paced = readList(home.path(), {"--pace", "--check-speed"});
    report("exchange: 100-bank list at 9600 bit/s (paced simulator)",
           paced < 0 ? QStringLiteral("failed") : QStringLiteral("%1 s").arg(paced, 0, 'f', 2),
           QStringLiteral("<= %1 s (45.3 s + 2 %)").arg(kBoundSeconds * 1.02, 0, 'f', 2),
           paced > 0 && paced <= kBoundSeconds * 1.02);

    const double fast = readList(home.path(), {"--check-speed"});
    const double perCommand = fast < 0 ? -1 : (fast * 1000 / kBanks - 50.0);
    report("exchange: time per command beyond the 50 ms timer (dialog, port, unpaced simulator)",
           perCommand < 0 ? QStringLiteral("failed") : QStringLiteral("%1 ms").arg(perCommand, 0, 'f', 2),
           QStringLiteral("< 1 ms"), perCommand >= 0 && perCommand < 1.0);

    const double alone = engineAlone(50);
    report("exchange: engine time per command (in-memory port, manual clock)",
           QStringLiteral("%1 ms").arg(alone, 0, 'f', 4), QStringLiteral("< 1 ms"), alone < 1.0);
    return 0;
}
