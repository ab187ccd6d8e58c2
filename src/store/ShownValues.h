#pragma once
#include <QString>
#include <optional>

namespace store {

// What of a library row's stored text the main window's boxes and the report
// may show. A row can hold anything, however it got into the library (an
// answer garbled on the line, a file, another program): a value outside its
// field's range is shown as nothing rather than as if it were one.
class ShownValues {
public:
    // The range of a PR wherever the program takes or shows one.
    static constexpr double kLowestPr = 1.0;
    static constexpr double kHighestPr = 3.0;

    // A number inside 1..3 once rounded to the three decimals the PR box shows.
    static bool prInRange(double pr);
    // A stored PR (SPEED) when it is a number inside 1..3.
    static std::optional<QString> pr(const QString& stored);
    // A stored recording date (DATE) when it is one: day.month.year, the year of
    // one, two or four digits, then optionally hours:minutes[:seconds].
    static std::optional<QString> date(const QString& stored);
};

} // namespace store
