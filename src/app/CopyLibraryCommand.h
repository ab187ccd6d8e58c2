#pragma once
#include "app/CommandLine.h"

#include <QCoreApplication>

namespace app {

// `echolon copy-library`: copies a whole waveform library between SQLite files
// and server databases, without a window system and without the program
// folder. Returns the exit status: 0 copied, 1 nothing copied.
class CopyLibraryCommand {
    Q_DECLARE_TR_FUNCTIONS(CopyLibraryCommand)
public:
    static int run(const CommandLine& line, int& argc, char** argv);
};

} // namespace app
