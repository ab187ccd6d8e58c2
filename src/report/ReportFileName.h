#pragma once
#include <QCoreApplication>
#include <QString>

class QPrinter;

namespace report {

class Tform_print;

// The name "print to file" offers: the shown waveform's name, made fit for a
// file name on any system, in the folder last used for reports.
class ReportFileName {
    Q_DECLARE_TR_FUNCTIONS(ReportFileName)
public:
    static constexpr int kMaxLength = 120;

    // The part after the last folder separator, with characters no file
    // system takes replaced by '_', without a ".pdf" ending; "report" when
    // nothing is left.
    static QString fromWaveformName(const QString& name);
    // The name of the filled form's current waveform.
    static QString of(const Tform_print& form);
    // Names the printer's document after `baseName` and, where the print
    // dialog offers printing to a file, proposes `baseName`.pdf in the report folder.
    static void apply(QPrinter& printer, const QString& baseName);
    // After printing: a report printed to a file leaves its folder as the next proposal.
    static void rememberFolder(const QPrinter& printer);
};

} // namespace report
