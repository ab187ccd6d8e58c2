#pragma once
#include "exchange/WindowOpening.h"
#include "tools/WaveformNameEditor.h"

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

namespace store {
class Dataset;
}

namespace tools {

// "Edit waveform name": renames the current waveform of the library query.
// Opened modally from the library grid and the exchange window's database grid.
class TfrmEdtFld : public QDialog {
    Q_OBJECT
public:
    explicit TfrmEdtFld(store::Dataset& library, QWidget* parent = nullptr);

    // Fills edName from the current record; runs every time the dialog is shown.
    void FormActivate();
    // OK: stores the name and closes with Accepted.
    void BitBtn1Click();

    QLabel* Label1;
    QLineEdit* edName;
    QPushButton* BitBtn1;
    QPushButton* BitBtn2;

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    WaveformNameEditor editor_;
    exchange::WindowOpening opening_;
};

} // namespace tools
