#pragma once
#include <QDialog>

class QFrame;
class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace tools {

// "About... ": the logo, the program name with its version and the supplier's
// contact lines. The version is read once, when the dialog is created.
class TfrmAbout : public QDialog {
    Q_OBJECT
public:
    static const QStringList kContactLines; // the five lines of Memo1

    explicit TfrmAbout(QWidget* parent = nullptr);

    // Reads Kestrel.dof from the program folder into lbVer.
    void FormCreate();

    QFrame* Panel1;
    QLabel* ProgramIcon;
    QLabel* lbVer;
    QPlainTextEdit* Memo1;
    QPushButton* OKButton;
};

} // namespace tools
