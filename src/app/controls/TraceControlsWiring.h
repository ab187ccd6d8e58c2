#pragma once
#include "app/controls/PointerReadout.h"
#include "app/controls/TraceControls.h"

#include <QObject>
#include <memory>

namespace app {
class TForm1;
}

namespace app::controls {

// Connects the main window's trace controls to TraceControls: presses and
// releases of the step buttons, clicks on "Set PR", "Clear zoom" and the
// cursor labels, Enter in the K1, K2 and PR boxes, and on the lower chart the
// pointer (status bar), the mouse buttons (cursors) and Left/Right.
class TraceControlsWiring : public QObject {
    Q_OBJECT
public:
    // Without a clock the timers run on Qt timers.
    // window: the main window's redraw entry points.
    TraceControlsWiring(TForm1& form, store::TDataModule1& dm, store::DataModuleHost& window,
                        trace::TraceView& view, trace::ScreenChart& lowerChart, gui::Clock* clock = nullptr);
    ~TraceControlsWiring() override;

    TraceControls& controls() { return controls_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void connectButtons();
    void connectBoxes();
    // The boxes' hints: the unit a distance is typed in, the PR's velocity.
    void showBoxHints();
    // The chart view's mouse and keys; true when the event was used.
    bool chartMouse(QEvent* event);
    bool chartKey(QEvent* event);

    std::unique_ptr<gui::Clock> ownClock_;
    TraceControls controls_;
    PointerReadout readout_;
    TForm1& form_;
    QObject* chartView_;
};

} // namespace app::controls
