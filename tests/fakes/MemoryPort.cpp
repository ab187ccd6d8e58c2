#include "fakes/MemoryPort.h"

#include <algorithm>
#include <stdexcept>

namespace exchange {

void MemoryPort::open() {
    if (active_) throw std::runtime_error("Can't perform this operation while port is open");
    if (!openError.isEmpty()) throw std::runtime_error(openError.toStdString());
    active_ = true;
    ++opens_;
    input_.clear();
    emit opened();
}

void MemoryPort::close() {
    if (!active_) return;
    active_ = false;
    emit closed();
}

int MemoryPort::write(const char* data, int count) {
    if (!active_ || count <= 0) return 0;
    writes_.push_back(QByteArray(data, count));
    return count;
}

int MemoryPort::read(char* data, int count) {
    if (!active_ || count <= 0) return 0;
    const int n = std::min<int>(count, int(input_.size()));
    std::copy_n(input_.constData(), n, data);
    input_.remove(0, n);
    return n;
}

void MemoryPort::purgeReadWrite() {
    if (!active_) return;
    if (!purgeError.isEmpty()) throw serial::ERsCommError(purgeError, purgeErrorKind);
    ++purges_;
    input_.clear();
}

void MemoryPort::feed(const QByteArray& bytes) {
    if (!active_ || bytes.isEmpty()) return;
    input_ += bytes;
    emit rxChar(int(input_.size()));
}

} // namespace exchange
