#pragma once

class QApplication;

namespace app {

// Start-up: reads the command line (--home DIR), creates the program's windows
// and the data module in their fixed order, runs the event loop until the main
// window closes. Returns the process exit code.
int runProgram(QApplication& app);

} // namespace app
