#pragma once
#include "analysis/TraceEvents.h"
#include "report/Tform_print.h"

#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>

namespace store {
class TDataModule1;
class ViewState;
} // namespace store
namespace trace {
class Chart;
class TraceView;
} // namespace trace

namespace app {

class WindowState;

namespace events {

// The event list of the shown waveform while "Events" is on: which waveform
// (library or compare library, as the charts), at which PR, the rows as the
// table shows them and the marks on both charts. Follows the shown state; a
// row puts the active cursor on its event. No widget: the table and the
// charts only show it.
class WaveformEvents : public QObject {
    Q_OBJECT
public:
    WaveformEvents(store::ViewState& state, WindowState& window, store::TDataModule1& dm,
                   trace::TraceView& view, trace::Chart& upper, trace::Chart& lower);

    struct Row {
        QString number, kind, distance, amplitude, polarity;
        double metres = 0;
    };
    const QList<Row>& rows() const { return rows_; }
    const analysis::EventList& list() const { return list_; }
    // The rows as the report prints them, one line each under a title,
    // ranked by how much they matter; none while the list is off or empty.
    report::EventLines reportLines() const;

    // Looks again when the shown waveform, its family, the PR or the toggle
    // changed; the rows are formatted again when the length unit changed.
    void refresh();
    // The active cursor (K1 or K2) onto the event of a row; false when there
    // is no such row or nothing is drawn.
    bool pointCursor(int row);

signals:
    void changed();

private:
    QString shownKey() const;
    void detect();
    void format();

    store::ViewState& state_;
    WindowState& window_;
    store::TDataModule1& dm_;
    trace::TraceView& view_;
    trace::Chart& upper_;
    trace::Chart& lower_;
    QString key_;
    analysis::EventList list_;
    QList<Row> rows_;
};

} // namespace events
} // namespace app
