#pragma once
#include "app/WindowState.h"
#include "app/controls/TraceControls.h"
#include "app/library/CompareLibrary.h"
#include "app/library/LibraryGridEvents.h"
#include "fakes/ManualClock.h"
#include "fakes/RecordingChart.h"
#include "store/DataModuleHost.h"
#include "store/TDataModule1.h"
#include "store/ViewState.h"
#include "support/RecordingMessages.h"
#include "support/TempHome.h"
#include "trace/ChartSet.h"
#include "trace/CommaLocale.h"
#include "trace/SlotLayout.h"
#include "trace/TraceView.h"

#include <QStringList>
#include <gtest/gtest.h>

// The main window's entry points as the data module and the controls use
// them: Redraw and UpdateRange go to the real trace view and are recorded.
class RecordingWindow : public store::DataModuleHost {
public:
    explicit RecordingWindow(store::ViewState& s) : state(s) {}

    void SetWaveformViewEnabled(bool enabled) override { viewEnabled = enabled; }
    void SetCompareGridEnabled(bool enabled) override { compareGridEnabled = enabled; }
    void applyDeviceFilter() override {
        if (dm) dm->applyTypeQuery(store::TDataModule1::deviceTypeOf(state.typeIndex()));
    }
    void updateRange() override {
        calls << QStringLiteral("range");
        if (view) view->UpdateRange();
    }
    void redraw(int mode) override {
        calls << QStringLiteral("redraw %1").arg(mode);
        if (view) view->Redraw(mode);
    }

    store::ViewState& state;
    store::TDataModule1* dm = nullptr;
    trace::TraceView* view = nullptr;
    bool viewEnabled = false;
    bool compareGridEnabled = false;
    QStringList calls;
};

// A started data module on a fresh program folder, the trace view on
// recording charts, the trace controls on a manual clock and the library
// logic, all over one main-window state, in a comma locale.
class ControlsFixture : public ::testing::Test {
protected:
    ControlsFixture();

    // Appends a "KMX-417" plan (SCALE 250, ZOOM_L 1, START_PLAN 0) quietly.
    void addWaveform(store::Dataset& ds, const QString& memo, int sdvig, bool marked = false,
                     const QByteArray& points = QByteArray(385, '\0'));
    // Values of one field over all rows of a dataset, in table order.
    static QList<qint64> column(store::Dataset& ds, const QString& field);
    static QStringList texts(store::Dataset& ds, const QString& field);

    CommaLocale locale;
    TempHome home;
    RecordingMessages boxes;
    store::ViewState state;
    app::WindowState windowState;
    RecordingWindow window{state};
    store::TDataModule1 dm{state, window};
    trace::RecordingChart upper{trace::SlotLayout::kUpperCount}, lower{trace::SlotLayout::kLowerCount};
    trace::ChartSet charts{upper, lower};
    trace::TraceView view{state, charts, dm.t_master, dm.t_picture};
    exchange::ManualClock clock;
    app::controls::TraceControls controls{state, windowState, dm, window, view, clock};
    app::library::CompareLibrary compare{state, dm, window};
    app::library::LibraryGridEvents gridEvents{state, dm, window, compare};
};
