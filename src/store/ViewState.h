#pragma once
#include "store/ProgramTitle.h"
#include "store/ShownNumber.h"
#include "store/ShownState.h"

#include <QString>
#include <optional>

namespace store {

// The shown waveform as the data module, the trace view and the report share
// it: the data module fills it from the selected record, the trace view draws
// from it and places the cursors in it, the report prints it. The boxes'
// numbers are kept as numbers with the decimals they are shown with; whatever
// shows them formats them. A change made through any setter shows in the
// window (ShownState). Logic and tests use it without a window.
class ViewState : public ShownState {
    Q_OBJECT
public:
    using ShownState::ShownState;

    // Edit_k1, Edit_k2: the cursors' distances in metres.
    const ShownNumber& editK1() const { return editK1_; }
    void setEditK1(const ShownNumber& v) { set(editK1_, v); }
    const ShownNumber& editK2() const { return editK2_; }
    void setEditK2(const ShownNumber& v) { set(editK2_, v); }
    // Edit_l: the distance between them; empty until the cursors are placed.
    const std::optional<ShownNumber>& editL() const { return editL_; }
    void setEditL(const ShownNumber& v) { set(editL_, std::optional<ShownNumber>(v)); }
    // Edit_ku: the PR.
    const ShownNumber& editKu() const { return editKu_; }
    void setEditKu(const ShownNumber& v) { set(editKu_, v); }
    // Edit_sdvig: the vertical offset.
    int editSdvig() const { return editSdvig_; }
    void setEditSdvig(int v) { set(editSdvig_, v); }
    // The zoom factor, the caption of Button_zoom.
    const ShownNumber& zoomCaption() const { return zoomCaption_; }
    void setZoomCaption(const ShownNumber& v) { set(zoomCaption_, v); }
    // The open library's title; its folder names the waveforms' origin.
    const QString& title() const { return title_; }
    void setTitle(const QString& v) { set(title_, v); }
    // Why the charts show nothing; empty when they draw.
    const QString& statusNote() const { return statusNote_; }
    void setStatusNote(const QString& v) { set(statusNote_, v); }

    // ComboBox_type: 0 "KMX-417", 1 "KMX-419", -1 none.
    int typeIndex() const { return typeIndex_; }
    void setTypeIndex(int v) { set(typeIndex_, v); }
    // 1 library (t_master), 2 compare library (t_picture).
    int waveSource() const { return waveSource_; }
    void setWaveSource(int v) { set(waveSource_, v); }
    double maxScale() const { return maxScale_; }
    void setMaxScale(double v) { set(maxScale_, v); }
    double zoomAnchor() const { return zoomAnchor_; }
    void setZoomAnchor(double v) { set(zoomAnchor_, v); }
    int zoomMin() const { return zoomMin_; }
    void setZoomMin(int v) { set(zoomMin_, v); }
    int zoomMax() const { return zoomMax_; }
    void setZoomMax(int v) { set(zoomMax_, v); }
    int posK1() const { return posK1_; }
    void setPosK1(int v) { set(posK1_, v); }
    int posK2() const { return posK2_; }
    void setPosK2(int v) { set(posK2_, v); }
    // "Difference": the current waveform minus the compare grid's selected one.
    bool showDifference() const { return showDifference_; }
    void setShowDifference(bool v) { set(showDifference_, v); }
    // Counts the redraws: the waveform drawn may change while every value
    // above stays (another row of the same PR), and what follows the drawn
    // waveform (its events) is told so.
    int drawings() const { return drawings_; }
    void countDrawing() { set(drawings_, drawings_ + 1); }

private:
    ShownNumber editK1_{0, 0};
    ShownNumber editK2_{0, 0};
    std::optional<ShownNumber> editL_;
    ShownNumber editKu_{1.5, 3};
    int editSdvig_ = 0;
    ShownNumber zoomCaption_{1, 0};
    QString title_ = programTitle();
    QString statusNote_;
    int typeIndex_ = 0;
    int waveSource_ = 1;
    double maxScale_ = 250;
    double zoomAnchor_ = 0;
    int zoomMin_ = 1;
    int zoomMax_ = 1;
    int posK1_ = 0;
    int posK2_ = 0;
    bool showDifference_ = false;
    int drawings_ = 0;
};

} // namespace store
