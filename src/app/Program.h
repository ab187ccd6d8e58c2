#pragma once

namespace app {

// Start-up: reads the command line, settles on the program folder and locks
// it, then creates the program's windows and the data module in their fixed
// order and runs the event loop until the main window closes. No window-system
// object exists until the command line and the folder are known to be good.
// Returns the process exit code (see CommandLine::usage()).
int runProgram(int& argc, char** argv);

} // namespace app
