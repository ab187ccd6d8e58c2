#pragma once
#include "app/events/EventTableModel.h"
#include "app/events/WaveformEvents.h"

#include <QObject>

namespace trace {
class Chart;
}

namespace app {
class TForm1;
}

namespace app::events {

// The only class that touches the main window's event table and toggle:
// "Events" (mnEvents) flips the list on and off, a click on a row of
// "EventGrid" puts the active cursor there, and both charts draw the marks.
class EventsWiring : public QObject {
    Q_OBJECT
public:
    EventsWiring(TForm1& form, store::TDataModule1& dm, trace::TraceView& view, trace::Chart& upper,
                 trace::Chart& lower);

    WaveformEvents events;

    void mnEventsClick();
    void EventGridClick(int row);

private:
    void fitColumns();

    TForm1& form_;
    EventTableModel model_;
};

} // namespace app::events
