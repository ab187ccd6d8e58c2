#pragma once
#include "store/GridColumn.h"

#include <QStringList>
#include <QVector>

namespace app::library {

// Columns of the main window's grids: the waveform library DBGridEh1 and the
// compare library DBGridEh2 (the same columns), and the PR list DBGridEh3.
// Hidden fields stay in the grid's model, in table order, but are not shown.
struct LibraryColumns {
    static QVector<store::GridColumn> waveforms();
    static QStringList hiddenWaveformFields(); // ZOOM_L, POINTS, DEVICE_TYPE
    // Fields the "KMX-417" records leave empty: METHOD, LEVEL, TIME_OUT.
    static QStringList unusedByPlanTypeFields();
    static QVector<store::GridColumn> prList();
    // Why a PR typed into the list is refused: not a number, or outside the PR range.
    static QString prRefusal(const QVariant& typed);
    static QStringList hiddenPrFields(); // picture
};

} // namespace app::library
