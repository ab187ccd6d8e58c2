#include "ReportFixture.h"

#include "report/ReportChart.h"
#include "report/ReportError.h"
#include "report/ReportPreview.h"

#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QTest>

using namespace report;

namespace {

class ReportPdfTest : public ReportFixture {};

} // namespace

TEST_F(ReportPdfTest, bothLibrariesEmpty_printLabelsTitleAndChartsOnly) {
    fill();
    const QString text = pdfText(writePdf());
    for (const QString& label : ParameterTable::rowLabels())
        EXPECT_TRUE(text.contains(label)) << label.toStdString();
    for (const char* s : {"Рефлектометр импульсный KMX-417", "Printed:", "length resolution",
                          "zoom start point", "scale, (m)", "Kestrel Instruments"})
        EXPECT_TRUE(text.contains(QString::fromUtf8(s))) << s;
    EXPECT_EQ(text.count(QStringLiteral("amplitude")), 2);
    EXPECT_FALSE(text.contains(QStringLiteral("\\DATA")));
    // Every table row holds its label alone.
    EXPECT_TRUE(text.contains(QRegularExpression(QStringLiteral("\\n\\s*save data\\s*\\n"))));
    EXPECT_TRUE(text.contains(QRegularExpression(QStringLiteral("\\n\\s*scale \\(m\\)\\s*\\n"))));
}

TEST_F(ReportPdfTest, columnsAndSplitMemo_areReadBackFromThePage) {
    addWaveform(library, 1, QStringLiteral("feeder 12"), 9);
    addWaveform(compare, 1, QStringLiteral("\\DATA\\Cables\\line 4"), 31);
    fill();
    const QString text = pdfText(writePdf());
    EXPECT_TRUE(text.contains(QStringLiteral("feeder 12")));
    EXPECT_TRUE(text.contains(QStringLiteral("line 4")));
    EXPECT_FALSE(text.contains(QStringLiteral("\\line 4")));
    // Row 3 holds the current waveform's folder and the compare entry's directory side by side.
    const QRegularExpression row3(
        QStringLiteral("waveform dir\\.\\s+\\\\DATA\\\\Cables\\\\\\s+\\\\DATA\\\\Cables\\\\\\s*\\n"));
    EXPECT_TRUE(text.contains(row3)) << text.toStdString();
}

TEST_F(ReportPdfTest, fourthCompareEntry_isPrintedInTheLastColumn) {
    for (int i = 1; i <= 5; ++i) addWaveform(compare, i, QStringLiteral("w%1").arg(i), 70 + i);
    fill();
    const QString text = pdfText(writePdf());
    const QRegularExpression row2(QStringLiteral("№ waveform\\s+71\\s+72\\s+73\\s+74\\s*\\n"));
    EXPECT_TRUE(text.contains(row2)) << text.toStdString();
    EXPECT_FALSE(text.contains(QStringLiteral("75")));
}

TEST_F(ReportPdfTest, hiddenUpperChart_shrinksItsBandAndTheLowerChartTakesItsPlace) {
    fill();
    const QString shown = writePdf(QStringLiteral("shown.pdf"));
    upperChartShown = false;
    fill();
    const QString hidden = writePdf(QStringLiteral("hidden.pdf"));

    EXPECT_EQ(wordTops(shown, QStringLiteral("amplitude")).size(), 2);
    EXPECT_EQ(wordTops(hidden, QStringLiteral("amplitude")).size(), 1);
    const QList<double> before = wordTops(shown, QStringLiteral("resolution"));
    const QList<double> after = wordTops(hidden, QStringLiteral("resolution"));
    ASSERT_EQ(before.size(), 1);
    ASSERT_EQ(after.size(), 1);
    // The lower chart grows by the 199 design pixels the band frees: its
    // readouts stay at the foot of the page.
    EXPECT_NEAR(before[0], after[0], 0.5);
    EXPECT_DOUBLE_EQ(form.QRChart2->rect.height(), Tform_print::kLowerChartHeight + 199);
    // The table above the charts stays where it was.
    EXPECT_NEAR(wordTops(shown, QStringLiteral("threshold"))[0],
                wordTops(hidden, QStringLiteral("threshold"))[0], 0.01);
}

TEST_F(ReportPdfTest, page_isOneA4PortraitPage) {
    fill();
    QProcess info;
    info.start(QStringLiteral("pdfinfo"), {writePdf()});
    ASSERT_TRUE(info.waitForFinished(120000));
    const QString out = QString::fromUtf8(info.readAllStandardOutput());
    EXPECT_TRUE(out.contains(QRegularExpression(QStringLiteral("Pages:\\s+1\\n")))) << out.toStdString();
    EXPECT_TRUE(out.contains(
        QRegularExpression(QStringLiteral("Page size:\\s+595(\\.\\d+)? x 84[12](\\.\\d+)? pts"))))
        << out.toStdString();
}

TEST_F(ReportPdfTest, unwritableFile_raisesAReadableError) {
    try {
        ReportPdf::write(form, home.file(QStringLiteral("no such folder/report.pdf")));
        FAIL() << "no error";
    } catch (const ReportError& e) {
        EXPECT_TRUE(QString::fromUtf8(e.what()).contains(QStringLiteral("report.pdf")));
    }
}

TEST_F(ReportPdfTest, preview_drawsTheReportOnOnePage) {
    fill();
    auto printer = ReportPreview::makePrinter();
    auto dialog = ReportPreview::create(form, *printer, nullptr);
    dialog->show();
    auto* widget = dialog->findChild<QPrintPreviewWidget*>();
    ASSERT_NE(widget, nullptr);
    widget->updatePreview();
    EXPECT_TRUE(QTest::qWaitFor([widget] { return widget->pageCount() == 1; }, 30000));
    EXPECT_EQ(printer->pageLayout().pageSize().id(), QPageSize::A4);
    EXPECT_EQ(printer->pageLayout().orientation(), QPageLayout::Portrait);
    dialog->close();
}
