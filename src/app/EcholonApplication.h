#pragma once
#include <QApplication>

namespace app {

// The application object. An exception that leaves an event handler is shown
// in the standard error box (its message in an OK box) and the program goes on,
// instead of unwinding through the event loop.
class EcholonApplication : public QApplication {
public:
    EcholonApplication(int& argc, char** argv);
    bool notify(QObject* receiver, QEvent* event) override;
};

} // namespace app
