#pragma once

namespace store {
class MainState;
class Dataset;
} // namespace store

namespace trace {

class ChartSet;

// What the trace view works on: the main window's state, the charts, the
// library query t_master and the compare library t_picture.
struct TraceContext {
    store::MainState& state;
    ChartSet& charts;
    store::Dataset& master;
    store::Dataset& picture;
};

} // namespace trace
