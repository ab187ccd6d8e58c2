#pragma once
#include "exchange/CommandList.h"
#include "tools/ImportCommandList.h"

namespace tools {

// The import dialog's view of the command executor's own list.
class ExecutorCommandList : public ImportCommandList {
public:
    explicit ExecutorCommandList(exchange::CommandList& list) : list_(list) {}

    QString firstCommand() const override { return list_.isEmpty() ? QString() : list_.command(0); }
    void clear() override { list_.clear(); }
    void append(const ImportEntry& entry) override {
        list_.add(entry.command, std::make_unique<exchange::dynamicArr>(entry.bytes));
    }

private:
    exchange::CommandList& list_;
};

} // namespace tools
