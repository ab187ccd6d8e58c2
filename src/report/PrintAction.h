#pragma once
#include <QDateTime>

class QWidget;

namespace store {
class Dataset;
class ViewState;
class TDataModule1;
} // namespace store

namespace report {

class Tform_print;

// What the print action reads besides the form: the shown waveform's state,
// the data module's library query with its record count and compare library,
// and whether the window shows its upper chart.
struct ReportSources {
    const store::ViewState& state;
    int masterCount;
    store::Dataset& library; // t_master
    store::Dataset& compare; // t_picture
    bool upperChartShown = true;
};

// btPrintClick of the main window: fills the report form from the window and
// the data module, then shows the print preview. Filling needs no window.
class PrintAction {
public:
    // At most this many compare entries fit the value columns 2..5.
    static constexpr int kCompareColumns = 4;

    // Upper-chart band, title, print time, the parameter columns and the
    // readouts. The compare library ends on the record it was on, and the
    // data module's handlers see none of the moves. Field errors propagate.
    static void fill(Tform_print& form, const ReportSources& sources, const QDateTime& printedAt);
    static void fill(Tform_print& form, const store::ViewState& state, store::TDataModule1& dm,
                     bool upperChartShown, const QDateTime& printedAt);

    // The whole action: fill with the current time, then the modal preview.
    static void btPrintClick(Tform_print& form, const store::ViewState& state, store::TDataModule1& dm,
                             bool upperChartShown, QWidget* parent);
};

} // namespace report
