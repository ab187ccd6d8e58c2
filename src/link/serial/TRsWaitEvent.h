#pragma once
#include "link/serial/TRsEvent.h"

// The unnamed manual-reset event that starts unsignalled, used as a completion signal.
class TRsWaitEvent : public TRsEvent {};
