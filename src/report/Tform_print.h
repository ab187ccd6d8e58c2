#pragma once
#include <QList>
#include <QObject>
#include <QStringList>
#include <array>

namespace report {

class ReportBand;
class ReportChart;
class ReportImage;
class ReportKey;
class ReportLabel;
class ReportMemo;
class ReportPage;
class ReportParagraph;

// The shown waveform's events as the report prints them: a title over one
// line an event, by distance, each ranked by how much it matters (0 most).
struct EventLines {
    QString title;
    QStringList lines;
    QList<int> ranks; // one a line
};

// The report form: one A4 page of bands (logo and contacts, title, parameter
// table, upper chart, lower chart with the readouts). Its parts are plain
// state, found by name as child objects; the print action fills them and the
// page draws them. Positions are design pixels at 96 per inch.
class Tform_print : public QObject {
    Q_OBJECT
public:
    explicit Tform_print(QObject* parent = nullptr);

    static const QString kPresetTitle;
    static constexpr int kUpperBandShown = 200;
    static constexpr int kUpperBandHidden = 1;
    // The parameter table and the lower chart's band fill the page: the table
    // as high as its rows need, the lower chart all that is left above its
    // readouts (more with the upper chart hidden).
    static constexpr int kTableBand = 196;
    static constexpr int kLowerBand = 526;
    static constexpr double kLowerChartHeight = 426;
    // The waveform's note, under the parameter table: two lines, taken from the lower chart.
    static constexpr int kNoteHeight = 34;
    // The shown waveform's events, under the readouts: three lines, taken from the lower chart.
    static constexpr int kEventsHeight = 40;
    // Left edges of the five value columns of the parameter table.
    static constexpr std::array<int, 5> ColumnLefts{90, 238, 391, 540, 700};

    ReportBand* PageHeaderBand1;
    ReportImage* QRImage3;
    ReportMemo* QRMemo5;

    ReportBand* TitleBand1;
    ReportLabel* QRLabel_type;
    ReportLabel* QRLabel_printed;
    ReportLabel* QRSysData1;

    ReportBand* QRSubDetail2;
    ReportKey* ColumnKey; // the value columns' titles with their traces' colours
    ReportMemo* QRMemo1;
    ReportMemo* QRMemo_ref1;
    ReportMemo* QRMemo_ref2;
    ReportMemo* QRMemo_ref3;
    ReportMemo* QRMemo_ref4;
    ReportMemo* QRMemo_ref5;
    ReportParagraph* QRMemo_note; // "Note: ..." of the shown waveform; empty: not printed

    ReportBand* GroupHeaderBand2;
    ReportChart* QRChart1;

    ReportBand* QRSubDetail3;
    ReportChart* QRChart2;
    ReportMemo* QRMemo3;
    ReportMemo* QRMemo4;
    ReportMemo* QRMemo_events; // the shown waveform's events under the readouts; empty: not printed

    ReportPage* QuickRep1;

    // Value column 1..5 (QRMemo_ref1..QRMemo_ref5).
    ReportMemo* valueColumn(int column) const;
    // Prints the upper chart or not; the lower chart takes the height it frees.
    void showUpperChart(bool shown);
    // Prints "Note: <note>" under the parameter table, or nothing for an empty note.
    void showNote(const QString& note);
    // Prints the event lines under the title, all when their room holds
    // them; else those ranked first, still by distance, and a last line
    // saying how many are left out. No lines print nothing.
    void showEvents(const EventLines& events);
    static QStringList supplierContacts();

private:
    void buildHeader();
    void buildTitle();
    void buildParameterTable();
    void buildCharts();
    // Band heights and the lower chart's height from what is printed.
    void layoutBands();

    bool upperChartShown_ = true;
};

} // namespace report
