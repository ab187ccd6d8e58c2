#pragma once
#include <functional>

namespace app::controls {

// Runs the controls' event handlers. An error a handler raises is shown in the
// program's standard error box, as for any event handler, after onError has
// run: the trace controls stop their auto-repeat there, so a held button does
// not raise the same error every few milliseconds behind the box.
class HandlerGuard {
public:
    HandlerGuard() = default;
    explicit HandlerGuard(std::function<void()> onError) : onError_(std::move(onError)) {}

    // True when the handler ran without an error.
    bool run(const std::function<void()>& handler) const;

private:
    std::function<void()> onError_;
};

} // namespace app::controls
