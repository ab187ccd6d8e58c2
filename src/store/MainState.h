#pragma once
#include <QObject>
#include <QString>

namespace store {

// The main window's shared state: the values it shows live here as the text of
// their boxes (read back and parsed when needed), next to the numbers the data
// module, the trace view and the controls share. Widgets show this state and
// refresh on changed(); logic and tests use it without a window.
class MainState : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    // Boxes and captions, as text.
    QString editK1 = "0";      // Edit_k1
    QString editK2 = "0";      // Edit_k2
    QString editL;             // Edit_l
    QString editKu = "1,500";  // Edit_ku
    QString editSdvig = "0";   // Edit_sdvig
    QString zoomCaption = "1"; // caption of Button_zoom
    QString title = "Echolon 4.1";
    QString statusNote; // why the charts show nothing, in the status bar; empty when they draw

    int typeIndex = 0; // ComboBox_type: 0 "KMX-417", 1 "KMX-419", -1 none
    int waveSource = 1; // 1 library (t_master), 2 compare library (t_picture)
    double maxScale = 250;
    double zoomAnchor = 0;
    int zoomMin = 1;
    int zoomMax = 1;
    int posK1 = 0;
    int posK2 = 0;
    int repeatStep = 1;
    int activeCursor = 1; // 1 = K1, 2 = K2
    bool cursorLabelsEnabled = true;

    // Commands whose state follows the type entry (set by the type presets).
    QString connectCaption = "Connect";      // btConnect
    QString mnConnectCaption = "Connect..."; // mnConnect
    bool importEnabled = true;               // btImport, mnImport
    bool optionsEnabled = true;              // mnOptions
    bool zoomControlsEnabled = false;        // SpeedButton_zoom_inc/_dec, Button_zoom
    bool compareGridEnabled = true;          // DBGridEh2, off while the compare library is empty

    int aproksTag = 1; // btAproks: 0 approximation on, 1 off
    int screenTag = 0; // btScreen: 0 upper chart shown, 1 hidden

    // Outputs of the renderers, read by the cursor conversions.
    int planStep = 0;
    int planStart = 0;
    double planStepPR = 0;
    double windowStep = 0;
    double windowStart = 0;

    // Tells the widgets to show the state again.
    void notify() { emit changed(); }

signals:
    void changed();
};

} // namespace store
