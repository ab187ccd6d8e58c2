#pragma once
#include <QByteArray>

namespace exchange {

// The object attached to a command: the bytes to write, or the bytes read.
class dynamicArr {
public:
    dynamicArr() = default;
    explicit dynamicArr(QByteArray b) : bytes(std::move(b)) {}
    QByteArray bytes;
};

} // namespace exchange
