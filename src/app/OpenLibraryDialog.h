#pragma once
#include <QDialog>
#include <functional>

class QFileDialog;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QTabWidget;

namespace app {

// "Open database": a library file on the File tab (the program's file dialog,
// embedded) or a library on a server on the Server tab (its address, typed or
// taken from the ones opened last). An address the store refuses is told on
// the tab and the dialog stays open.
class OpenLibraryDialog : public QDialog {
    Q_OBJECT
public:
    // `folderEntered` runs for the folder the file tab opens in and for every
    // folder entered there.
    OpenLibraryDialog(QWidget* parent, const std::function<void(const QString&)>& folderEntered);

    // Shows the dialog; the chosen file path or server address, empty when
    // cancelled. A chosen file's folder is remembered for the next time.
    QString choose();

    QTabWidget* tabs;
    QFileDialog* files;
    QLineEdit* serverAddress;
    QListWidget* recentServers;
    QLabel* serverRefusal;
    QPushButton* serverOpen;

private:
    QWidget* buildServerTab();
    void serverOpenClick();

    QString chosen_;
};

} // namespace app
