#include "trace/CursorMarks.h"

#include "store/Units.h"
#include "store/ViewState.h"
#include "trace/Chart.h"
#include "trace/SlotLayout.h"

#include <QCoreApplication>

namespace trace {

CursorMarks::CursorMarks(Chart& chart, const store::ViewState& state, QObject* parent)
    : QObject(parent), chart_(chart), state_(state) {
    connect(&state, &store::ViewState::changed, this, &CursorMarks::show);
    connect(&store::Units::notifier(), &store::UnitsNotifier::changed, this, &CursorMarks::show);
    show();
}

void CursorMarks::show() {
    const bool feet = store::Units::current() == store::LengthUnit::Feet;
    const QString m = feet ? QCoreApplication::translate("CursorMarks", "%1 ft")
                           : QCoreApplication::translate("CursorMarks", "%1 m");
    chart_.setLineLabel(SlotLayout::kCursorK1, m.arg(store::Units::show(state_.editK1())));
    chart_.setLineLabel(SlotLayout::kCursorK2, m.arg(store::Units::show(state_.editK2())));
    chart_.setSpanLabel((feet ? QCoreApplication::translate("CursorMarks", "L = %1 ft")
                              : QCoreApplication::translate("CursorMarks", "L = %1 m"))
                            .arg(store::Units::show(state_.editL())));
}

} // namespace trace
