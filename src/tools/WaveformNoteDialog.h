#pragma once
#include "tools/WaveformNote.h"

#include <QDialog>

class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace store {
class Dataset;
}

namespace tools {

// "Note...": edits the note of the current library waveform in a multi-line
// box. Enter starts a new line, Ctrl+Enter stores (as OK), Escape cancels.
class WaveformNoteDialog : public QDialog {
    Q_OBJECT
public:
    explicit WaveformNoteDialog(store::Dataset& library, QWidget* parent = nullptr);

    // Opens the editor on the current waveform, or says why its note cannot
    // be stored (a library that cannot keep notes, a read-only file).
    void editCurrent();
    // OK: stores the note and closes; a refused write keeps the dialog open with the text.
    void btOKClick();

    QLabel* lbWaveform;
    QPlainTextEdit* edNote;
    QLabel* lbHint;
    QPushButton* btOK;
    QPushButton* btCancel;

protected:
    // Ctrl+Enter in the note box stores it; a plain Enter is a new line.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    WaveformNote note_;
};

} // namespace tools
