#pragma once
#include <stdexcept>

namespace report {

// A report that cannot be written, with a readable message naming the file.
struct ReportError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

} // namespace report
