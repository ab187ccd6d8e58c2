#pragma once
#include <QStringList>

namespace store {
class ViewState;
}

namespace report {

// The readouts under the lower chart: their labels (QRMemo3) and values (QRMemo4).
class ReadoutLines {
public:
    static QStringList labels();
    static constexpr int kK1Row = 5;
    static constexpr int kK2Row = 6;
    // Values from the window's boxes and the lower chart's distance axis
    // (`axisMin`..`axisMax`, metres), distances in the shown unit, the PR's
    // velocity under the PR. Without a type entry the length resolution is
    // left blank, so every value stays beside its label.
    static QStringList values(const store::ViewState& state, double axisMin, double axisMax);
    // Fixed point with 2 decimals after rounding to 7 significant digits.
    static QString fixed7(double value);
};

} // namespace report
