#include "trace/ScaleRange.h"

#include "store/Dataset.h"
#include "store/DatasetWalk.h"
#include "store/ViewState.h"
#include "trace/RangeTables.h"

namespace trace {

void ScaleRange::consider(store::Dataset& ds, double& maxScale) const {
    const double scale = ds.fieldByName(QStringLiteral("SCALE")).asFloat();
    if (RangeTables::isRange(ctx_.state.typeIndex(), scale) && scale > maxScale) maxScale = scale;
}

void ScaleRange::ComputeMaxScale() {
    store::ViewState& state = ctx_.state;
    double maxScale = RangeTables::smallestRange(state.typeIndex());
    state.setMaxScale(maxScale);
    store::Dataset& picture = ctx_.picture;
    if (picture.isOpen()) {
        store::DatasetWalk walk(picture, store::TagScan);
        if (walk.first()) {
            consider(picture, maxScale);
            for (int i = 0, n = picture.recordCount(); i < n; ++i)
                if (walk.next()) consider(picture, maxScale);
        }
        walk.finish();
    }
    if (ctx_.master.recordCount() > 0) consider(ctx_.master, maxScale);
    // The data module's scan handler may have raised MaxScale meanwhile; the
    // value that counts is the one taken from the valid ranges.
    state.setMaxScale(maxScale);
}

void ScaleRange::UpdateRange() {
    const store::ViewState::Batch batch(ctx_.state);
    ComputeMaxScale();
    if (ctx_.state.typeIndex() == 1) ctx_.state.setZoomMax(RangeTables::zoomMaxFor(ctx_.state.maxScale()));
}

} // namespace trace
