#include "trace/Cursors.h"

#include "store/ViewState.h"
#include "trace/ChartSet.h"
#include "trace/CursorScale.h"
#include "trace/SlotLayout.h"
#include "trace/TraceNumbers.h"

#include <algorithm>
#include <cmath>

namespace trace {

const store::ShownNumber& Cursors::box(int cursor) const {
    return cursor == 1 ? state_.editK1() : state_.editK2();
}

int Cursors::position(int cursor) const { return cursor == 1 ? state_.posK1() : state_.posK2(); }

void Cursors::setPosition(int cursor, int position) {
    if (cursor == 1) state_.setPosK1(position);
    else state_.setPosK2(position);
}

bool Cursors::written(int cursor) const {
    const Mark& mark = marks_[cursor - 1];
    return mark.pr > 0 && box(cursor) == mark.text;
}

double Cursors::shown(int cursor) const {
    return written(cursor) ? marks_[cursor - 1].metres : box(cursor).value();
}

double Cursors::wanted(int cursor) const {
    return written(cursor) ? marks_[cursor - 1].wanted : box(cursor).value();
}

void Cursors::DrawCursor(int cursor, double x, const CursorScale& scale) { DrawCursor(cursor, x, x, scale); }

void Cursors::DrawCursor(int cursor, double x, double chosen, const CursorScale& scale) {
    const ChartPair lower = charts_.lower();
    const int slot = cursor == 1 ? SlotLayout::kCursorK1 : SlotLayout::kCursorK2;
    const double yMin = lower.axisMin(Axis::Left), yMax = lower.axisMax(Axis::Left);
    lower.clear(slot);
    lower.addPoint(slot, x, yMin);
    lower.addPoint(slot, x, yMax);
    const store::ShownNumber shown = TraceNumbers::metres(x);
    if (cursor == 1) state_.setEditK1(shown);
    else state_.setEditK2(shown);
    setPosition(cursor, scale.nearest(x));
    marks_[cursor - 1] = {shown, x, scale.pr, chosen};
}

void Cursors::distanceBetween() {
    const double k1 = std::round(state_.editK1().value() * 100);
    const double k2 = std::round(state_.editK2().value() * 100);
    state_.setEditL(TraceNumbers::metres(std::fabs(k1 - k2) * 0.01));
}

void Cursors::StepCursor(int cursor, int delta) {
    const CursorScale scale = CursorScale::of(state_, drawn_);
    if (!scale.valid()) return;
    const double now = shown(cursor);
    const qint64 to = std::clamp<qint64>(qint64(position(cursor)) + delta, 0, scale.points);
    const double x = scale.distance(double(to));
    // Held to the window, a cursor outside it would jump against the button.
    if (delta > 0 ? x < now : x > now) return;
    const store::ViewState::Batch batch(state_);
    DrawCursor(cursor, x, scale);
    distanceBetween();
}

bool Cursors::PlaceCursor(int cursor, double metres) {
    const CursorScale scale = CursorScale::of(state_, drawn_);
    if (!scale.valid() || !std::isfinite(metres)) return false;
    const store::ViewState::Batch batch(state_);
    DrawCursor(cursor, scale.visible(metres), scale);
    distanceBetween();
    return true;
}

void Cursors::placeBoth(std::array<double, 2> x, std::array<double, 2> chosen, const CursorScale& scale) {
    const store::ViewState::Batch batch(state_);
    DrawCursor(1, x[0], chosen[0], scale);
    DrawCursor(2, x[1], chosen[1], scale);
    distanceBetween();
}

void Cursors::CursorsFromMetres() {
    const CursorScale scale = CursorScale::of(state_, drawn_);
    if (!scale.valid()) return;
    const std::array<double, 2> chosen{wanted(1), wanted(2)};
    placeBoth({scale.limit(chosen[0]), scale.limit(chosen[1])}, chosen, scale);
}

void Cursors::CursorsToMetres() {
    const CursorScale scale = CursorScale::of(state_, drawn_);
    if (!scale.valid()) return;
    // A box this class wrote keeps its exact distance at the PR it was shown
    // at; rescaling that keeps the cursor where it was on the waveform, also
    // between two samples. A box written elsewhere goes by its position.
    const auto kept = [&](int cursor, double Mark::*distance) {
        const Mark& mark = marks_[cursor - 1];
        return written(cursor) ? mark.*distance * mark.pr / scale.pr : scale.distance(position(cursor));
    };
    // Both read before either box is rewritten.
    placeBoth({kept(1, &Mark::metres), kept(2, &Mark::metres)},
              {kept(1, &Mark::wanted), kept(2, &Mark::wanted)}, scale);
}

void Cursors::PositionsFromMetres() {
    const CursorScale scale = CursorScale::of(state_, drawn_);
    if (!scale.valid()) return;
    const double x1 = shown(1), x2 = shown(2);
    const store::ViewState::Batch batch(state_);
    setPosition(1, scale.nearest(x1));
    setPosition(2, scale.nearest(x2));
}

} // namespace trace
