#pragma once
#include "exporter/Waveform.h"

#include <QByteArray>
#include <QString>
#include <optional>
#include <vector>

namespace exporter {

// The PR a waveform's distances are exported at, one rule for the File menu
// and the command line: the waveform's own stored PR (SPEED), unless the user
// gives one for the whole export. A row without a usable stored PR is placed
// at 1.5, as the window's PR box shows such a row.
struct ExportPr {
    enum class Source { Stored, Given, Default };
    static constexpr double kDefault = 1.5;

    double pr = kDefault;
    Source source = Source::Default;

    static ExportPr of(const Waveform& w, std::optional<double> given);
    // The stored PR when it is one the window takes (a number inside 1..3).
    static std::optional<double> storedOf(const Waveform& w);
    // Three decimals and '.', whatever the locale: "1.500".
    static QString text(double pr);
    // As a JSON export names the source: "stored", "given" or "default".
    QString sourceName() const;

    // The line a CSV export starts with: "# PR 1.500, distance in m", or,
    // when the waveforms' PRs differ, "# PR 1.500 for № 4, 1.620 for № 9,
    // distance in m". Readers that skip '#' lines (this program's, the usual
    // spreadsheet and data tools) read the table as before.
    struct OfWaveform {
        qint64 recId = 0;
        double pr = kDefault;
    };
    static QByteArray csvComment(const std::vector<OfWaveform>& prs);
};

} // namespace exporter
