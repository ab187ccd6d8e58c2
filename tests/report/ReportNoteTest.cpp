#include "ReportFixture.h"

#include "report/ReportBand.h"
#include "report/ReportChart.h"
#include "report/ReportPage.h"
#include "report/ReportParagraph.h"

#include <QFontMetricsF>
#include <QImage>
#include <QPainter>
#include <QSet>

using namespace report;

namespace {

class ReportNoteTest : public ReportFixture {
protected:
    void setNote(const QVariant& note) {
        library.edit();
        library.fieldByName(QStringLiteral("NOTE")).setValue(note);
        library.post();
    }
    double pageHeight() const {
        double total = 0;
        for (const ReportBand* band : form.QuickRep1->bands) total += band->height;
        return total;
    }
};

} // namespace

TEST_F(ReportNoteTest, longNote_isCutToItsTwoLinesAndTheChartsStayOnThePage) {
    addWaveform(library, 1, QStringLiteral("feeder 12"), 9);
    QStringList paragraphs;
    for (int i = 1; i <= 12; ++i)
        paragraphs
            << QStringLiteral("Pit %1 dug beside the joint, cable sheath damaged over half a metre").arg(i);
    paragraphs << QStringLiteral("LASTPARAGRAPH");
    setNote(paragraphs.join('\n'));
    fill();
    const QString withNote = writePdf(QStringLiteral("note.pdf"));
    const QString text = pdfText(withNote);
    EXPECT_TRUE(text.contains(QStringLiteral("Note: Pit 1 dug beside the joint"))) << text.toStdString();
    EXPECT_TRUE(text.contains(QChar(0x2026))) << "cut with an ellipsis";
    EXPECT_FALSE(text.contains(QStringLiteral("LASTPARAGRAPH")));
    EXPECT_FALSE(text.contains(QStringLiteral("Pit 5 ")));
    EXPECT_LE(pageHeight(), ReportPage::kContentHeight);
    // Under the table's last row, above the lower chart's readouts.
    const QList<double> pits = wordTops(withNote, QStringLiteral("Pit"));
    EXPECT_EQ(QSet<double>(pits.begin(), pits.end()).size(), 2) << "two lines";
    const QList<double> note = wordTops(withNote, QStringLiteral("Note:"));
    ASSERT_EQ(note.size(), 1);
    EXPECT_GT(note[0], wordTops(withNote, QStringLiteral("delay")).value(0));
    EXPECT_EQ(wordTops(withNote, QStringLiteral("resolution")).size(), 1);

    // Without a note nothing is printed and the lower chart has its height back.
    setNote(QStringLiteral("   "));
    fill();
    EXPECT_FALSE(pdfText(writePdf(QStringLiteral("plain.pdf"))).contains(QStringLiteral("Note:")));
    EXPECT_DOUBLE_EQ(form.QRChart2->rect.height(), Tform_print::kLowerChartHeight);
    EXPECT_EQ(form.QRSubDetail2->height, Tform_print::kTableBand);
}

TEST_F(ReportNoteTest, wrap_keepsEveryLineWithinTheWidth) {
    QImage page(800, 200, QImage::Format_RGB32);
    QPainter painter(&page);
    const QFont font = ReportItem::designFont(painter, 8);
    const QFontMetricsF metrics(font, &page);
    const QString unbroken(300, QLatin1Char('7')); // a number with no place to break
    for (const QString& note : {unbroken, QStringLiteral("a\n\n\nb"), QString(), QStringLiteral("short")}) {
        const QStringList lines = ReportParagraph::wrap(note, font, &page, 200, 2);
        EXPECT_LE(lines.size(), 2);
        for (const QString& line : lines)
            EXPECT_LE(metrics.horizontalAdvance(line), 200.5) << line.toStdString();
    }
    EXPECT_EQ(ReportParagraph::wrap(QStringLiteral("a\n\n\nb"), font, &page, 200, 2),
              QStringList({"a", "b"}));
    EXPECT_TRUE(ReportParagraph::wrap(unbroken, font, &page, 200, 2).last().endsWith(QChar(0x2026)));
    EXPECT_EQ(ReportParagraph::wrap(QStringLiteral("one\ntwo\nthree"), font, &page, 200, 0),
              QStringList({"one two three"}));
}
