#pragma once
#include <QObject>
#include <QString>

namespace app {

// What the main window shows and enables beyond the shown waveform: the
// commands that follow the type entry, the two view toggles and the cursor
// controls' state. The window refreshes on changed().
class WindowState : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    QString connectCaption = tr("Connect");      // btConnect
    QString mnConnectCaption = tr("Connect..."); // mnConnect
    bool importEnabled = true;                   // btImport, mnImport
    bool optionsEnabled = true;                  // mnOptions
    bool zoomControlsEnabled = false;            // SpeedButton_zoom_inc/_dec, Button_zoom

    int aproksTag = 1;        // btAproks: 0 approximation on, 1 off
    int screenTag = 0;        // btScreen: 0 upper chart shown, 1 hidden
    bool eventsShown = false; // mnEvents: the event table and the marks on the charts

    int activeCursor = 1; // 1 = K1, 2 = K2
    bool cursorLabelsEnabled = true;
    int repeatStep = 1; // the auto-repeat's current step

    void notify() { emit changed(); }

signals:
    void changed();
};

} // namespace app
