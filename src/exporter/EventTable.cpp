#include "exporter/EventTable.h"

#include "exporter/CsvTable.h"
#include "exporter/JsonExport.h"

#include <QJsonArray>
#include <QJsonObject>
#include <cmath>

namespace exporter {

namespace {
bool isEcho(const analysis::TraceEvent& e) { return e.kind != analysis::EventKind::LaunchEnd; }

double rounded(double metres) {
    const double scale = std::pow(10.0, JsonExport::kAxisDecimals);
    return std::round(metres * scale) / scale;
}
} // namespace

EventTable::Entry EventTable::of(const Waveform& w, std::optional<double> givenPr) {
    Entry entry;
    entry.recId = w.recId();
    entry.pr = ExportPr::of(w, givenPr);
    entry.placed = w.trace.valid() && entry.pr.pr > 0 && std::isfinite(entry.pr.pr);
    if (entry.placed) entry.list = analysis::detectEvents(w.trace, entry.pr.pr);
    return entry;
}

QString EventTable::kindName(analysis::EventKind kind) {
    switch (kind) {
    case analysis::EventKind::LaunchEnd: return QStringLiteral("launch_end");
    case analysis::EventKind::Reflection: return QStringLiteral("reflection");
    case analysis::EventKind::EndOfLine: return QStringLiteral("end_of_line");
    }
    return {};
}

QString EventTable::polarityName(const analysis::TraceEvent& e) {
    if (!isEcho(e)) return {};
    return e.polarity() > 0 ? QStringLiteral("open") : QStringLiteral("short");
}

QByteArray EventTable::csv(const std::vector<Entry>& entries) {
    std::vector<ExportPr::OfWaveform> prs;
    for (const Entry& e : entries) prs.push_back({e.recId, e.pr.pr});
    QByteArray out = ExportPr::csvComment(prs) + kHeader + '\n';
    for (const Entry& entry : entries)
        for (const analysis::TraceEvent& e : entry.list.events) {
            out += QByteArray::number(entry.recId) + ',' +
                   QByteArray::number(e.metres, 'f', CsvTable::kDistanceDecimals) + ',' +
                   kindName(e.kind).toLatin1() + ',';
            if (isEcho(e)) out += QByteArray::number(e.amplitude) + ',' + polarityName(e).toLatin1();
            else out += ',';
            out += '\n';
        }
    return out;
}

QJsonValue EventTable::json(const Entry& entry) {
    if (!entry.placed) return QJsonValue::Null;
    QJsonArray events;
    for (const analysis::TraceEvent& e : entry.list.events) {
        const bool echo = isEcho(e);
        events.append(QJsonObject{{"kind", kindName(e.kind)},
                                  {"sample", e.sample},
                                  {"distance_m", rounded(e.metres)},
                                  {"level", echo ? QJsonValue(e.amplitude) : QJsonValue::Null},
                                  {"polarity", echo ? QJsonValue(polarityName(e)) : QJsonValue::Null}});
    }
    return events;
}

} // namespace exporter
