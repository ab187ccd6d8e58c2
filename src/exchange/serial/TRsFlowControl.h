#pragma once
#include "exchange/serial/RsTypes.h"
#include "exchange/serial/TRsPersistent.h"

namespace serial {

// Handshake settings of a port. A new group has no handshake of any kind.
class TRsFlowControl : public TRsPersistent {
public:
    bool outCtsFlow() const { return outCtsFlow_; }
    bool outDsrFlow() const { return outDsrFlow_; }
    TRsControlDtr controlDtr() const { return controlDtr_; }
    TRsControlRts controlRts() const { return controlRts_; }
    bool xonXoffOut() const { return xonXoffOut_; }
    bool xonXoffIn() const { return xonXoffIn_; }
    bool dsrSensitivity() const { return dsrSensitivity_; }
    bool txContinueOnXoff() const { return txContinueOnXoff_; }

    void setOutCtsFlow(bool v) { SetField(outCtsFlow_, v); }
    void setOutDsrFlow(bool v) { SetField(outDsrFlow_, v); }
    void setControlDtr(TRsControlDtr v) { SetField(controlDtr_, v); }
    void setControlRts(TRsControlRts v) { SetField(controlRts_, v); }
    void setXonXoffOut(bool v) { SetField(xonXoffOut_, v); }
    void setXonXoffIn(bool v) { SetField(xonXoffIn_, v); }
    void setDsrSensitivity(bool v) { SetField(dsrSensitivity_, v); }
    void setTxContinueOnXoff(bool v) { SetField(txContinueOnXoff_, v); }

private:
    bool outCtsFlow_ = false;
    bool outDsrFlow_ = false;
    TRsControlDtr controlDtr_ = dtrDisabled;
    TRsControlRts controlRts_ = rtsDisabled;
    bool xonXoffOut_ = false;
    bool xonXoffIn_ = false;
    bool dsrSensitivity_ = false;
    bool txContinueOnXoff_ = false;
};

} // namespace serial
