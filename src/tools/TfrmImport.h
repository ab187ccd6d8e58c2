#pragma once
#include "exchange/WindowOpening.h"
#include "tools/ImportCore.h"

#include <QDialog>
#include <functional>

class QComboBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;

namespace tools {

// "Импорт данных из ранней версии Echolon": shows ImportCore and passes the
// button clicks to it. Only the file dialog lives here.
class TfrmImport : public QDialog {
    Q_OBJECT
public:
    explicit TfrmImport(QWidget* parent = nullptr);

    ImportCore& core() { return core_; }

    // Replaces the file-open dialog dlgOpen; returns the chosen path or an
    // empty text when cancelled.
    void setFileChooser(std::function<QString()> chooser) { chooseFile_ = std::move(chooser); }

    void FormActivate();
    void btFileClick();
    void btStartClick();
    void btSaveClick();

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void refresh();
    QString openFileDialog();

    ImportCore core_;
    std::function<QString()> chooseFile_;
    QLabel* lbVer_;
    QComboBox* cbSoftVer_;
    QLabel* lbFile_;
    QLineEdit* edDir_;
    QPushButton* btFile_;
    QLabel* lbProgress_;
    QProgressBar* pbImport_;
    QPushButton* btStart_;
    QPushButton* btSave_;
    QPushButton* BitBtn1_;
    exchange::WindowOpening opening_;
};

} // namespace tools
