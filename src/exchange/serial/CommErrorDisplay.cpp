#include "exchange/serial/CommErrorDisplay.h"

#include "exchange/serial/ERsCommError.h"

#include <QCoreApplication>
#include <QtGlobal>
#include <exception>

namespace serial {

namespace {
std::function<void(const QString&)>& display() {
    static std::function<void(const QString&)> instance;
    return instance;
}
} // namespace

void setCommErrorDisplay(std::function<void(const QString&)> show) { display() = std::move(show); }

void showCommError(const QString& message) {
    if (display()) display()(message);
    else qWarning("%s", qUtf8Printable(message));
}

void showCurrentException() {
    try {
        throw;
    } catch (const ERsCommError& e) {
        showCommError(e.message());
    } catch (const std::exception& e) {
        showCommError(QString::fromUtf8(e.what()));
    } catch (...) {
        showCommError(QCoreApplication::translate("CommErrorDisplay", "An unknown error occurred."));
    }
}

} // namespace serial
