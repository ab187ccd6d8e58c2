#include "exchange/ExchangeProgress.h"

#include <algorithm>
#include <cmath>

namespace exchange {

double ExchangeProgress::doneShare(const ExchangeView& view) {
    if (view.pbTotalMax <= 0) return 0;
    const int done = std::clamp(view.pbTotalPosition, 0, view.pbTotalMax);
    double share = done;
    // The running command's packets count only while it runs: a finished one
    // keeps its full bar until the next starts.
    if (done < view.pbTotalMax && view.pbFileMax > 0 && view.pbFilePosition > 0 &&
        view.pbFilePosition < view.pbFileMax)
        share += double(view.pbFilePosition) / view.pbFileMax;
    return share / view.pbTotalMax;
}

std::optional<int> ExchangeProgress::secondsLeft(const ExchangeView& view, std::int64_t elapsed) {
    const double share = doneShare(view);
    if (share <= 0 || share >= 1 || elapsed <= 0) return std::nullopt;
    const double left = double(elapsed) * (1 - share) / share / 1000.0;
    return std::max(1, int(std::ceil(left)));
}

QString ExchangeProgress::duration(int seconds) {
    if (seconds < 60) return tr("%1 s").arg(seconds);
    return tr("%1 min %2 s").arg(seconds / 60).arg(seconds % 60);
}

QString ExchangeProgress::doneText(const ExchangeView& view) {
    if (view.pbTotalMax <= 0) return {};
    return tr("%1 of %2").arg(std::clamp(view.pbTotalPosition, 0, view.pbTotalMax)).arg(view.pbTotalMax);
}

QString ExchangeProgress::text(const ExchangeView& view, std::int64_t now) const {
    const auto left = secondsLeft(view, now - startedAt_);
    if (!left) return doneText(view);
    return tr("%1 of %2, about %3 left")
        .arg(std::clamp(view.pbTotalPosition, 0, view.pbTotalMax))
        .arg(view.pbTotalMax)
        .arg(duration(*left));
}

} // namespace exchange
