#pragma once
#include "app/CommandLine.h"

#include <QCoreApplication>

namespace app {

// `echolon export`: writes waveforms of the library the program would open as
// CSV or JSON, or their events as CSV, without a window system, and without
// the program folder's lock, so it runs beside the program; it only reads
// the library. Distances are at each waveform's stored PR unless --pr gives
// one. Returns the exit status: 0 written, 1 nothing written (no such
// waveform, library unreadable, output not writable).
class ExportCommand {
    Q_DECLARE_TR_FUNCTIONS(ExportCommand)
public:
    static int run(const CommandLine& line, int& argc, char** argv);
};

} // namespace app
