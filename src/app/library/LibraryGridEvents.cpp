#include "app/library/LibraryGridEvents.h"

#include "app/library/CompareLibrary.h"
#include "store/DataModuleHost.h"
#include "store/TDataModule1.h"
#include "store/ViewState.h"
#include "trace/TraceView.h"

#include <Qt>

namespace app::library {

LibraryGridEvents::LibraryGridEvents(store::ViewState& state, store::TDataModule1& dm,
                                     store::DataModuleHost& window, CompareLibrary& compare)
    : state_(state), dm_(dm), window_(window), compare_(compare) {}

void LibraryGridEvents::DBGridEh1MouseDown() {
    const store::ViewState::Batch batch(state_);
    state_.setWaveSource(1);
    store::Dataset& master = dm_.t_master;
    if (dm_.MasterCount <= 0 || !master.isOpen() || master.isEmpty()) return;
    state_.setEditSdvig(store::TDataModule1::shownOffset(master.fieldByName(QStringLiteral("SDVIG"))));
    if (state_.typeIndex() == 0)
        state_.setZoomCaption(store::TDataModule1::shownZoom(master.fieldByName(QStringLiteral("ZOOM_L"))));
    window_.redraw(trace::TraceView::KeepDistances);
}

bool LibraryGridEvents::DBGridEh1KeyDown(int key) {
    if (key != Qt::Key_Delete) return false;
    store::Dataset& master = dm_.t_master;
    if (!master.isOpen() || master.isEmpty()) return true;
    master.setTag(store::TagQuiet);
    master.deleteRecord();
    // The quiet delete left the boxes and charts on the deleted waveform.
    compare_.showCurrentLibraryRecord();
    return true;
}

bool LibraryGridEvents::DBGridEh2KeyDown(int key) {
    if (key != Qt::Key_Delete) return false;
    store::Dataset& picture = dm_.t_picture;
    if (picture.isOpen() && !picture.isEmpty()) {
        picture.setTag(store::TagQuiet);
        picture.deleteRecord();
        // Deleting the last record moves nowhere, so nothing absorbed the tag.
        if (picture.tag() == store::TagQuiet) picture.setTag(store::TagNormal);
    }
    if (!picture.isEmpty()) CompareLibrary::RenumberCompareLibrary(picture);
    window_.updateRange();
    window_.redraw(trace::TraceView::KeepDistances);
    return true;
}

} // namespace app::library
