#pragma once
#include "link/Form2GridModel.h"

namespace exchange {

// Column lists of the four grids of the exchange window.
class TForm2Columns {
public:
    static QVector<Form2Column> prList();         // DBGridEh1: the database's PR list
    static QVector<Form2Column> library();        // DBGridEhConnect: the filtered waveform view
    static QVector<Form2Column> devicePrList();   // DBGridEh2: the instrument's PR table
    static QVector<Form2Column> deviceWaveforms(); // DBGridEhList: the instrument's list of waveforms
};

} // namespace exchange
