#pragma once
#include <QCoreApplication>
#include <QString>
#include <QStringList>

namespace store {
class Dataset;
}

namespace report {

// The parameter table of the report: fifteen rows, a label column and five
// value columns (the current waveform, then the compare library's entries).
class ParameterTable {
    Q_DECLARE_TR_FUNCTIONS(ParameterTable)
public:
    static constexpr int kRowCount = 15;
    static constexpr int kValueColumns = 5;
    // The instrument's range, a distance shown in the shown unit.
    static constexpr int kScaleRow = 4;

    static QStringList rowLabels();
    // The title above value column 1..5: whose values it holds.
    static QString columnTitle(int column);

    // Row 3 of the current waveform: the window title from the first "\DATA"
    // (in any case, with '\' or '/') up to, not including, its last two
    // characters (" ]"); without such a folder the whole folder between the
    // brackets. A title without a folder gives empty text.
    static QString folderFromTitle(const QString& title);

    struct MemoParts {
        QString directory; // up to and including the last separator
        QString name;      // the rest
    };
    // Rows 3 and 4 of a compare entry: its MEMO split at the last backslash
    // (at the last '/' for a name that starts with "/DATA", the prefix of a
    // library in a '/' folder). Without a separator the whole text is the name.
    static MemoParts splitMemo(const QString& memo);

    // One value column from the current record of `ds`; rows 1, 3 and 4 as given.
    static QStringList column(store::Dataset& ds, const QString& number, const QString& directory,
                              const QString& name);
};

} // namespace report
