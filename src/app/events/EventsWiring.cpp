#include "app/events/EventsWiring.h"

#include "app/TForm1.h"
#include "app/WindowState.h"

#include <QAction>
#include <QHeaderView>
#include <QScrollBar>
#include <QTableView>
#include <algorithm>

namespace app::events {

EventsWiring::EventsWiring(TForm1& form, store::TDataModule1& dm, trace::TraceView& view, trace::Chart& upper,
                           trace::Chart& lower)
    : events(form.state(), form.windowState(), dm, view, upper, lower), form_(form), model_(events) {
    form.EventGrid->setModel(&model_);
    connect(form.mnEvents, &QAction::triggered, this, &EventsWiring::mnEventsClick);
    connect(form.EventGrid, &QTableView::clicked, this,
            [this](const QModelIndex& i) { EventGridClick(i.row()); });
    connect(&events, &WaveformEvents::changed, this, &EventsWiring::fitColumns);
    events.refresh();
}

void EventsWiring::mnEventsClick() {
    WindowState& w = form_.windowState();
    w.setEventsShown(!w.eventsShown());
}

// The table takes the room its columns need, up to its maximum, so that no
// column is cut while the charts keep the rest.
void EventsWiring::fitColumns() {
    QTableView* g = form_.EventGrid;
    g->resizeColumnsToContents();
    const int needed =
        g->horizontalHeader()->length() + 2 * g->frameWidth() + g->verticalScrollBar()->sizeHint().width();
    g->setMinimumWidth(std::min(needed, g->maximumWidth()));
}

void EventsWiring::EventGridClick(int row) { events.pointCursor(row); }

} // namespace app::events
