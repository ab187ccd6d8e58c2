#pragma once
#include "analysis/TraceEvents.h"
#include "exporter/ExportPr.h"
#include "exporter/Waveform.h"

#include <QByteArray>
#include <QJsonValue>
#include <optional>
#include <vector>

namespace exporter {

// A waveform's events as the exports write them: found by
// analysis::detectEvents at the waveform's export PR, so that an event's
// distance is the one the samples beside it are placed at.
class EventTable {
public:
    static constexpr const char* kHeader = "rec_id,distance_m,kind,level,polarity";

    struct Entry {
        qint64 recId = 0;
        ExportPr pr;
        bool placed = false; // false: the waveform's range cannot be placed, it has no events
        analysis::EventList list;
    };
    static Entry of(const Waveform& w, std::optional<double> givenPr);

    // "launch_end", "reflection", "end_of_line".
    static QString kindName(analysis::EventKind kind);
    // "open" (the echo goes up) or "short" (down); empty for the launch end,
    // which has neither level nor polarity.
    static QString polarityName(const analysis::TraceEvent& e);

    // Every entry's events, waveform by waveform, by distance: the PR
    // comment line, kHeader, then one row per event with its distance in
    // metres (CsvTable::kDistanceDecimals), its kind, its level (levels from
    // the baseline, signed) and its polarity.
    static QByteArray csv(const std::vector<Entry>& entries);
    // The events as a JSON array of {"kind", "sample", "distance_m", "level",
    // "polarity"}; null when the range cannot be placed.
    static QJsonValue json(const Entry& entry);
};

} // namespace exporter
