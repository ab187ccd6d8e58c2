#include "exporter/JsonExport.h"

#include "exporter/EventTable.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <cmath>

namespace exporter {

namespace {

QJsonValue jsonOf(const StoredField& f) {
    const QVariant& v = f.value;
    if (v.isNull() || !v.isValid()) return QJsonValue::Null;
    if (f.kind == store::ColumnKind::Bool) return store::FieldValue::boolean(v);
    switch (v.typeId()) {
    case QMetaType::Double:
    case QMetaType::Float: {
        const double d = v.toDouble();
        return std::isfinite(d) ? QJsonValue(d) : QJsonValue(QJsonValue::Null);
    }
    case QMetaType::Int:
    case QMetaType::LongLong:
    case QMetaType::UInt:
    case QMetaType::ULongLong: return QJsonValue(v.toLongLong());
    case QMetaType::Bool: return v.toBool();
    case QMetaType::QByteArray: return QString::fromLatin1(v.toByteArray().toBase64());
    default: return v.toString();
    }
}

double rounded(double metres) {
    const double scale = std::pow(10.0, JsonExport::kAxisDecimals);
    return std::round(metres * scale) / scale;
}

} // namespace

QJsonObject JsonExport::objectOf(const Waveform& w, std::optional<double> givenPr) {
    QJsonObject fields;
    for (const StoredField& f : w.fields) fields.insert(f.name, jsonOf(f));
    QJsonArray samples;
    for (int s : w.trace.samples) samples.append(s);
    const EventTable::Entry events = EventTable::of(w, givenPr);
    const double pr = events.pr.pr;
    QJsonObject o{{"fields", fields},     {"pr", pr},           {"pr_source", events.pr.sourceName()},
                  {"distance_unit", "m"}, {"samples", samples}, {"events", EventTable::json(events)}};
    if (events.placed) {
        o.insert("axis", QJsonObject{{"pr", pr},
                                     {"count", w.trace.size()},
                                     {"start_m", rounded(w.trace.metresAt(0, pr))},
                                     {"step_m", rounded(w.trace.step * 1.5 / pr)},
                                     {"start_m_pr15", rounded(w.trace.start)},
                                     {"step_m_pr15", rounded(w.trace.step)}});
    } else {
        o.insert("axis", QJsonValue::Null);
    }
    return o;
}

QByteArray JsonExport::write(const std::vector<Waveform>& waveforms, std::optional<double> givenPr,
                             bool asArray) {
    if (!asArray && waveforms.size() == 1)
        return QJsonDocument(objectOf(waveforms.front(), givenPr)).toJson(QJsonDocument::Indented);
    QJsonArray all;
    for (const Waveform& w : waveforms) all.append(objectOf(w, givenPr));
    return QJsonDocument(all).toJson(QJsonDocument::Indented);
}

} // namespace exporter
