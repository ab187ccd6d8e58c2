#include "app/library/CompareRowColors.h"

#include "trace/SlotLayout.h"

namespace app::library {

std::optional<CompareRowColors> CompareRowColors::forRecId(qint64 recId) {
    if (recId < 1 || recId > trace::SlotLayout::kCompareRecords) return std::nullopt;
    const int j = int(recId) - 1;
    // Black reads best on aqua, white on fuchsia and orange.
    return CompareRowColors{trace::SlotLayout::compareColor(j),
                            j == 0 ? QColor(Qt::black) : QColor(Qt::white)};
}

} // namespace app::library
