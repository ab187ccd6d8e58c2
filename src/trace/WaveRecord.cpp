#include "trace/WaveRecord.h"

#include "store/Dataset.h"

namespace trace {

WaveRecord WaveRecord::read(store::Dataset& ds) {
    WaveRecord r;
    r.scale = ds.fieldByName(QStringLiteral("SCALE")).asFloat();
    r.zoomL = ds.fieldByName(QStringLiteral("ZOOM_L")).asFloat();
    r.startPlan = ds.fieldByName(QStringLiteral("START_PLAN")).asFloat();
    r.sdvig = ds.fieldByName(QStringLiteral("SDVIG")).asInteger();
    r.method = ds.fieldByName(QStringLiteral("METHOD")).asString();
    r.points = ds.fieldByName(QStringLiteral("POINTS")).asBlob();
    return r;
}

} // namespace trace
