#pragma once
#include "app/MainController.h"
#include "app/controls/TraceControlsWiring.h"
#include "app/library/LibraryWiring.h"
#include "app/TForm1.h"
#include "report/Tform_print.h"
#include "store/MainState.h"
#include "tools/InstrumentDialogs.h"
#include "store/TDataModule1.h"
#include "trace/ChartSet.h"
#include "trace/QtChart.h"
#include "trace/TraceView.h"

#include <QChartView>
#include <memory>

namespace app {

// Everything the program creates at start-up, in its fixed order, and the
// wiring between them. Members are destroyed in reverse order, the main
// window's objects last.
class MainProgram {
public:
    MainProgram();
    ~MainProgram();

    store::MainState state;
    trace::QtChart DBChart1;
    trace::QtChart TDBChart1;
    trace::ChartSet charts;
    TForm1 Form1;
    report::Tform_print form_print;
    std::unique_ptr<store::TDataModule1> DataModule1;
    std::unique_ptr<trace::TraceView> traceView;
    std::unique_ptr<MainController> controller;
    // Dialogs are children of Form1 and go before it.
    std::unique_ptr<tools::InstrumentDialogs> dialogs;
    std::unique_ptr<controls::TraceControlsWiring> traceControls;
    std::unique_ptr<library::LibraryWiring> libraryGrids;

    // Creates the data module (which opens the store and draws the first
    // waveform) and the dialogs. Throws when the store cannot be opened.
    void start();

private:
    void wireWindow();
    void openWaveformFiles();
    void convertRegisteredAccessLibrary();
};

} // namespace app
