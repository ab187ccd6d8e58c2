#pragma once
#include <QDateTime>

namespace app::tdr {

// The creation time of an open file in local time: the birth time where the
// file system keeps one (statx), else the time of the last modification.
QDateTime fileBirthTime(int fd);

} // namespace app::tdr
