#pragma once
#include <QString>

namespace exchange {

// What the exchange dialog shows; the engine fills it and the dialog mirrors it.
struct ExchangeView {
    QString lbFrameNum; // packet progress
    QString lbFileNum;  // command caption
    QString lbProgress; // commands done of the list and the time left
    int pbFilePosition = 0;
    int pbFileMax = 100;
    int pbTotalPosition = 0;
    int pbTotalMax = 100;
    bool btStopEnabled = false;
};

} // namespace exchange
