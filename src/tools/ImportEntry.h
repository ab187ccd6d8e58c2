#pragma once
#include <QByteArray>
#include <QString>

namespace tools {

// One entry the import puts into the executor's command list: a read-waveform
// command of device type 0 and the stored block that stands for the answer.
struct ImportEntry {
    QString command; // "02" + object + bank number (two upper-case hex digits) + "00"
    QByteArray bytes;
};

} // namespace tools
