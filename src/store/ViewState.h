#pragma once
#include "store/ProgramTitle.h"

#include <QObject>
#include <QString>

namespace store {

// The shown waveform as the data module, the trace view and the report share
// it: the data module fills it from the selected record, the trace view draws
// from it and places the cursors in it, the report prints it. Boxes hold their
// text as the window shows it (read back and parsed when needed). The window
// refreshes on changed(); logic and tests use it without a window.
class ViewState : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    QString editK1 = "0";      // Edit_k1
    QString editK2 = "0";      // Edit_k2
    QString editL;             // Edit_l
    QString editKu = "1,500";  // Edit_ku
    QString editSdvig = "0";   // Edit_sdvig
    QString zoomCaption = "1"; // caption of Button_zoom
    // The open library's title; its folder names the waveforms' origin.
    QString title = programTitle();
    QString statusNote; // why the charts show nothing; empty when they draw

    int typeIndex = 0;  // ComboBox_type: 0 "KMX-417", 1 "KMX-419", -1 none
    int waveSource = 1; // 1 library (t_master), 2 compare library (t_picture)
    double maxScale = 250;
    double zoomAnchor = 0;
    int zoomMin = 1;
    int zoomMax = 1;
    int posK1 = 0;
    int posK2 = 0;
    // "Difference": the current waveform minus the compare grid's selected one.
    bool showDifference = false;

    // Tells the window to show the state again.
    void notify() { emit changed(); }

signals:
    void changed();
};

} // namespace store
