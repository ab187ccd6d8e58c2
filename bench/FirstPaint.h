#pragma once
// One start-up of the whole program up to the first painted main window, as
// the start-up benchmarks measure it in a child process of their own.
#include "WaveformLibraries.h"
#include "app/MainProgram.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <cstdio>
#include <sys/resource.h>

namespace bench {

// Prints "<seconds> <peak kB>"; fails when the window shows another library
// than the one of `expectedCount` waveforms of the shown type.
inline int firstPaintedWindow(int expectedCount) {
    QElapsedTimer timer;
    timer.start();
    app::MainProgram program;
    program.start();
    program.Form1.resize(1280, 900);
    program.Form1.show();
    program.DBChart1.flush();
    program.TDBChart1.flush();
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
