// The exchange window's refresh: the 100 list-entry reads of the short-frame
// instrument, against the simulated instrument answering at the real 9600
// bit/s, through the engine dialog on the real serial port, stored by the
// executor. The line and the 50 ms command timer bound it at
// 100 × (387 × 10 / 9600 s + 0.05 s) = 45.3 s; the goal is within 2 % of that.
#include "exchange/DeviceTransfers.h"
#include "exchange/TfrmComm.h"
#include "store/DataModuleHost.h"
#include "store/IniFile.h"
#include "store/TDataModule1.h"
#include "store/ViewState.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>
#include <cstdio>

namespace {

constexpr double kBoundSeconds = 45.3;
constexpr double kGoalSeconds = kBoundSeconds * 1.02;

class Host : public store::DataModuleHost {
public:
    void SetWaveformViewEnabled(bool) override {}
    void SetCompareGridEnabled(bool) override {}
    void applyDeviceFilter() override {}
    void updateRange() override {}
    void redraw(int) override {}
};

// The exchange window's own side: every list runs in the engine dialog.
class EngineWindow : public exchange::DeviceTransfers::Window {
public:
    explicit EngineWindow(exchange::TfrmComm& engine) : engine_(engine) {}
    bool runEngine(exchange::CommandList& list) override {
        engine_.setCommands(&list);
        return engine_.exec() == QDialog::Accepted;
    }
    QString chooseLibraryFile(const std::function<void(const QString&)>&) override { return {}; }
    void viewChanged() override {}

private:
    exchange::TfrmComm& engine_;
};

int fail(const char* what) {
    std::fprintf(stderr, "bench_DeviceTransfers: %s\n", what);
    return 1;
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTemporaryDir home, config;
    qputenv("ECHOLON_HOME", home.path().toUtf8());
    qputenv("XDG_CONFIG_HOME", config.path().toUtf8());

    QProcess sim;
    sim.start(QStringLiteral(ECHOLON_BIN_DIR "/echolon-sim"), {"--pace", "--check-speed"});
    if (!sim.waitForStarted(10000) || !sim.waitForReadyRead(10000))
        return fail("the simulator did not start");
    const QString device = QString::fromLocal8Bit(sim.readLine()).trimmed();
    store::IniFile settings(home.filePath("Echolon.v41"));
    settings.writeInteger("COM", "PortNum", 1);
    settings.writeString("COM", "DeviceName", device);
    if (!settings.save()) return fail("cannot write the settings file");

    int rows = 0;
    double seconds = 0;
    {
        store::ViewState state;
        Host host;
        store::TDataModule1 dm(state, host);
        dm.openStore();
        exchange::TfrmComm engine;
        EngineWindow engineWindow(engine);
        exchange::DeviceTransfers window(dm, state, host, engineWindow);
        QElapsedTimer timer;
        timer.start();
        window.Refresh();
        seconds = double(timer.elapsed()) / 1000.0;
        rows = dm.t_refl_list.recordCount();
    }
    sim.terminate();
    sim.waitForFinished(5000);
    if (rows != 20) return fail("the list was not read completely");

    std::printf("BENCH\texchange window: 100-bank list from the paced simulator\t%.1f s\t<= %.1f s (%.1f s + "
                "2 %%)\t%s\n",
                seconds, kGoalSeconds, kBoundSeconds, seconds <= kGoalSeconds ? "yes" : "no");
    return 0;
}
