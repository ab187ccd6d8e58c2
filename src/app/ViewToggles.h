#pragma once

namespace trace {
class ChartSet;
}

namespace app {

class WindowState;

// The main window's two view toggles, "Approximation" (btAproks, mnAproks)
// and "Screen" (btScreen, mnScreen): each click flips its tag; the window
// shows picture, check mark and the upper chart from the tags.
class ViewToggles {
public:
    ViewToggles(WindowState& state, const trace::ChartSet& charts) : state_(state), charts_(charts) {}

    void btAproksClick();
    void btScreenClick();

private:
    WindowState& state_;
    const trace::ChartSet& charts_;
};

} // namespace app
