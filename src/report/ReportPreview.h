#pragma once
#include <memory>

class QPrinter;
class QPrintPreviewDialog;
class QWidget;

namespace report {

class Tform_print;

// The print preview of the report (print, page set-up, zoom, page navigation).
class ReportPreview {
public:
    // A printer set up for the report: A4 portrait, 10 mm margins.
    static std::unique_ptr<QPrinter> makePrinter();
    // The preview over `printer`, drawing `form` whenever it asks; not shown yet.
    static std::unique_ptr<QPrintPreviewDialog> create(const Tform_print& form, QPrinter& printer,
                                                       QWidget* parent);
    // Shows the preview modally until the user closes it.
    static void exec(const Tform_print& form, QWidget* parent);
};

} // namespace report
