#include "exchange/serial/ThreadPriority.h"

#include <sys/resource.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace serial {

namespace ThreadPriority {

int NiceValue(TRsThreadPriority priority) {
    switch (priority) {
    case tpIdle: return 19;
    case tpLowest: return 10;
    case tpLower: return 5;
    case tpNormal: return 0;
    case tpHigher: return -5;
    case tpHighest: return -10;
    case tpTimeCritical: return -20;
    }
    return 0;
}

int CurrentThreadId() { return static_cast<int>(::syscall(SYS_gettid)); }

void Apply(int threadId, TRsThreadPriority priority) {
    if (threadId > 0) ::setpriority(PRIO_PROCESS, static_cast<id_t>(threadId), NiceValue(priority));
}

} // namespace ThreadPriority

} // namespace serial
