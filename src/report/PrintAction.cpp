#include "report/PrintAction.h"

#include "report/ParameterTable.h"
#include "report/ReadoutLines.h"
#include "report/ReportBand.h"
#include "report/ReportChart.h"
#include "report/ReportKey.h"
#include "report/ReportLabel.h"
#include "report/ReportMemo.h"
#include "report/ReportPreview.h"
#include "report/Tform_print.h"
#include "store/DatasetWalk.h"
#include "store/TDataModule1.h"
#include "store/ViewState.h"
#include "trace/SlotLayout.h"

#include <QCoreApplication>
#include <QLocale>

#include <algorithm>

namespace report {

namespace {

QString titleFor(int typeIndex) {
    switch (typeIndex) {
    case 0: return QCoreApplication::translate("PrintAction", "Рефлектометр импульсный KMX-417");
    case 1: return QCoreApplication::translate("PrintAction", "Time Domain Reflectometer KMX-419");
    default: return Tform_print::tr(Tform_print::kPresetTitle.toUtf8().constData());
    }
}

// The key of a filled column: its title after the colour of its trace, when the lower chart prints that
// trace.
void addKey(Tform_print& form, int column, int slot) {
    const trace::Chart& chart = *form.QRChart2;
    const QColor colour = chart.isActive(slot) ? chart.color(slot) : QColor();
    form.ColumnKey->entries.append(
        {double(Tform_print::ColumnLefts[std::size_t(column - 1)] - Tform_print::ColumnLefts[0]), colour,
         ParameterTable::columnTitle(column)});
}

void fillColumns(Tform_print& form, const ReportSources& src) {
    store::DatasetWalk walk(src.compare);
    for (int c = 1; c <= ParameterTable::kValueColumns; ++c) form.valueColumn(c)->lines.clear();
    form.ColumnKey->entries.clear();

    store::Dataset& library = src.library;
    if (src.masterCount > 0 && library.isOpen() && !library.isEmpty()) {
        const QString memo = library.fieldByName(QStringLiteral("MEMO")).asString();
        form.valueColumn(1)->lines = ParameterTable::column(
            library, QStringLiteral("1"), ParameterTable::folderFromTitle(src.state.title()), memo);
        addKey(form, 1, trace::SlotLayout::kLowerCurrent);
    }

    // The program keeps the compare library at three entries; a larger one (an
    // older or edited file) prints its first four, as many as there are columns.
    store::Dataset& compare = src.compare;
    const int columns = std::min(PrintAction::kCompareColumns, compare.recordCount());
    bool more = walk.first();
    for (int n = 1; more && n <= columns; ++n, more = walk.next()) {
        const auto memo = ParameterTable::splitMemo(compare.fieldByName(QStringLiteral("MEMO")).asString());
        form.valueColumn(n + 1)->lines =
            ParameterTable::column(compare, QString::number(n + 1), memo.directory, memo.name);
        addKey(form, n + 1, trace::SlotLayout::kLowerCompare1 + n - 1);
    }
    walk.finish();
}

// The shown waveform's note; none without a shown waveform or in a library without notes.
QString noteOf(const ReportSources& src) {
    store::Dataset& library = src.library;
    if (src.masterCount <= 0 || !library.isOpen() || library.isEmpty()) return {};
    const int field = library.fieldIndex(QStringLiteral("NOTE"));
    return field < 0 ? QString() : library.fieldByNumber(field).asString();
}

} // namespace

void PrintAction::fill(Tform_print& form, const ReportSources& src, const QDateTime& printedAt) {
    const store::ViewState& state = src.state;
    form.showUpperChart(src.upperChartShown);
    form.QRLabel_type->caption = titleFor(state.typeIndex());
    form.QRSysData1->caption = QLocale().toString(printedAt, QLocale::ShortFormat);
    // Labels that name the length unit follow the unit chosen last.
    form.QRMemo1->lines = ParameterTable::rowLabels();
    fillColumns(form, src);
    form.showNote(noteOf(src));
    const trace::Chart& lower = *form.QRChart2;
    form.QRMemo4->lines =
        ReadoutLines::values(state, lower.axisMin(trace::Axis::Bottom), lower.axisMax(trace::Axis::Bottom));
    // The cursor readouts in their lines' colours, as the lines are labelled on the chart.
    form.QRMemo3->colours = QList<QColor>(ReadoutLines::labels().size());
    form.QRMemo3->colours[ReadoutLines::kK1Row] = lower.color(trace::SlotLayout::kCursorK1);
    form.QRMemo3->colours[ReadoutLines::kK2Row] = lower.color(trace::SlotLayout::kCursorK2);
}

void PrintAction::fill(Tform_print& form, const store::ViewState& state, store::TDataModule1& dm,
                       bool upperChartShown, const QDateTime& printedAt) {
    fill(form, ReportSources{state, dm.MasterCount, dm.t_master, dm.t_picture, upperChartShown}, printedAt);
}

void PrintAction::btPrintClick(Tform_print& form, const store::ViewState& state, store::TDataModule1& dm,
                               bool upperChartShown, QWidget* parent) {
    fill(form, state, dm, upperChartShown, QDateTime::currentDateTime());
    ReportPreview::exec(form, parent);
}

} // namespace report
