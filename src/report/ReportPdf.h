#pragma once
#include <QString>

namespace report {

class Tform_print;

// The report straight into a PDF file: the same drawing as the preview prints.
class ReportPdf {
public:
    // Throws ReportError naming the file when it cannot be written.
    static void write(const Tform_print& form, const QString& path);
};

} // namespace report
