#pragma once
#include "trace/ChartPair.h"

namespace trace {

// The four charts of the trace view: the main window's upper chart DBChart1
// and lower chart TDBChart1, and their report copies QRChart1 and QRChart2,
// which the report form hands in once it exists. The charts are not owned.
class ChartSet {
public:
    // Lays out both charts (slots, titles, colours, axes) and names them.
    ChartSet(Chart& upper, Chart& lower);

    // Lays out the report copies and makes them equal to the main-window
    // charts; from now on every change is made on them as well.
    void attachCopies(Chart& upperCopy, Chart& lowerCopy);
    void detachCopies();

    ChartPair upper() const { return ChartPair(*upper_, upperCopy_); }
    ChartPair lower() const { return ChartPair(*lower_, lowerCopy_); }

    Chart& lowerChart() const { return *lower_; }

    // A Chart::Batch of both window charts.
    class Batch {
    public:
        explicit Batch(const ChartSet& charts) : upper_(*charts.upper_), lower_(*charts.lower_) {}

    private:
        Chart::Batch upper_, lower_;
    };
    Chart* upperCopy() const { return upperCopy_; }
    Chart* lowerCopy() const { return lowerCopy_; }

    // Stairs on or off on every slot of all four charts.
    void setStairsEverywhere(bool on) const;
    // Inverted stairs on the trace slots (current waveform and compare
    // records 1..3) of all four charts.
    void setInvertedStairsOnTraces(bool on) const;

    // The window frame on the upper chart: sides at xLeft and xRight metres,
    // top and bottom 3 amplitude units inside the upper chart's left axis.
    void drawFrame(double xLeft, double xRight) const;
    void clearFrame() const;
    // Clears the "Top" and "Bottom" slots of both charts.
    void clearTopBottom() const;
    // Hides the current waveform and compare records from the j-th on (0..3).
    void hideCurrent() const;
    void hideCompareFrom(int j) const;
    // Nothing drawn on either chart: traces, frame, top/bottom and cursor lines.
    void hideTraces() const;

private:
    Chart* upper_;
    Chart* lower_;
    Chart* upperCopy_ = nullptr;
    Chart* lowerCopy_ = nullptr;
};

} // namespace trace
