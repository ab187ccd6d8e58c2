#pragma once
#include "exchange/serial/RsTypes.h"

namespace serial {

// Thread priorities as nice values of one thread (Linux schedules threads
// individually). Best effort: raising a priority needs privileges, and a
// refusal leaves the thread as it was.
namespace ThreadPriority {

int NiceValue(TRsThreadPriority priority);

// The calling thread's id, for Apply from another thread.
int CurrentThreadId();

void Apply(int threadId, TRsThreadPriority priority);

} // namespace ThreadPriority

} // namespace serial
