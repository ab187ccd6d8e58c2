#include "report/Tform_print.h"

#include "report/ParameterTable.h"
#include "report/ReadoutLines.h"
#include "report/ReportBand.h"
#include "report/ReportChart.h"
#include "report/ReportImage.h"
#include "report/ReportKey.h"
#include "report/ReportLabel.h"
#include "report/ReportMemo.h"
#include "report/ReportPage.h"
#include "report/ReportParagraph.h"
#include "store/Supplier.h"
#include "trace/SlotLayout.h"

// Resources of a static library must be registered explicitly, from the global namespace.
static void registerReportResources() {
    static const bool done = [] {
        Q_INIT_RESOURCE(report);
        return true;
    }();
    (void)done;
}

namespace report {

const QString Tform_print::kPresetTitle =
    QString::fromUtf8(QT_TRANSLATE_NOOP("report::Tform_print", "Рефлектометр импульсный KM-41A   v.4"));

Tform_print::Tform_print(QObject* parent) : QObject(parent) {
    setObjectName(QStringLiteral("form_print"));
    QuickRep1 = new ReportPage(this);
    buildHeader();
    buildTitle();
    buildParameterTable();
    buildCharts();
    QuickRep1->bands = {PageHeaderBand1, TitleBand1, QRSubDetail2, GroupHeaderBand2, QRSubDetail3};
}

QStringList Tform_print::supplierContacts() {
    using store::Supplier;
    return {Supplier::name(), Supplier::address(), Supplier::phone(), Supplier::web()};
}

void Tform_print::buildHeader() {
    PageHeaderBand1 = new ReportBand(QStringLiteral("PageHeaderBand1"), 83, this);
    QRImage3 = new ReportImage(QStringLiteral("QRImage3"), QRectF(0, 8, 221, 59), this);
    registerReportResources();
    QRImage3->image.load(QStringLiteral(":/report/pictures/supplier_logo.png"));
    QRMemo5 = new ReportMemo(QStringLiteral("QRMemo5"), QRectF(530, 8, 188, 60), 7, this);
    QRMemo5->lines = supplierContacts();
    PageHeaderBand1->items = {QRImage3, QRMemo5};
}

void Tform_print::buildTitle() {
    TitleBand1 = new ReportBand(QStringLiteral("TitleBand1"), 40, this);
    QRLabel_type = new ReportLabel(QStringLiteral("QRLabel_type"), QRectF(0, 4, 480, 30), 14, this);
    QRLabel_type->bold = true;
    QRLabel_type->italic = true;
    QRLabel_type->caption = tr(kPresetTitle.toUtf8().constData());
    QRLabel_printed = new ReportLabel(QStringLiteral("QRLabel_printed"), QRectF(530, 12, 44, 16), 8, this);
    QRLabel_printed->caption = tr("Printed:");
    QRSysData1 = new ReportLabel(QStringLiteral("QRSysData1"), QRectF(576, 12, 142, 16), 8, this);
    TitleBand1->items = {QRLabel_type, QRLabel_printed, QRSysData1};
}

void Tform_print::buildParameterTable() {
    QRSubDetail2 = new ReportBand(QStringLiteral("QRSubDetail2"), kTableBand, this);
    // The column titles take the first line; the fifteen rows fit below them.
    constexpr double kRowsTop = 18;
    constexpr double kRowsHeight = kTableBand - 2 - kRowsTop;
    ColumnKey = new ReportKey(QStringLiteral("ColumnKey"),
                              QRectF(ColumnLefts[0], 3, ReportPage::kContentWidth + 30 - ColumnLefts[0], 14),
                              7, this);
    QRMemo1 = new ReportMemo(QStringLiteral("QRMemo1"), QRectF(0, kRowsTop, 88, kRowsHeight), 7, this);
    QRMemo1->lines = ParameterTable::rowLabels();
    QRSubDetail2->items = {ColumnKey, QRMemo1};
    std::array<ReportMemo**, 5> columns{&QRMemo_ref1, &QRMemo_ref2, &QRMemo_ref3, &QRMemo_ref4, &QRMemo_ref5};
    for (int i = 0; i < 5; ++i) {
        // Each column ends where the next begins; the last one may use the
        // right margin, as its left edge sits close to the printable edge.
        const double right = i + 1 < 5 ? ColumnLefts[i + 1] - 2 : ReportPage::kContentWidth + 30;
        *columns[i] =
            new ReportMemo(QStringLiteral("QRMemo_ref%1").arg(i + 1),
                           QRectF(ColumnLefts[i], kRowsTop, right - ColumnLefts[i], kRowsHeight), 7, this);
        QRSubDetail2->items.append(*columns[i]);
    }
    QRMemo_note =
        new ReportParagraph(QStringLiteral("QRMemo_note"),
                            QRectF(0, kTableBand, ReportPage::kContentWidth, kNoteHeight - 2), 8, this);
    QRSubDetail2->items.append(QRMemo_note);
}

void Tform_print::buildCharts() {
    GroupHeaderBand2 = new ReportBand(QStringLiteral("GroupHeaderBand2"), kUpperBandShown, this);
    QRChart1 = new ReportChart(QStringLiteral("QRChart1"), QRectF(22, 12, 673, 177),
                               trace::SlotLayout::kUpperCount, this);
    trace::SlotLayout::setupUpper(*QRChart1);
    GroupHeaderBand2->items = {QRChart1};

    QRSubDetail3 = new ReportBand(QStringLiteral("QRSubDetail3"), kLowerBand, this);
    QRChart2 = new ReportChart(QStringLiteral("QRChart2"), QRectF(22, 4, 673, kLowerChartHeight),
                               trace::SlotLayout::kLowerCount, this);
    trace::SlotLayout::setupLower(*QRChart2);
    QRChart2->labelledLines = {trace::SlotLayout::kCursorK1, trace::SlotLayout::kCursorK2};
    // The readouts in two columns of labels and values: the settings, then the cursors.
    constexpr double kReadoutsHeight = 80;
    QRMemo3 = new ReportMemo(QStringLiteral("QRMemo3"), QRectF(60, 0, 150, kReadoutsHeight), 9, this);
    QRMemo3->lines = ReadoutLines::labels();
    QRMemo4 = new ReportMemo(QStringLiteral("QRMemo4"), QRectF(220, 0, 150, kReadoutsHeight), 9, this);
    for (ReportMemo* memo : {QRMemo3, QRMemo4}) {
        memo->linesPerColumn = ReadoutLines::kK1Row;
        memo->columnStep = 340;
    }
    // Under the readouts, in two columns of three lines.
    QRMemo_events =
        new ReportMemo(QStringLiteral("QRMemo_events"), QRectF(60, 0, 310, kEventsHeight), 8, this);
    QRMemo_events->linesPerColumn = 3;
    QRMemo_events->columnStep = 320;
    QRSubDetail3->items = {QRChart2, QRMemo3, QRMemo4, QRMemo_events};
    showUpperChart(true);
}

void Tform_print::showUpperChart(bool shown) {
    upperChartShown_ = shown;
    layoutBands();
}

void Tform_print::showNote(const QString& note) {
    const QString text = note.trimmed();
    QRMemo_note->text = text.isEmpty() ? QString() : tr("Note: %1").arg(text);
    layoutBands();
}

void Tform_print::layoutBands() {
    const int note = QRMemo_note->text.isEmpty() ? 0 : kNoteHeight;
    QRSubDetail2->height = kTableBand + note;
    GroupHeaderBand2->height = upperChartShown_ ? kUpperBandShown : kUpperBandHidden;
    const int events = QRMemo_events->lines.isEmpty() ? 0 : kEventsHeight;
    const int freed = (upperChartShown_ ? 0 : kUpperBandShown - kUpperBandHidden) - note - events;
    QRSubDetail3->height = kLowerBand + freed + events;
    QRChart2->rect.setHeight(kLowerChartHeight + freed);
    const double readoutsTop = QRChart2->rect.bottom() + 12;
    QRMemo3->rect.moveTop(readoutsTop);
    QRMemo4->rect.moveTop(readoutsTop);
    QRMemo_events->rect.moveTop(QRMemo3->rect.bottom() + 2);
}

void Tform_print::showEvents(const EventLines& events) {
    // Lines of room, the title's included.
    constexpr int kRoom = 6;
    QRMemo_events->lines.clear();
    const qsizetype count = events.lines.size();
    if (count > 0) {
        const qsizetype kept = count < kRoom ? count : kRoom - 2;
        QRMemo_events->lines << events.title;
        for (qsizetype i = 0; i < count; ++i) {
            const int rank = i < events.ranks.size() ? events.ranks[i] : int(i);
            if (rank < kept) QRMemo_events->lines << events.lines[i];
        }
        if (kept < count) QRMemo_events->lines << tr("... and %1 more").arg(count - kept);
    }
    layoutBands();
}

ReportMemo* Tform_print::valueColumn(int column) const {
    switch (column) {
    case 1: return QRMemo_ref1;
    case 2: return QRMemo_ref2;
    case 3: return QRMemo_ref3;
    case 4: return QRMemo_ref4;
    case 5: return QRMemo_ref5;
    default: return nullptr;
    }
}

} // namespace report
