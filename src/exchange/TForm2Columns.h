#pragma once
#include "store/GridColumn.h"

#include <QStringList>
#include <QVector>

namespace exchange {

// Column lists of the four grids of the exchange window.
class TForm2Columns {
public:
    static QVector<store::GridColumn> prList();          // DBGridEh1: the database's PR list
    static QVector<store::GridColumn> library();         // DBGridEhConnect: the filtered waveform view
    static QStringList libraryHidden();                  // its columns kept out of sight
    static QVector<store::GridColumn> devicePrList();    // DBGridEh2: the instrument's PR table
    static QVector<store::GridColumn> deviceWaveforms(); // DBGridEhList: the instrument's list of waveforms
};

} // namespace exchange
