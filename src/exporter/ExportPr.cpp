#include "exporter/ExportPr.h"

#include "store/Numbers.h"
#include "store/ShownValues.h"

#include <QStringList>

namespace exporter {

std::optional<double> ExportPr::storedOf(const Waveform& w) {
    const std::optional<QString> stored = store::ShownValues::pr(
        store::FieldValue::text(w.value(QStringLiteral("SPEED")), store::ColumnKind::Text));
    return stored ? store::parseNumber(*stored) : std::nullopt;
}

ExportPr ExportPr::of(const Waveform& w, std::optional<double> given) {
    if (given) return {*given, Source::Given};
    if (const std::optional<double> stored = storedOf(w)) return {*stored, Source::Stored};
    return {kDefault, Source::Default};
}

QString ExportPr::text(double pr) { return QString::number(pr, 'f', 3); }

QString ExportPr::sourceName() const {
    switch (source) {
    case Source::Stored: return QStringLiteral("stored");
    case Source::Given: return QStringLiteral("given");
    case Source::Default: return QStringLiteral("default");
    }
    return {};
}

QByteArray ExportPr::csvComment(const std::vector<OfWaveform>& prs) {
    bool same = true;
    for (const OfWaveform& p : prs) same = same && text(p.pr) == text(prs.front().pr);
    QStringList parts;
    if (same && !prs.empty()) {
        parts << QStringLiteral("PR ") + text(prs.front().pr);
    } else {
        for (const OfWaveform& p : prs) parts << QStringLiteral("%1 for № %2").arg(text(p.pr)).arg(p.recId);
        if (!parts.isEmpty()) parts.front().prepend(QStringLiteral("PR "));
    }
    parts << QStringLiteral("distance in m");
    return "# " + parts.join(QStringLiteral(", ")).toUtf8() + '\n';
}

} // namespace exporter
