#pragma once
// What the start-up benchmarks (file and server library) measure, each in a
// child process of its own: the first painted main window, and the offset
// posts on the library they open.
#include "WaveformLibraries.h"
#include "app/MainProgram.h"
#include "store/DataModuleHost.h"
#include "store/TDataModule1.h"
#include "store/ViewState.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <algorithm>
#include <cstdio>
#include <sys/resource.h>
#include <vector>

namespace bench {

// The main window as the data module sees it, without a window; counts the
// image bytes each redraw would read.
class ModuleHost : public store::DataModuleHost {
public:
    explicit ModuleHost(store::ViewState& s) : state(s) {}
    void SetWaveformViewEnabled(bool) override {}
    void SetCompareGridEnabled(bool) override {}
    void applyDeviceFilter() override {
        module->applyTypeQuery(store::TDataModule1::deviceTypeOf(state.typeIndex()));
    }
    void updateRange() override {}
    void redraw(int) override {
        if (module->MasterCount > 0) imageBytes += module->t_master.fieldByName("POINTS").asBlob().size();
    }
    store::ViewState& state;
    store::TDataModule1* module = nullptr;
    qint64 imageBytes = 0;
};

// `count` edits and posts of the shown waveform's offset, as the offset
// buttons make them, on the registered library; their times in ms, sorted.
inline std::vector<double> offsetPosts(int count) {
    store::ViewState state;
    ModuleHost host(state);
    store::TDataModule1 dm(state, host);
    host.module = &dm;
    dm.DataModuleCreate();
    std::vector<double> ms;
    QElapsedTimer timer;
    for (int i = 0; i < count; ++i) {
        dm.t_master.setTag(store::TagQuiet);
        timer.start();
        dm.t_master.edit();
        dm.t_master.fieldByName("SDVIG").setInteger(i % 40);
        dm.t_master.post();
        ms.push_back(timer.nsecsElapsed() / 1e6);
    }
    std::sort(ms.begin(), ms.end());
    return ms;
}

// Prints "<seconds> <peak kB>"; fails when the window shows another library
// than the one of `expectedCount` waveforms of the shown type.
inline int firstPaintedWindow(int expectedCount) {
    QElapsedTimer timer;
    timer.start();
    app::MainProgram program;
    program.start();
    program.Form1.resize(1280, 900);
    program.Form1.show();
    QCoreApplication::processEvents();
    program.Form1.repaint();
    const double seconds = timer.nsecsElapsed() / 1e9;
    if (program.DataModule1->MasterCount != expectedCount) fail("the main window shows the wrong library");
    struct rusage usage {};
    getrusage(RUSAGE_SELF, &usage);
    std::printf("%.6f %ld\n", seconds, usage.ru_maxrss);
    return 0;
}

} // namespace bench
