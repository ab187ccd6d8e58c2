#include "app/events/WaveformEvents.h"

#include "analysis/EventImportance.h"
#include "app/WindowState.h"
#include "store/Dataset.h"
#include "store/Messages.h"
#include "store/TDataModule1.h"
#include "store/Units.h"
#include "store/ViewState.h"
#include "trace/Chart.h"
#include "trace/StoredTrace.h"
#include "trace/TraceNumbers.h"
#include "trace/TraceView.h"
#include "trace/WaveRecord.h"

#include <cmath>
#include <exception>

namespace app::events {

namespace {

QString kindText(analysis::EventKind kind) {
    switch (kind) {
    case analysis::EventKind::LaunchEnd: return WaveformEvents::tr("launch end");
    case analysis::EventKind::Reflection: return WaveformEvents::tr("reflection");
    case analysis::EventKind::EndOfLine: return WaveformEvents::tr("end of line");
    }
    return QString();
}

} // namespace

WaveformEvents::WaveformEvents(store::ViewState& state, WindowState& window, store::TDataModule1& dm,
                               trace::TraceView& view, trace::Chart& upper, trace::Chart& lower)
    : state_(state), window_(window), dm_(dm), view_(view), upper_(upper), lower_(lower) {
    connect(&state, &store::ViewState::changed, this, &WaveformEvents::refresh);
    connect(&window, &WindowState::changed, this, &WaveformEvents::refresh);
    connect(&store::Units::notifier(), &store::UnitsNotifier::changed, this, [this] {
        format();
        emit changed();
    });
}

// What the list depends on; reading the samples again is left for when it
// changes, since the state changes with every cursor step.
QString WaveformEvents::shownKey() const {
    const double pr = state_.editKu().value();
    if (!window_.eventsShown() || state_.typeIndex() < 0 || !(pr > 0) || !state_.statusNote().isEmpty())
        return QString();
    store::Dataset& ds = state_.waveSource() == 1 ? dm_.t_master : dm_.t_picture;
    if (!ds.isOpen() || ds.isEmpty() || ds.fieldIndex(QStringLiteral("REC_ID")) < 0) return QString();
    return QStringLiteral("%1/%2/%3/%4/%5")
        .arg(state_.waveSource())
        .arg(ds.fieldByName(QStringLiteral("REC_ID")).asInteger())
        .arg(ds.recNo())
        .arg(state_.typeIndex())
        .arg(pr);
}

void WaveformEvents::refresh() {
    QString key;
    store::showErrors([&] { key = shownKey(); });
    if (key == key_) return;
    key_ = key;
    list_ = {};
    if (!key.isEmpty()) store::showErrors([this] { detect(); });
    format();
    emit changed();
}

void WaveformEvents::detect() {
    store::Dataset& ds = state_.waveSource() == 1 ? dm_.t_master : dm_.t_picture;
    const trace::StoredTrace t = trace::StoredTrace::of(trace::WaveRecord::read(ds), state_.typeIndex());
    list_ = analysis::detectEvents(t, state_.editKu().value());
}

void WaveformEvents::format() {
    rows_.clear();
    QList<trace::EventMark> marks;
    for (const analysis::TraceEvent& e : list_.events) {
        Row r;
        r.number = QString::number(rows_.size() + 1);
        r.kind = kindText(e.kind);
        r.metres = e.metres;
        // Through the metres a cursor box would show, so that a cursor put on
        // the event reads the same in feet too.
        r.distance = store::Units::show(trace::TraceNumbers::metres(e.metres)) + store::Units::suffix();
        const bool echo = e.kind != analysis::EventKind::LaunchEnd;
        if (echo) {
            r.amplitude = (e.amplitude > 0 ? QStringLiteral("+") : QString()) + QString::number(e.amplitude);
            r.polarity = e.polarity() > 0 ? tr("up: open") : tr("down: short");
        }
        rows_.push_back(r);
        marks.push_back({e.metres, r.number, echo ? e.polarity() : 0});
    }
    upper_.setEventMarks(marks);
    lower_.setEventMarks(marks);
}

report::EventLines WaveformEvents::reportLines() const {
    report::EventLines out;
    if (rows_.isEmpty()) return out;
    out.title = tr("Events:");
    for (const Row& r : rows_)
        out.lines
            << (r.amplitude.isEmpty()
                    ? tr("%1. %2, %3").arg(r.number, r.kind, r.distance)
                    : tr("%1. %2, %3, %4, %5").arg(r.number, r.kind, r.distance, r.amplitude, r.polarity));
    // The rows are the list's events, one for one.
    for (int rank : analysis::importanceRanks(list_.events)) out.ranks << rank;
    return out;
}

bool WaveformEvents::pointCursor(int row) {
    if (row < 0 || row >= rows_.size()) return false;
    const int cursor = window_.activeCursor() == 2 ? 2 : 1;
    bool placed = false;
    store::showErrors([&] { placed = view_.PlaceCursor(cursor, rows_[row].metres); });
    return placed;
}

} // namespace app::events
