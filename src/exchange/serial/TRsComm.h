#pragma once
#include "exchange/serial/TRsCustomComm.h"

namespace serial {

// The serial port component that the dialogs hold.
class TRsComm final : public TRsCustomComm {
public:
    TRsComm() = default;
    ~TRsComm() override = default;

protected:
    TRsComm& Sender() override { return *this; }
};

} // namespace serial
