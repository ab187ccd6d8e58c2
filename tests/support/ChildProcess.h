#pragma once
// A program a test starts ends with the test's own process, also when that
// crashes or is killed before any destructor can end the program.
#include <QProcess>
#include <csignal>
#include <sys/prctl.h>

inline void endWithThisProcess(QProcess& process) {
    process.setChildProcessModifier([] { ::prctl(PR_SET_PDEATHSIG, SIGKILL); });
}
