#pragma once
#include <functional>

class QWidget;

namespace store {
class MainState;
class TDataModule1;
} // namespace store

namespace trace {
class ChartSet;
}

namespace report {

class Tform_print;

// How the main window reaches the report: at start-up the report charts start
// following the window's charts; "Print" runs the print action.
class ReportWiring {
public:
    static void attachCharts(Tform_print& form, trace::ChartSet& charts);
    // The handler for btPrint and mnPrint: fill the form, show the preview over `parent`.
    static std::function<void()> printHandler(Tform_print& form, const store::MainState& state,
                                              store::TDataModule1& dm, QWidget* parent);
};

} // namespace report
