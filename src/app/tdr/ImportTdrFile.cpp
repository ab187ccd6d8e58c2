#include "app/tdr/ImportTdrFile.h"

#include "app/tdr/ControlsDisabled.h"
#include "app/tdr/TdrFile.h"
#include "store/Dataset.h"

namespace app::tdr {

namespace {

void fill(store::Dataset& ds, const TdrFile& file) {
    const TdrHeader& h = file.header;
    ds.fieldByName("DATE").setString(file.date);
    ds.fieldByName("SCALE").setFloat(h.scale);
    ds.fieldByName("DLIT").setInteger(h.dlit);
    ds.fieldByName("NAKOPL").setInteger(h.nakopl);
    ds.fieldByName("AMPL").setInteger(h.ampl);
    ds.fieldByName("SPEED").setString(h.speed);
    ds.fieldByName("SOGLAS").setInteger(h.soglas);
    ds.fieldByName("METHOD").setString(h.method);
    ds.fieldByName("TIME_OUT").setFloat(h.timeOut);
    ds.fieldByName("LEVEL").setInteger(h.level);
    ds.fieldByName("SDVIG").setInteger(0);
    ds.fieldByName("ZOOM_L").setFloat(0);
    ds.fieldByName("MEMO").setString(file.memo);
    ds.fieldByName("POINTS").setBlob(file.image.left(TdrHeader::kImageSize));
    ds.fieldByName("DEVICE_TYPE").setString(kTdrDeviceType);
    ds.fieldByName("PICTURE").setBool(false);
    ds.fieldByName("START_PLAN").setFloat(0);
}

} // namespace

void ImportTdrFile(store::Dataset& master2, const TdrFile& file) {
    ControlsDisabled quiet(master2);
    const store::Dataset::Bookmark back = master2.bookmark();
    try {
        // The file's bank is its record number.
        master2.appendNumbered(QStringLiteral("REC_ID"), {QStringLiteral("BANK_NUM")});
        fill(master2, file);
        master2.post();
    } catch (...) {
        if (master2.state() == store::DatasetState::Insert) master2.cancel();
        if (master2.isOpen()) master2.gotoBookmark(back);
        throw;
    }
    master2.gotoBookmark(back);
    master2.setTag(store::TagQuiet);
    quiet.done();
}

bool LastRecordHolds(store::Dataset& master2, const TdrFile& file) {
    const int last = master2.recordCount() - 1;
    if (last < 0) return false;
    const auto at = [&](const char* field) { return master2.valueAt(last, master2.fieldIndex(field)); };
    return at("DEVICE_TYPE").toString() == kTdrDeviceType && at("MEMO").toString() == file.memo &&
           at("DATE").toString() == file.date &&
           at("POINTS").toByteArray() == file.image.left(TdrHeader::kImageSize);
}

} // namespace app::tdr
