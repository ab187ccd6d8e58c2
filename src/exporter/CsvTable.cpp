#include "exporter/CsvTable.h"

#include "exporter/ExportPr.h"

#include <cmath>
#include <limits>

namespace exporter {

namespace {

QByteArray cell(const QString& text) {
    QByteArray utf8 = text.toUtf8();
    if (!utf8.contains(',') && !utf8.contains('"') && !utf8.contains('\n') && !utf8.contains('\r'))
        return utf8;
    utf8.replace("\"", "\"\"");
    return '"' + utf8 + '"';
}

// Distances in whole micrometres: samples of different waveforms at the same
// place meet in one row even when their steps were computed along different
// ways.
qint64 placeKey(const trace::StoredTrace& t, int k, double pr) {
    return std::llround(t.metresAt(k, pr) * 1e6);
}

// Splits a file into its records of cells; quoted cells may hold ',', '"'
// (doubled) and line breaks.
bool splitRecords(const QByteArray& csv, int firstLine, std::vector<QStringList>& records, QString& error) {
    QStringList record;
    QByteArray current;
    bool quoted = false, wasQuoted = false;
    int line = firstLine;
    auto endCell = [&] {
        record << QString::fromUtf8(current);
        current.clear();
        wasQuoted = false;
    };
    for (qsizetype i = 0; i < csv.size(); ++i) {
        const char c = csv[i];
        if (quoted) {
            if (c == '"' && i + 1 < csv.size() && csv[i + 1] == '"') {
                current += '"';
                ++i;
            } else if (c == '"') {
                quoted = false;
            } else {
                if (c == '\n') ++line;
                current += c;
            }
            continue;
        }
        if (c == '"' && current.isEmpty() && !wasQuoted) {
            quoted = wasQuoted = true;
        } else if (c == ',') {
            endCell();
        } else if (c == '\n' || c == '\r') {
            if (c == '\r' && i + 1 < csv.size() && csv[i + 1] == '\n') ++i;
            endCell();
            records.push_back(std::move(record));
            record.clear();
            ++line;
        } else if (wasQuoted) {
            error = CsvTable::tr("Line %1: text after a quoted cell.").arg(line);
            return false;
        } else {
            current += c;
        }
    }
    if (quoted) {
        error = CsvTable::tr("Line %1: a quoted cell is not closed.").arg(line);
        return false;
    }
    if (!current.isEmpty() || !record.isEmpty()) {
        endCell();
        records.push_back(std::move(record));
    }
    return true;
}

} // namespace

QByteArray CsvTable::write(const std::vector<Waveform>& waveforms, std::optional<double> givenPr) {
    std::vector<ExportPr::OfWaveform> prs;
    for (const Waveform& w : waveforms) prs.push_back({w.recId(), ExportPr::of(w, givenPr).pr});
    QByteArray out = ExportPr::csvComment(prs) + kDistanceHeader;
    for (const Waveform& w : waveforms) out += ',' + cell(w.title());
    out += '\n';

    // A merge of the waveforms' sample positions, nearest first.
    std::vector<int> next(waveforms.size(), 0);
    auto pending = [&](size_t i) {
        const double pr = prs[i].pr;
        return next[i] < waveforms[i].trace.size() && waveforms[i].trace.step > 0 && pr > 0 &&
               std::isfinite(pr);
    };
    for (;;) {
        qint64 key = std::numeric_limits<qint64>::max();
        for (size_t i = 0; i < waveforms.size(); ++i)
            if (pending(i)) key = std::min(key, placeKey(waveforms[i].trace, next[i], prs[i].pr));
        if (key == std::numeric_limits<qint64>::max()) break;
        out += QByteArray::number(double(key) * 1e-6, 'f', kDistanceDecimals);
        for (size_t i = 0; i < waveforms.size(); ++i) {
            out += ',';
            const trace::StoredTrace& t = waveforms[i].trace;
            if (pending(i) && placeKey(t, next[i], prs[i].pr) == key)
                out += QByteArray::number(t.samples[size_t(next[i]++)]);
        }
        out += '\n';
    }
    return out;
}

CsvTable::Table CsvTable::read(const QByteArray& csv) {
    Table table;
    qsizetype begin = 0;
    int comments = 0;
    while (begin < csv.size() && csv[begin] == '#') {
        const qsizetype end = csv.indexOf('\n', begin);
        begin = end < 0 ? csv.size() : end + 1;
        ++comments;
    }
    std::vector<QStringList> records;
    if (!splitRecords(csv.mid(begin), 1 + comments, records, table.error)) return table;
    if (records.empty() || records.front().value(0) != QLatin1String(kDistanceHeader)) {
        table.error = tr("The file does not start with the header %1.").arg(kDistanceHeader);
        return table;
    }
    const QStringList& header = records.front();
    for (qsizetype c = 1; c < header.size(); ++c) table.columns.push_back({header[c], {}, {}});
    for (size_t r = 1; r < records.size(); ++r) {
        const QStringList& cells = records[r];
        const int line = int(r) + 1 + comments;
        if (cells.size() == 1 && cells.front().isEmpty()) continue;
        if (cells.size() != header.size()) {
            table.error =
                tr("Line %1 has %2 cells, the header %3.").arg(line).arg(cells.size()).arg(header.size());
            return table;
        }
        bool ok = false;
        const double distance = cells.front().toDouble(&ok);
        if (!ok || !std::isfinite(distance)) {
            table.error = tr("Line %1: '%2' is no distance.").arg(line).arg(cells.front());
            return table;
        }
        for (qsizetype c = 1; c < cells.size(); ++c) {
            if (cells[c].isEmpty()) continue;
            const int sample = cells[c].toInt(&ok);
            if (!ok || sample < -128 || sample > 127) {
                table.error = tr("Line %1, column %2: '%3' is no sample (-128..127).")
                                  .arg(line)
                                  .arg(c + 1)
                                  .arg(cells[c]);
                return table;
            }
            Column& column = table.columns[size_t(c - 1)];
            column.distances.push_back(distance);
            column.samples.push_back(sample);
        }
    }
    return table;
}

} // namespace exporter
