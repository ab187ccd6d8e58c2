#pragma once
#include "exchange/dynamicArr.h"

#include <QString>
#include <memory>
#include <vector>

namespace exchange {

// The command list of one exchange: command strings, each with an optional
// attached dynamicArr that the list owns. The engine also notes here why a
// command ended without a result, so that the executor can tell the user.
class CommandList {
public:
    int count() const { return int(entries_.size()); }
    bool isEmpty() const { return entries_.empty(); }

    // Appends a command; returns its index.
    int add(const QString& command, std::unique_ptr<dynamicArr> object = nullptr);

    const QString& command(int index) const { return at(index).command; }
    dynamicArr* object(int index) const { return at(index).object.get(); }
    void setObject(int index, std::unique_ptr<dynamicArr> object) { at(index).object = std::move(object); }

    // Why the command has no result (empty when it has one or has not run).
    const QString& problem(int index) const { return at(index).problem; }
    void setProblem(int index, const QString& why) { at(index).problem = why; }

    // Frees every attached object and removes every command.
    void clear() { entries_.clear(); }

private:
    struct Entry {
        QString command;
        std::unique_ptr<dynamicArr> object;
        QString problem;
    };
    // Throws std::out_of_range for an index outside the list.
    Entry& at(int index) { return entries_.at(std::size_t(index)); }
    const Entry& at(int index) const { return entries_.at(std::size_t(index)); }

    std::vector<Entry> entries_;
};

} // namespace exchange
