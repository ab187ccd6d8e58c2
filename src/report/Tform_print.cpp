#include "report/Tform_print.h"

#include "report/ParameterTable.h"
#include "report/ReadoutLines.h"
#include "report/ReportBand.h"
#include "report/ReportChart.h"
#include "report/ReportImage.h"
#include "report/ReportLabel.h"
#include "report/ReportMemo.h"
#include "report/ReportPage.h"
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

const QString Tform_print::kPresetTitle = QStringLiteral("Рефлектометр импульсный KM-41A   v.4");

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
    QRLabel_type->caption = kPresetTitle;
    QRLabel_printed = new ReportLabel(QStringLiteral("QRLabel_printed"), QRectF(530, 12, 44, 16), 8, this);
    QRLabel_printed->caption = QStringLiteral("Printed:");
    QRSysData1 = new ReportLabel(QStringLiteral("QRSysData1"), QRectF(576, 12, 142, 16), 8, this);
    TitleBand1->items = {QRLabel_type, QRLabel_printed, QRSysData1};
}

void Tform_print::buildParameterTable() {
    QRSubDetail2 = new ReportBand(QStringLiteral("QRSubDetail2"), 220, this);
    QRMemo1 = new ReportMemo(QStringLiteral("QRMemo1"), QRectF(0, 4, 88, 212), 7, this);
    QRMemo1->lines = ParameterTable::rowLabels();
    QRSubDetail2->items = {QRMemo1};
    std::array<ReportMemo**, 5> columns{&QRMemo_ref1, &QRMemo_ref2, &QRMemo_ref3, &QRMemo_ref4, &QRMemo_ref5};
    for (int i = 0; i < 5; ++i) {
        // Each column ends where the next begins; the last one may use the
        // right margin, as its left edge sits close to the printable edge.
        const double right = i + 1 < 5 ? ColumnLefts[i + 1] - 2 : ReportPage::kContentWidth + 30;
        *columns[i] = new ReportMemo(QStringLiteral("QRMemo_ref%1").arg(i + 1),
                                     QRectF(ColumnLefts[i], 4, right - ColumnLefts[i], 212), 7, this);
        QRSubDetail2->items.append(*columns[i]);
    }
}

void Tform_print::buildCharts() {
    GroupHeaderBand2 = new ReportBand(QStringLiteral("GroupHeaderBand2"), kUpperBandShown, this);
    QRChart1 = new ReportChart(QStringLiteral("QRChart1"), QRectF(22, 12, 673, 177),
                               trace::SlotLayout::kUpperCount, this);
    trace::SlotLayout::setupUpper(*QRChart1);
    GroupHeaderBand2->items = {QRChart1};

    QRSubDetail3 = new ReportBand(QStringLiteral("QRSubDetail3"), 475, this);
    QRChart2 = new ReportChart(QStringLiteral("QRChart2"), QRectF(22, 4, 673, 281),
                               trace::SlotLayout::kLowerCount, this);
    trace::SlotLayout::setupLower(*QRChart2);
    QRMemo3 = new ReportMemo(QStringLiteral("QRMemo3"), QRectF(60, 300, 150, 160), 9, this);
    QRMemo3->lines = ReadoutLines::labels();
    QRMemo4 = new ReportMemo(QStringLiteral("QRMemo4"), QRectF(220, 300, 250, 160), 9, this);
    QRSubDetail3->items = {QRChart2, QRMemo3, QRMemo4};
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
