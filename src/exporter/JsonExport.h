#pragma once
#include "exporter/Waveform.h"

#include <QByteArray>
#include <QJsonObject>
#include <optional>
#include <vector>

namespace exporter {

// Waveforms as JSON (UTF-8). Each is an object of
//   "fields":  every stored column by name, as stored: numbers, text, null,
//              marks as true/false, blobs (POINTS too) as base64 text;
//   "pr", "pr_source", "distance_unit": the PR every distance of the object
//              is at (ExportPr::of), whether it is the waveform's "stored"
//              one, "given" for the export or the "default" 1.5 of a row
//              without a usable one, and "m";
//   "samples": the placed samples, integers -128..127;
//   "axis":    {"pr", "count", "start_m", "step_m", "start_m_pr15",
//              "step_m_pr15"}: where sample k lies, start + k * step metres,
//              at that PR and at PR 1.5, rounded to kAxisDecimals
//              decimals; null when the waveform's range cannot be placed;
//   "events":  the waveform's events (EventTable::json).
class JsonExport {
public:
    static constexpr int kAxisDecimals = 6;

    static QJsonObject objectOf(const Waveform& w, std::optional<double> givenPr);
    // One waveform as an object, or any number as an array.
    static QByteArray write(const std::vector<Waveform>& waveforms, std::optional<double> givenPr,
                            bool asArray);
};

} // namespace exporter
