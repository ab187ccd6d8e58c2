#pragma once
#include "app/events/EventTableModel.h"
#include "app/events/WaveformEvents.h"

#include <QObject>

namespace trace {
class EventTicks;
class QtChart;
} // namespace trace

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
    EventsWiring(TForm1& form, store::TDataModule1& dm, trace::TraceView& view, trace::QtChart& upper,
                 trace::QtChart& lower);

    WaveformEvents events;

    void mnEventsClick();
    void EventGridClick(int row);

    const trace::EventTicks* upperTicks() const { return upperTicks_; }
    const trace::EventTicks* lowerTicks() const { return lowerTicks_; }

private:
    void fitColumns();

    TForm1& form_;
    EventTableModel model_;
    trace::EventTicks* upperTicks_; // owned by the charts
    trace::EventTicks* lowerTicks_;
};

} // namespace app::events
