#include "app/EcholonApplication.h"

#include "store/Messages.h"

#include <QCoreApplication>

namespace app {

EcholonApplication::EcholonApplication(int& argc, char** argv) : QApplication(argc, argv) {}

bool EcholonApplication::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& e) {
        store::messages().error(QString::fromUtf8(e.what()));
    } catch (...) {
        store::messages().error(QCoreApplication::translate("EcholonApplication", "Unexpected error."));
    }
    return false;
}

} // namespace app
