#pragma once
#include <QColor>
#include <optional>

namespace app::library {

// Row colours of the compare library grid: records 1, 2 and 3 in the colours
// of their traces on the charts; any other REC_ID keeps the grid's colours.
struct CompareRowColors {
    QColor background;
    QColor text;

    static std::optional<CompareRowColors> forRecId(qint64 recId);
};

} // namespace app::library
