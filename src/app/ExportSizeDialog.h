#pragma once
#include <QDialog>
#include <QSize>
#include <optional>

class QSpinBox;

namespace app {

// Asks the width and height in pixels of an exported chart picture.
class ExportSizeDialog : public QDialog {
    Q_OBJECT
public:
    ExportSizeDialog(QSize initial, QWidget* parent);
    QSize chosen() const;

    // The chosen size, or nothing when cancelled.
    static std::optional<QSize> ask(QSize initial, QWidget* parent);

private:
    QSpinBox *width_, *height_;
};

} // namespace app
