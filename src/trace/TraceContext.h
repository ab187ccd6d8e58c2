#pragma once

namespace store {
class ViewState;
class Dataset;
} // namespace store

namespace trace {

class ChartSet;
struct RenderScale;

// What the trace view works on: the shown waveform's state, the charts, the
// library query t_master, the compare library t_picture and where the last
// redraw put the samples.
struct TraceContext {
    store::ViewState& state;
    ChartSet& charts;
    store::Dataset& master;
    store::Dataset& picture;
    RenderScale& drawn;
};

} // namespace trace
