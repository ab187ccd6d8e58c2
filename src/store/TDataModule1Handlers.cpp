// The event handlers of TDataModule1.
#include "store/ShownValues.h"
#include "store/TDataModule1.h"

#include <algorithm>
#include <limits>

namespace store {

namespace {
const ShownNumber kDefaultKu{1.5, 1};
const ShownNumber kDefaultZoom{1, 0};
} // namespace

int TDataModule1::shownOffset(const Field& sdvig) {
    const std::optional<ShownNumber> n = ShownNumber::read(sdvig.asString());
    if (!n) return 0;
    return int(
        std::clamp<double>(n->value(), std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
}

ShownNumber TDataModule1::shownZoom(const Field& zoomL) {
    return ShownNumber::read(zoomL.asString()).value_or(kDefaultZoom);
}

void TDataModule1::showCurrentRecord(Dataset& ds, bool withSpeed) {
    const ViewState::Batch batch(state_);
    if (withSpeed) {
        // A PR outside 1..3 would make every distance meaningless: the box keeps to its range.
        const std::optional<QString> pr = ShownValues::pr(ds.fieldByName(QStringLiteral("SPEED")).asString());
        state_.setEditKu(pr ? ShownNumber::read(*pr).value_or(kDefaultKu) : kDefaultKu);
        state_.setWaveSource(1);
    }
    state_.setEditSdvig(shownOffset(ds.fieldByName(QStringLiteral("SDVIG"))));
    if (state_.typeIndex() == 0) state_.setZoomCaption(shownZoom(ds.fieldByName(QStringLiteral("ZOOM_L"))));
}

void TDataModule1::showEmptyLibrary() {
    const ViewState::Batch batch(state_);
    state_.setEditKu(kDefaultKu);
    state_.setEditSdvig(0);
    state_.setZoomCaption(kDefaultZoom);
}

void TDataModule1::t_masterAfterOpen(Dataset& ds) {
    MasterCount = ds.recordCount();
    host_.SetWaveformViewEnabled(MasterCount != 0);
}

void TDataModule1::t_masterAfterInsert(Dataset&) {
    ++MasterCount;
    host_.SetWaveformViewEnabled(MasterCount != 0);
}

void TDataModule1::t_masterAfterDelete(Dataset&) {
    --MasterCount;
    host_.SetWaveformViewEnabled(MasterCount != 0);
}

void TDataModule1::t_masterBeforeScroll(Dataset&) { state_.setZoomCaption(kDefaultZoom); }

void TDataModule1::ds_masterDataChange(Dataset& ds) {
    if (MasterCount <= 0) return;
    if (ds.tag() == TagQuiet) {
        ds.setTag(TagNormal);
        return;
    }
    if (ds.state() == DatasetState::Browse) {
        // The boxes, the range and the redraw shown once.
        const ViewState::Batch batch(state_);
        if (ds.isEmpty()) {
            showEmptyLibrary();
        } else {
            showCurrentRecord(ds, true);
        }
        host_.updateRange();
        host_.redraw(1);
    }
    ds.setTag(TagNormal);
}

void TDataModule1::t_pictureAfterScroll(Dataset& ds) {
    if (ds.isEmpty()) return;
    if (ds.tag() == TagScan) {
        const qint64 scale = ds.fieldByName(QStringLiteral("SCALE")).asInteger();
        if (double(scale) > state_.maxScale()) state_.setMaxScale(double(scale));
        return;
    }
    if (ds.tag() == TagQuiet) {
        ds.setTag(TagNormal);
        return;
    }
    {
        const ViewState::Batch batch(state_);
        state_.setWaveSource(2);
        showCurrentRecord(ds, false);
    }
    // The difference trace follows the compare grid's selection in either view.
    if (state_.typeIndex() == 0 || state_.showDifference()) host_.redraw(1);
    ds.setTag(TagNormal);
}

void TDataModule1::t_pictureAfterPost(Dataset& ds) { host_.SetCompareGridEnabled(ds.recordCount() > 0); }

void TDataModule1::t_ku_listAfterInsert(Dataset& ds) {
    ds.fieldByName(QStringLiteral("picture")).setBool(false);
}

bool TDataModule1::t_ku_listBeforePost(Dataset& ds) {
    if (ds.fieldByName(QStringLiteral("name_ku")).asString().trimmed().isEmpty()) return false;
    const Field value = ds.fieldByName(QStringLiteral("value_ku"));
    if (value.isNull()) return false;
    const double v = value.asFloat();
    return v >= ShownValues::kLowestPr && v <= ShownValues::kHighestPr;
}

} // namespace store
