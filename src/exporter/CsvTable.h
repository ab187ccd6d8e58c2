#pragma once
#include "exporter/Waveform.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QString>
#include <optional>
#include <vector>

namespace exporter {

// Waveforms as one table: UTF-8 without byte-order mark, ',' between cells,
// '\n' after each row, '.' as decimal separator. The first line is the
// comment naming the PR and the unit (ExportPr::csvComment); the header is
// "distance_m" and then each waveform's title. One row per distance at which
// any of the waveforms has a sample, in metres at each waveform's export PR
// (ExportPr::of) with kDistanceDecimals decimals; then each waveform's sample
// there (-128..127), or an empty cell where it has none: waveforms of
// different start, step, length or PR share the file without any sample
// being moved to another's distance.
class CsvTable {
    Q_DECLARE_TR_FUNCTIONS(CsvTable)
public:
    static constexpr int kDistanceDecimals = 4;
    static constexpr const char* kDistanceHeader = "distance_m";

    static QByteArray write(const std::vector<Waveform>& waveforms, std::optional<double> givenPr);

    // A file read back: per waveform column its name and the samples it
    // holds with their distances; empty cells are no samples. Lines starting
    // with '#' before the header are comments.
    struct Column {
        QString name;
        std::vector<double> distances;
        std::vector<int> samples;
    };
    struct Table {
        std::vector<Column> columns;
        QString error; // empty when the whole file was read
    };
    static Table read(const QByteArray& csv);
};

} // namespace exporter
