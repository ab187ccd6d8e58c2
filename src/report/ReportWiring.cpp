#include "report/ReportWiring.h"

#include "report/PrintAction.h"
#include "report/ReportChart.h"
#include "report/Tform_print.h"
#include "trace/ChartSet.h"

namespace report {

void ReportWiring::attachCharts(Tform_print& form, trace::ChartSet& charts) {
    charts.attachCopies(*form.QRChart1, *form.QRChart2);
}

std::function<void()> ReportWiring::printHandler(Tform_print& form, const store::MainState& state,
                                                 store::TDataModule1& dm, QWidget* parent) {
    return [&form, &state, &dm, parent] { PrintAction::btPrintClick(form, state, dm, parent); };
}

} // namespace report
