// The event handlers of TDataModule1.
#include "store/Numbers.h"
#include "store/ShownValues.h"
#include "store/TDataModule1.h"

namespace store {

namespace {
const QString kDefaultKu = QStringLiteral("1,5");
const QString kDefaultSdvig = QStringLiteral("0");
const QString kDefaultZoom = QStringLiteral("1");

// A stored number shown in a box; an empty or unreadable value shows the box's
// default, because the boxes are parsed again on every redraw.
QString numberText(const Field& f, const QString& def) {
    const QString text = f.asString();
    return parseNumber(text) ? text : def;
}
} // namespace

void TDataModule1::showCurrentRecord(Dataset& ds, bool withSpeed) {
    if (withSpeed) {
        // A PR outside 1..3 would make every distance meaningless: the box keeps to its range.
        state_.editKu =
            ShownValues::pr(ds.fieldByName(QStringLiteral("SPEED")).asString()).value_or(kDefaultKu);
        state_.waveSource = 1;
    }
    state_.editSdvig = numberText(ds.fieldByName(QStringLiteral("SDVIG")), kDefaultSdvig);
    if (state_.typeIndex == 0)
        state_.zoomCaption = numberText(ds.fieldByName(QStringLiteral("ZOOM_L")), kDefaultZoom);
}

void TDataModule1::showEmptyLibrary() {
    state_.editKu = kDefaultKu;
    state_.editSdvig = kDefaultSdvig;
    state_.zoomCaption = kDefaultZoom;
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

void TDataModule1::t_masterBeforeScroll(Dataset&) {
    state_.zoomCaption = kDefaultZoom;
    state_.notify();
}

void TDataModule1::ds_masterDataChange(Dataset& ds) {
    if (MasterCount <= 0) return;
    if (ds.tag() == TagQuiet) {
        ds.setTag(TagNormal);
        return;
    }
    if (ds.state() == DatasetState::Browse) {
        if (ds.isEmpty()) {
            showEmptyLibrary();
        } else {
            showCurrentRecord(ds, true);
        }
        state_.notify();
        host_.updateRange();
        host_.redraw(1);
    }
    ds.setTag(TagNormal);
}

void TDataModule1::t_pictureAfterScroll(Dataset& ds) {
    if (ds.isEmpty()) return;
    if (ds.tag() == TagScan) {
        const qint64 scale = ds.fieldByName(QStringLiteral("SCALE")).asInteger();
        if (scale > state_.maxScale) state_.maxScale = static_cast<double>(scale);
        return;
    }
    if (ds.tag() == TagQuiet) {
        ds.setTag(TagNormal);
        return;
    }
    state_.waveSource = 2;
    showCurrentRecord(ds, false);
    state_.notify();
    // The difference trace follows the compare grid's selection in either view.
    if (state_.typeIndex == 0 || state_.showDifference) host_.redraw(1);
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
