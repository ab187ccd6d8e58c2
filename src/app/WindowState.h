#pragma once
#include "store/ShownState.h"

#include <QString>

namespace app {

// What the main window shows and enables beyond the shown waveform: the
// commands that follow the type entry, the two view toggles and the cursor
// controls' state. A change made through any setter shows in the window
// (store::ShownState).
class WindowState : public store::ShownState {
    Q_OBJECT
public:
    using store::ShownState::ShownState;

    // btConnect and mnConnect.
    const QString& connectCaption() const { return connectCaption_; }
    void setConnectCaption(const QString& v) { set(connectCaption_, v); }
    const QString& mnConnectCaption() const { return mnConnectCaption_; }
    void setMnConnectCaption(const QString& v) { set(mnConnectCaption_, v); }
    // btImport, mnImport.
    bool importEnabled() const { return importEnabled_; }
    void setImportEnabled(bool v) { set(importEnabled_, v); }
    // mnOptions.
    bool optionsEnabled() const { return optionsEnabled_; }
    void setOptionsEnabled(bool v) { set(optionsEnabled_, v); }
    // SpeedButton_zoom_inc/_dec, Button_zoom.
    bool zoomControlsEnabled() const { return zoomControlsEnabled_; }
    void setZoomControlsEnabled(bool v) { set(zoomControlsEnabled_, v); }

    // btAproks: 0 approximation on, 1 off.
    int aproksTag() const { return aproksTag_; }
    void setAproksTag(int v) { set(aproksTag_, v); }
    // btScreen: 0 upper chart shown, 1 hidden.
    int screenTag() const { return screenTag_; }
    void setScreenTag(int v) { set(screenTag_, v); }
    // mnEvents: the event table and the marks on the charts.
    bool eventsShown() const { return eventsShown_; }
    void setEventsShown(bool v) { set(eventsShown_, v); }

    // 1 = K1, 2 = K2.
    int activeCursor() const { return activeCursor_; }
    void setActiveCursor(int v) { set(activeCursor_, v); }
    bool cursorLabelsEnabled() const { return cursorLabelsEnabled_; }
    void setCursorLabelsEnabled(bool v) { set(cursorLabelsEnabled_, v); }

private:
    QString connectCaption_ = tr("Connect");
    QString mnConnectCaption_ = tr("Connect...");
    bool importEnabled_ = true;
    bool optionsEnabled_ = true;
    bool zoomControlsEnabled_ = false;
    int aproksTag_ = 1;
    int screenTag_ = 0;
    bool eventsShown_ = false;
    int activeCursor_ = 1;
    bool cursorLabelsEnabled_ = true;
};

} // namespace app
