#pragma once
#include "exchange/serial/TRsPersistent.h"

#include <cstdint>

namespace serial {

// Special characters of a port.
class TRsEventChars : public TRsPersistent {
public:
    std::uint8_t xonChar() const { return xonChar_; }
    std::uint8_t xoffChar() const { return xoffChar_; }
    std::uint8_t errorChar() const { return errorChar_; }
    std::uint8_t eventChar() const { return eventChar_; }
    std::uint8_t eofChar() const { return eofChar_; }

    void setXonChar(std::uint8_t v) { SetField(xonChar_, v); }
    void setXoffChar(std::uint8_t v) { SetField(xoffChar_, v); }
    void setErrorChar(std::uint8_t v) { SetField(errorChar_, v); }
    void setEventChar(std::uint8_t v) { SetField(eventChar_, v); }
    void setEofChar(std::uint8_t v) { SetField(eofChar_, v); }

private:
    std::uint8_t xonChar_ = 17;
    std::uint8_t xoffChar_ = 19;
    std::uint8_t errorChar_ = 0;
    std::uint8_t eventChar_ = 0;
    std::uint8_t eofChar_ = 0;
};

} // namespace serial
