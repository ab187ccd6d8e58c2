#pragma once
#include <QHideEvent>
#include <QShowEvent>

namespace exchange {

// Tells a window's opening (show(), exec()) from the show events the window
// system sends when a minimised window is restored, so that what belongs to
// the opening (a refresh, starting an exchange) runs once per opening and a
// restore in the middle of an exchange leaves it undisturbed.
class WindowOpening {
public:
    // True on the first show after the window was closed.
    bool opens(const QShowEvent*) {
        if (open_) return false;
        open_ = true;
        return true;
    }
    // A hide that the program asked for closes the window; minimising does not.
    void hidden(const QHideEvent* event) {
        if (!event->spontaneous()) open_ = false;
    }

private:
    bool open_ = false;
};

} // namespace exchange
