#pragma once
#include "exchange/serial/TRsPersistent.h"

namespace serial {

// Queue sizes (bytes) and time limits (milliseconds) of a port.
class TRsBuffers : public TRsPersistent {
public:
    int readSize() const { return readSize_; }
    int writeSize() const { return writeSize_; }
    int readTimeout() const { return readTimeout_; }
    int writeTimeout() const { return writeTimeout_; }
    int xonLimit() const { return xonLimit_; }
    int xoffLimit() const { return xoffLimit_; }

    void setReadSize(int v) { SetField(readSize_, v); }
    void setWriteSize(int v) { SetField(writeSize_, v); }
    void setReadTimeout(int v) { SetField(readTimeout_, v); }
    void setWriteTimeout(int v) { SetField(writeTimeout_, v); }
    void setXonLimit(int v) { SetField(xonLimit_, v); }
    void setXoffLimit(int v) { SetField(xoffLimit_, v); }

private:
    int readSize_ = 4096;
    int writeSize_ = 2048;
    int readTimeout_ = 1000;
    int writeTimeout_ = 1000;
    int xonLimit_ = 1024;
    int xoffLimit_ = 1024;
};

} // namespace serial
