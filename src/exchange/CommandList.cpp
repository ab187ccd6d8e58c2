#include "exchange/CommandList.h"

namespace exchange {

int CommandList::add(const QString& command, std::unique_ptr<dynamicArr> object) {
    entries_.push_back(Entry{command, std::move(object), {}});
    return count() - 1;
}

} // namespace exchange
