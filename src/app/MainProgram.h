#pragma once
#include "app/CommandWindows.h"
#include "app/ExportActions.h"
#include "app/InstrumentDialogs.h"
#include "app/LibraryConnectionNotice.h"
#include "app/MainController.h"
#include "app/TForm1.h"
#include "app/ViewToggles.h"
#include "app/WindowState.h"
#include "app/controls/TraceControlsWiring.h"
#include "app/events/EventsWiring.h"
#include "app/library/LibraryWiring.h"
#include "report/Tform_print.h"
#include "store/DataModuleHost.h"
#include "store/TDataModule1.h"
#include "store/ViewState.h"
#include "trace/ChartSet.h"
#include "trace/ScreenChart.h"
#include "trace/TraceView.h"

#include <memory>

namespace app {

// The program's composition root: everything the program creates at start-up,
// in its fixed order, and every connection between the parts. It is the main
// window's entry points for the data module and the dialogs (DataModuleHost)
// and the windows behind the main window's commands (CommandWindows). Members
// are destroyed in reverse order, the main window's objects last.
class MainProgram : public store::DataModuleHost, public CommandWindows {
public:
    MainProgram();
    ~MainProgram() override;

    store::ViewState state;
    WindowState windowState;
    trace::ScreenChart DBChart1;
    trace::ScreenChart TDBChart1;
    trace::ChartSet charts;
    ViewToggles toggles;
    TForm1 Form1;
    report::Tform_print form_print;
    // Before the data module, which reports to it until its end.
    std::unique_ptr<LibraryConnectionNotice> connectionNotice;
    std::unique_ptr<store::TDataModule1> DataModule1;
    std::unique_ptr<trace::TraceView> traceView;
    std::unique_ptr<MainController> controller;
    std::unique_ptr<ExportActions> exports;
    // Dialogs are children of Form1 and go before it.
    std::unique_ptr<InstrumentDialogs> dialogs;
    std::unique_ptr<controls::TraceControlsWiring> traceControls;
    std::unique_ptr<library::LibraryWiring> libraryGrids;
    std::unique_ptr<events::EventsWiring> events;

    // Creates the data module (which opens the store and draws the first
    // waveform) and the dialogs. A server library that cannot be reached is
    // named with the reason, and the local library offered instead. Throws
    // when the store cannot be opened (or the offer is declined).
    void start();

    // DataModuleHost
    void SetWaveformViewEnabled(bool enabled) override;
    void SetCompareGridEnabled(bool enabled) override;
    void applyDeviceFilter() override;
    void updateRange() override;
    void redraw(int mode) override;
    void libraryConnectionLost(const QString& why) override;
    void libraryConnectionRestored(const QString& library) override;

    // CommandWindows
    QString chooseLibraryFile(const std::function<void(const QString&)>& folderEntered) override;
    void openWaveformFiles() override;
    void connectInstrument() override;
    void showPortSettings() override;
    void importOldDatabase() override;
    void showAbout() override;
    void showNotice(const QString& text) override;
    void printReport() override;

private:
    void connectWindow();
    void convertRegisteredAccessLibrary();
    void createDataModule();
};

} // namespace app
