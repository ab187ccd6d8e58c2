#pragma once
#include "exchange/Interruption.h"
#include "exchange/dynamicArr.h"

#include <QString>
#include <memory>
#include <optional>
#include <vector>

namespace exchange {

// The command list of one exchange: command strings, each with an optional
// attached dynamicArr that the list owns. The engine also notes here why a
// command ended without a result, and how an exchange that did not run to its
// end was interrupted, so that the executor can tell the user.
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

    // Set by the engine when the exchange ended before the list did; cleared when it starts.
    const std::optional<Interruption>& interruption() const { return interruption_; }
    void setInterruption(std::optional<Interruption> why) { interruption_ = std::move(why); }

    // The caller stores what arrived whole from an interrupted exchange and tells
    // the user in its own message; the engine then says nothing itself.
    bool callerTellsInterruption() const { return callerTellsInterruption_; }
    void setCallerTellsInterruption(bool tells) { callerTellsInterruption_ = tells; }

    // Frees every attached object and removes every command; the list is as new.
    void clear() {
        entries_.clear();
        interruption_.reset();
        callerTellsInterruption_ = false;
    }

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
    std::optional<Interruption> interruption_;
    bool callerTellsInterruption_ = false;
};

} // namespace exchange
