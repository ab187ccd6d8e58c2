#pragma once
#include "store/Messages.h"

#include <QObject>
#include <QString>

class QLabel;
class QMainWindow;

namespace store {
class ViewState;
}

namespace app {

// How the main window tells that the server library stopped answering: one
// message per loss, shown once no other box is open and only when the error
// box of the action that met the loss has not said it already; while lost,
// the title and a status-bar mark say so; when the library answers again, a
// quiet note in the status bar. It passes the program's message boxes on
// (installed over them for its lifetime) to see what they told.
class LibraryConnectionNotice : public QObject, private store::Messages {
    Q_OBJECT
public:
    LibraryConnectionNotice(QMainWindow& window, store::ViewState& state);
    ~LibraryConnectionNotice() override;

    void lost(const QString& why);
    void restored(const QString& library);
    bool isLost() const { return !why_.isEmpty(); }

    QLabel* mark;

private:
    void information(const QString& text) override { boxes_->information(text); }
    void warning(const QString& text) override;
    void error(const QString& text) override;
    bool confirm(const QString& text) override { return boxes_->confirm(text); }
    void noteTold(const QString& text);
    void tellLoss();
    void clear();

    QMainWindow& window_;
    store::ViewState& state_;
    store::Messages* boxes_;
    QString why_;
    bool told_ = false;
    QString titleBefore_;
    QString markedTitle_;
};

} // namespace app
